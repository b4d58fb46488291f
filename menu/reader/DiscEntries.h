#pragma once

#include "common/CategoryCount.h"
#include "common/WebAddress.h"

#include <QString>

#include <vector>

namespace common {
class IniFile;
}

namespace menu {

// The most categories and items per category read from a disc, far above anything the editor
// writes; a damaged count must not make the program fill memory with "Fehler" rows.
constexpr int kMaxCategories = common::kMaxCategories;
constexpr int kMaxItemsPerCategory = 100000;

// The caption of a category or item whose section or key is missing.
inline QString missingCaption() {
    return QStringLiteral("Fehler");
}

// Section "general" of members.cfg.
struct DiscIdentity {
    QString discName; // cdname
    QString rootName; // rootname: the editor's project folder, with its trailing separator
};

struct CategoryEntry {
    int index = 0; // the section name in genre.cfg and the first number of every member key
    QString caption;
    int iconNumber = -1; // -1: no icon
};

struct ItemEntry {
    int index = 0; // within its category
    QString caption;
    int iconNumber = -1; // -1: no icon; n shows cfg\m<n+1>.ico
};

// One item's member detail file, as read; the target is resolved separately (ItemTarget.h).
struct ItemDetails {
    QString rawTarget = QStringLiteral("n/a"); // pfad
    bool copyAllowed = false;
    bool startAllowed = true;
    QString description = QStringLiteral("n/a");
    QString serial = QStringLiteral("n/a");
    QString sizeOnDisc = QStringLiteral("n/a");
    QString sizeInstalled = QStringLiteral("n/a");
    QString homePage = QStringLiteral("n/a");

    // A home page is a link when homePageAddress() gives one.
    bool hasHomePage() const;
};

// The address that a home page opens; shared with the editor's web menu.
using common::homePageAddress;

DiscIdentity readDiscIdentity(const common::IniFile& members);
// The count in genre.cfg, clamped as the editor clamps it.
int categoryCount(const common::IniFile& genre);
std::vector<CategoryEntry> readCategories(const common::IniFile& genre);
std::vector<ItemEntry> readItems(const common::IniFile& members, int category);
// `detailFile` is cfg\membersd\m<c>-<i>.dat.
ItemDetails readItemDetails(const common::IniFile& detailFile, int category, int item);

// "membersd\m<c>-<i>.dat", relative to the configuration folder.
QString detailFileName(int category, int item);

} // namespace menu
