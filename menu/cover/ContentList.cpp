#include "menu/cover/ContentList.h"

#include "common/IniFile.h"
#include "menu/reader/DiscEntries.h"

#include <algorithm>

namespace menu {

QStringList contentList(const common::IniFile& genre, const common::IniFile& members) {
    QStringList lines;
    int itemsLeft = kMaxContentItems;
    const int categories = categoryCount(genre);
    for (int c = 0; c < categories; ++c) {
        const QString section = QString::number(c);
        // The whole count: a category of 256 items or more keeps all of them. An empty category
        // has nothing to list and is left out.
        const int count = std::clamp(members.readInteger(section, u"anz_items", 0), 0, itemsLeft);
        if (count == 0)
            continue;
        itemsLeft -= count;
        lines << QStringLiteral("*** ") + genre.readString(section, u"caption", QStringLiteral("***")) +
                     QStringLiteral(" ***");
        QString captions;
        const QString prefix = section + u'-';
        for (int i = 0; i < count; ++i)
            captions += members.readString(prefix + QString::number(i), u"caption", missingCaption()) + u';';
        lines << captions;
        lines << QString();
    }
    return lines;
}

QString contentJobTitle(const QString& discName) {
    return QStringLiteral("- content of ") + discName + QStringLiteral(" -");
}

} // namespace menu
