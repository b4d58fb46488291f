#pragma once

#include <QString>
#include <QStringList>

namespace common {
class IniFile;
}

namespace menu {

// Items listed in one content list at most, over all categories: a damaged count must not make
// the program fill memory with "Fehler" captions.
constexpr int kMaxContentItems = 200000;

// The disc's content as printed on the back of the cover: per category with items a heading line
// "*** caption ***", a line of every item caption followed by ";", and an empty line. `genre` is
// genre.cfg, `members` members.cfg.
QStringList contentList(const common::IniFile& genre, const common::IniFile& members);

// The print job title of the content list.
QString contentJobTitle(const QString& discName);

} // namespace menu
