#include "menu/reader/DiscEntries.h"

#include "common/IniFile.h"
#include "menu/reader/ItemTarget.h"

#include <algorithm>

namespace menu {

bool ItemDetails::hasHomePage() const {
    return !homePageAddress(homePage).isEmpty();
}

DiscIdentity readDiscIdentity(const common::IniFile& members) {
    return {members.readString(u"general", u"cdname"), members.readString(u"general", u"rootname")};
}

int categoryCount(const common::IniFile& genre) {
    return common::readCategoryCount(genre);
}

std::vector<CategoryEntry> readCategories(const common::IniFile& genre) {
    const int count = categoryCount(genre);
    std::vector<CategoryEntry> entries;
    entries.reserve(count);
    for (int n = 0; n < count; ++n) {
        const QString section = QString::number(n);
        entries.push_back({n, genre.readString(section, u"caption", missingCaption()),
                           genre.readInteger(section, u"icon_number", -1)});
    }
    return entries;
}

std::vector<ItemEntry> readItems(const common::IniFile& members, int category) {
    const int count =
        std::clamp(members.readInteger(QString::number(category), u"anz_items", 0), 0, kMaxItemsPerCategory);
    std::vector<ItemEntry> entries;
    entries.reserve(count);
    const QString prefix = QString::number(category) + u'-';
    for (int i = 0; i < count; ++i) {
        const QString section = prefix + QString::number(i);
        entries.push_back({i, members.readString(section, u"caption", missingCaption()),
                           members.readInteger(section, u"icon_number", -1)});
    }
    return entries;
}

ItemDetails readItemDetails(const common::IniFile& file, int category, int item) {
    const QString section = QString::number(category) + u'-' + QString::number(item);
    const QString na = QStringLiteral("n/a");
    ItemDetails d;
    d.rawTarget = file.readString(section, u"pfad", na);
    d.copyAllowed = file.readInteger(section, u"copy", 0) != 0;
    d.startAllowed = file.readInteger(section, u"execute", 1) != 0;
    d.description = file.readString(section, u"desc", na);
    d.serial = file.readString(section, u"serial", na);
    d.sizeOnDisc = file.readString(section, u"sizep", na);
    d.sizeInstalled = file.readString(section, u"sizeup", na);
    d.homePage = file.readString(section, u"url", na);
    return d;
}

QString detailFileName(int category, int item) {
    return QStringLiteral("membersd\\m%1-%2.dat").arg(category).arg(item);
}

} // namespace menu
