#pragma once

#include "menu/reader/DesignSettings.h"
#include "menu/reader/DiscEntries.h"
#include "menu/reader/DiscFolders.h"
#include "menu/reader/LanguageTexts.h"

#include "common/IniFile.h"

#include <QString>

#include <array>

namespace menu {

// The largest wave file played. A sound is loaded whole; the design's clicks and jingles take a
// few hundred kilobytes.
constexpr qint64 kMaxSoundBytes = 16 * 1024 * 1024;

enum class PictureOption { Always, Never, Auto };
// What the copy dialog does with the current target.
enum class CopyMode { Copy, Unzip };

// What the menu program knows while it runs: the disc it reads, its design and language, and the
// choices of the viewer. The menu window owns it; the dialogs read it.
struct MenuState {
    DiscFolders folders;
    // members.cfg, read once at start-up; every category choice reads its items from it.
    common::IniFile members;
    DiscIdentity identity;
    QString projectRootRest; // empty on a recorded disc
    DesignSettings design;
    LanguageFile language;

    int currentCategory = 0;
    QString currentTarget; // the selected item's resolved target; empty without one
    CopyMode copyMode = CopyMode::Copy;

    PictureOption pictureOption = PictureOption::Auto;
    bool detailsShown = true;
    bool pictureDocked = false;
    bool picturePlaced = false;

    // Set only when the design uses them.
    QString backgroundBitmap;
    QString buttonBitmap;
    // The wave file of each sound that the design sets; empty for the others.
    std::array<QString, 5> soundFiles;
};

} // namespace menu
