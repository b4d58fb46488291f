#include "editor/project/ProjectFile.h"

#include "common/CategoryCount.h"
#include "common/IniFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"

#include <QFileInfo>

#include <algorithm>

namespace {

const QString kGeneral = QStringLiteral("general");
const QString kCount = QStringLiteral("Anz_Eintr\u00e4ge");
const QString kItems = QStringLiteral("items");

const QString kItemPrefix = QStringLiteral("Item-");

QString itemSection(int n) {
    return kItemPrefix + QString::number(n);
}

// A name as itemSection() spells it, in any letter case: the sections that a save writes anew.
bool isItemSection(QStringView name) {
    if (!name.startsWith(kItemPrefix, Qt::CaseInsensitive))
        return false;
    const QStringView number = name.sliced(kItemPrefix.size());
    const bool digits =
        std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool ok = false;
    const int n = number.toInt(&ok);
    return digits && ok && n > 0 && !number.startsWith(u'0');
}

const std::array<QString, kItemFieldCount> kFieldKeys = [] {
    std::array<QString, kItemFieldCount> keys;
    for (int f = 0; f < kItemFieldCount; ++f)
        keys[f] = QString::number(f);
    return keys;
}();

const QString& key(int field) {
    return kFieldKeys[field];
}

// Keys in the order a save writes them; the category follows as "7" and "7_2".
constexpr std::array<int, 11> kPlainOrder = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11};

} // namespace

namespace projectfile {

void writeGeneral(common::IniFile& file, const EditorState& state) {
    const ProjectFiles& d = state.files;
    file.writeString(kGeneral, u"cdname", state.cdName);
    file.writeString(kGeneral, u"rootname", state.projectFolder);
    file.writeString(kGeneral, u"genre_file", d.categoryFile.path());
    file.writeString(kGeneral, u"genre_filealone", d.categoryFile.alone());
    file.writeString(kGeneral, u"genre_fileext", d.categoryFile.ext());
    file.writeString(kGeneral, u"menu_file", d.designFile.path());
    file.writeString(kGeneral, u"menu_filealone", d.designFile.alone());
    file.writeString(kGeneral, u"menu_fileext", d.designFile.ext());
}

bool save(const QString& path, const EditorState& state, const ItemTable& items) {
    // The items are the bulk of the file and are written whole: they are neither read nor kept as lines.
    common::IniFile file(path, isItemSection);
    writeGeneral(file, state);
    // The count keeps its place; a new file has it after the items, where a first save puts it.
    const bool countAfterItems = !file.hasSection(kCount);
    if (!countAfterItems)
        file.writeInteger(kCount, kItems, items.itemCount());
    const LanguageTables& language = state.language;
    const int copy = fieldIndex(ItemField::Copy), execute = fieldIndex(ItemField::Execute);
    const int category = fieldIndex(ItemField::Category);
    return file.save([&](common::IniFile::Appendix& out) {
        for (int r = 0; r < items.itemCount(); ++r) {
            out.section(itemSection(r + 1));
            const ItemRecord item = items.record(r);
            for (const int f : kPlainOrder) {
                const bool yesNo = f == copy || f == execute;
                out.key(key(f), yesNo ? language.toStoredYesNo(item[f]) : item[f]);
            }
            const qsizetype position = state.categories.lastIndexOf(item[category]);
            if (position >= 0)
                out.key(key(category), QString::number(position));
            out.key(u"7_2", item[category]);
        }
        if (countAfterItems) {
            out.section(kCount);
            out.key(kItems, QString::number(items.itemCount()));
        }
    });
}

void writeCategoryPositions(common::IniFile& file, const EditorState& state, const ItemTable& items) {
    const int category = fieldIndex(ItemField::Category);
    for (int r = 0; r < items.itemCount(); ++r) {
        const qsizetype position = state.categories.lastIndexOf(items.field(r, category));
        if (position >= 0)
            file.writeInteger(itemSection(r + 1), key(category), int(position));
    }
}

ReadCount read(const common::IniFile& file, EditorState& state, ItemTable& items) {
    // A damaged count must not make rows out of nothing: every item has a section of its own.
    const int stored = file.readInteger(kCount, kItems, 0);
    int count = int(std::min<qsizetype>({qsizetype(stored), file.sectionCount(), kMaxItems}));
    // Rows up to the last item section there is: a count beyond it stands for nothing.
    while (count > 0 && !file.hasSection(itemSection(count)))
        --count;
    state.cdName = file.readString(kGeneral, u"cdname", QStringLiteral("no cd name"));
    state.projectFolder = file.readString(kGeneral, u"rootname");
    state.addFileStartFolder = state.projectFolder;
    if (!state.categoryResolved) {
        state.pendingCategoryFile = file.readString(kGeneral, u"genre_file", QStringLiteral("not found"));
        state.files.categoryFile.set(state.pendingCategoryFile);
    }
    if (!state.designResolved)
        state.files.designFile.set(file.readString(kGeneral, u"menu_file", QStringLiteral("not found")));

    const QStringList& categories = state.categories;
    const LanguageTables& language = state.language;
    ItemRows rows;
    rows.reserve(std::max(count, 0));
    ItemRecord item;
    for (int n = 1; n <= count; ++n) {
        const QString section = itemSection(n);
        for (const int f : kPlainOrder)
            item[f] = file.readString(section, key(f));
        for (const ItemField f : {ItemField::Copy, ItemField::Execute})
            item[fieldIndex(f)] =
                language.fromStoredYesNo(file.readString(section, key(fieldIndex(f)), QStringLiteral("yes")));
        // The last match wins: a name still in the list keeps the category, a renamed category is
        // followed by its stored position.
        const QString name = file.readString(section, u"7_2");
        const int position = file.readInteger(section, u"7", 0);
        QString& category = item[fieldIndex(ItemField::Category)];
        category = categories.value(0);
        for (int i = 0; i < categories.size(); ++i) {
            if (categories[i] == name || position == i)
                category = categories[i];
        }
        rows.append(item);
    }
    items.setRecords(std::move(rows));
    return {stored, std::max(count, 0)};
}

} // namespace projectfile

QStringList loadCategoryList(const QString& categoryFile) {
    if (!QFileInfo(categoryFile).isFile())
        return {};
    const common::IniFile file(categoryFile);
    const int count = common::readCategoryCount(file);
    QStringList captions;
    captions.reserve(count);
    for (int i = 0; i < count; ++i)
        captions << file.readString(QString::number(i), u"caption", QStringLiteral("Fehler"));
    return captions;
}
