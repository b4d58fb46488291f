#include "editor/project/SettingsFile.h"

#include "common/ColorNames.h"
#include "common/IniFile.h"

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("settings");
const QString kTrue = QStringLiteral("TRUE");
const QString kFalse = QStringLiteral("FALSE");

QString numbered(const char16_t* prefix, int n) {
    return QString::fromUtf16(prefix) + QString::number(n);
}

bool readFlag(const common::IniFile& file, QStringView key) {
    return file.readString(kSection, key, kTrue) == kTrue;
}

// Columns whose stored title names no field, or a field already placed, take the remaining
// fields in their natural order, so that every field keeps a column.
std::array<int, kItemFieldCount> columnOrder(const std::array<std::optional<int>, kItemFieldCount>& stored) {
    std::array<int, kItemFieldCount> order{};
    std::array<bool, kItemFieldCount> placed{};
    std::array<bool, kItemFieldCount> valid{};
    for (int c = 0; c < kItemFieldCount; ++c) {
        if (stored[c] && !placed[*stored[c]]) {
            order[c] = *stored[c];
            placed[*stored[c]] = valid[c] = true;
        }
    }
    int next = 0;
    for (int c = 0; c < kItemFieldCount; ++c) {
        if (valid[c])
            continue;
        while (placed[next])
            ++next;
        order[c] = next;
        placed[next] = true;
    }
    return order;
}

} // namespace

EditorSettings::EditorSettings() {
    widths.fill(kDefaultWidth);
    for (int c = 0; c < kColumnCount; ++c)
        fieldOfColumn[c] = c;
}

std::vector<int> EditorSettings::shownFields() const {
    std::vector<int> fields;
    for (const int field : fieldOfColumn) {
        if (!hidden[field].value_or(false))
            fields.push_back(field);
    }
    return fields;
}

EditorSettings EditorSettings::read(const common::IniFile& file) {
    EditorSettings s;
    s.lastProject = file.readString(kSection, u"last_proj");
    s.language = file.readInteger(kSection, u"language", 1);
    s.showWelcome = readFlag(file, u"show_welcome");
    s.showFt = readFlag(file, u"show_ft");
    s.showBack = readFlag(file, u"show_back");
    s.shipRuntime = readFlag(file, u"ship_runtime");
    s.writeWebMenu = readFlag(file, u"web_menu");
    s.gridMode = file.readInteger(kSection, u"grid_mode", 0);
    s.color1 = common::colorFromNameOrWhite(file.readString(kSection, u"Color1", QStringLiteral("clSilver")));
    s.color2 = common::colorFromNameOrWhite(file.readString(kSection, u"Color2", QStringLiteral("clWhite")));
    s.maximized = file.readString(kSection, u"wstate", QStringLiteral("wsMaximized")) != u"wsNormal";
    std::array<std::optional<int>, kColumnCount> stored;
    for (int n = 1; n <= kColumnCount; ++n) {
        const QString state =
            file.readString(kSection, numbered(u"state_grid_", n), QStringLiteral("visible"));
        if (state == u"visible")
            s.hidden[n - 1] = false;
        else if (state == u"hidden")
            s.hidden[n - 1] = true;
        stored[n - 1] =
            fieldOfEnglishTitle(file.readString(kSection, numbered(u"celld_", n), QStringLiteral("Failed")));
    }
    for (int n = 0; n <= kColumnCount; ++n)
        s.widths[n] = file.readInteger(kSection, numbered(u"grid_", n), kDefaultWidth);
    s.fieldOfColumn = columnOrder(stored);
    return s;
}

void EditorSettings::write(common::IniFile& file) const {
    if (!lastProject.isEmpty())
        file.writeString(kSection, u"last_proj", lastProject);
    file.writeInteger(kSection, u"language", language);
    file.writeString(kSection, u"show_welcome", showWelcome ? kTrue : kFalse);
    file.writeString(kSection, u"show_ft", showFt ? kTrue : kFalse);
    file.writeString(kSection, u"show_back", showBack ? kTrue : kFalse);
    file.writeString(kSection, u"ship_runtime", shipRuntime ? kTrue : kFalse);
    file.writeString(kSection, u"web_menu", writeWebMenu ? kTrue : kFalse);
    for (int n = 1; n <= kColumnCount; ++n) {
        file.writeString(kSection, numbered(u"state_grid_", n),
                         hidden[n - 1].value_or(false) ? QStringLiteral("hidden")
                                                       : QStringLiteral("visible"));
        if (!hidden[fieldOfColumn[n - 1]].value_or(false))
            file.writeInteger(kSection, numbered(u"grid_", n), widths[n]);
    }
    for (int n = 1; n <= kColumnCount; ++n)
        file.writeString(kSection, numbered(u"celld_", n), englishFieldTitle(fieldOfColumn[n - 1]));
    if (gridMode)
        file.writeInteger(kSection, u"grid_mode", *gridMode);
    file.writeString(kSection, u"wstate",
                     maximized ? QStringLiteral("wsMaximized") : QStringLiteral("wsNormal"));
    file.writeString(kSection, u"Color1", common::nameOfColor(color1).value_or(QStringLiteral("clSilver")));
    file.writeString(kSection, u"Color2", common::nameOfColor(color2).value_or(QStringLiteral("clWhite")));
}
