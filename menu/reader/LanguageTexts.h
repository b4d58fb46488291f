#pragma once

#include <QString>

#include <array>
#include <optional>

namespace common {
class IniFile;
}

namespace menu {

// The texts of cfg\language.zol that the menu window keeps for later use.
struct LanguageTexts {
    int language = 0;           // 0 English, 1 German; selects the built-in texts
    QString itemListHeading;    // Heading 2
    QString detailsHeading;     // Heading 3
    QString thumbnailHeading;   // Heading 3_2
    QString copyDialogCaption;  // Forms 5
    QString informationCaption; // Forms 6
    QString noNfo, noInfo, noZip, noFile;
    QString coverHeader;
    // Tooltips of the arrow buttons: details hidden (26), shown (27), picture docked (28), not (29).
    QString detailsHiddenHint, detailsShownHint, pictureDockedHint, pictureUndockedHint;
};

// The whole language file. Arrays are indexed by key number; index 0 (and the unused low indexes
// of "Forms") stay empty. A missing key is an empty text.
struct LanguageFile {
    bool present = false; // the file existed and was read
    LanguageTexts texts;
    std::array<QString, 26> buttons;  // captions, keys 1 to 25
    std::array<QString, 30> hints;    // tooltips, keys 1 to 29
    std::array<QString, 10> headings; // keys 1 to 9
    QString heading3_2;
    std::array<QString, 26> details; // keys 1 to 25
    std::array<QString, 7> forms;    // keys 2 to 6
};

LanguageFile readLanguageFile(const common::IniFile& language);

// Texts that the language file does not hold; the language index chooses them.
struct BuiltInTexts {
    QString noPicture;
    QString logoYes, logoNo;
    QString zipForNfo, zipForDiz, zipSideBar;
    QString optionsSideBar; // also the about menu's first divider
    QString pictureAlways, pictureNever, pictureAuto;
    QString about; // the second divider and the about entry
    QString productHome, makerHome;
    QString copySerial;
};

// English for 0, German for 1; nothing for any other index (the controls keep their captions).
std::optional<BuiltInTexts> builtInTexts(int language);

// The menu program's own messages, which no language file holds.
struct OwnMessages {
    QString cannotOpen;        // %1 the file, %2 the reason
    QString notAFile;          // a reason
    QString tooLargeToShow;    // %1 the entry, %2 the archive, %3 the most megabytes shown
    QString unreadablePicture; // %1 the file
    QString noSuchFile;        // a reason
    QString notEnoughSpace;    // %1 the archive, %2 the folder, %3 MB needed, %4 MB free
    QString stop;              // the copy dialog's button that stops a copy or an unzip
    QString folderNotOpened;   // %1 the folder
    // Copies that failed: %1 the source, %2 the destination or the reason, %3 the reason.
    QString notCopiedUnreadable, notCopiedKept, notCopiedBlocked;
    QString copyBrokeOff; // %1 the destination, %2 the reason
};

// German for 1, English for every other index: a message must never be empty.
const OwnMessages& ownMessages(int language);

} // namespace menu
