#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

struct EditorState;

// How the menu on the disc looks and sounds, as the design editor holds it: every value of a
// design file (*.lbd) except the media, whose files are kept by the holders of ProjectFiles
// (Splash_File, Icon_File, BMP_File, Button_file, Sound[0..4]). The defaults are the editor's.
struct DesignModel {
    enum class DesignMode { Band, Bmp };        // gradient or bitmap background
    enum class ButtonMode { Band, Bmp, Trans }; // gradient, bitmap or transparent buttons
    enum class ButtonStyle { Inset, Normal, Offset };
    enum class ButtonEffect { Shadow, ThreeD };
    // In the order in which the editor lists them.
    enum class FontEffect { None, Raised, Sunken, Shadow, RaisedShadow, SunkenShadow };
    enum class BoxFill { None = 0, BackgroundBitmap = 1, ButtonBitmap = 2 };
    enum class TileMode { Center, None, Stretch, Tile };

    // The design editor's status marks: which mode is active and which bitmaps are ready.
    struct Marks {
        bool bandsel = true;
        bool bmpsel = false;
        bool modebmp = false;
        bool buttonbandsel = true;
        bool buttonbmpsel = false;
        bool buttontranssel = false;
        bool BtnBmp = false;
        bool splash_status = false;
        bool icon_status = false;
        bool operator==(const Marks&) const = default;
    };

    DesignMode designMode = DesignMode::Band;
    ButtonMode buttonMode = ButtonMode::Band;

    // Splash screen; it is shown exactly when Splash_File holds a bitmap.
    QColor splashFrameColor{Qt::white}; // fc
    int splashFrameWidth = 1;           // fw, 0 … 250
    int splashDelay = 1;                // d, in seconds, 0 … 60

    // Buttons
    QColor buttonStart{Qt::black}; // btnc
    QColor buttonEnd{Qt::black};   // btnec
    QColor buttonFont{Qt::black};  // btnFc
    int shadowDepth = 5;           // btnsd, 0 … 15
    int borderWidth = 1;           // btnbw, 0 … 15
    ButtonStyle buttonStyle = ButtonStyle::Normal;
    ButtonEffect buttonEffect = ButtonEffect::Shadow;
    FontEffect buttonFontEffect = FontEffect::Sunken;
    bool buttonBold = false;

    // The three list boxes
    QColor categoryBox{Qt::white};     // boxc_c
    QColor categoryBoxFont{Qt::black}; // boxc_fc
    QColor filesBox{Qt::white};        // boxf_c
    QColor filesBoxFont{Qt::black};    // boxf_fc
    QColor detailsBox{Qt::white};      // boxd_c
    BoxFill categoryBoxFill = BoxFill::None;
    BoxFill filesBoxFill = BoxFill::None;
    BoxFill detailsBoxFill = BoxFill::None;

    // Fonts: heading (fuc), detail label (fduc), detail value (fdnc)
    QColor headingFont{Qt::black};
    QColor labelFont{Qt::black};
    QColor valueFont{Qt::black};
    bool headingBold = true;
    bool labelBold = true;
    bool valueBold = false;
    FontEffect headingEffect = FontEffect::Sunken;
    FontEffect labelEffect = FontEffect::Sunken;
    FontEffect valueEffect = FontEffect::None;

    // Background
    QColor backStart{Qt::black}; // bc
    QColor backEnd{Qt::black};   // bec
    TileMode tileMode = TileMode::Tile;

    // The menu's own texts: 0 English, 1 German; 0 lower-case, 1 normal.
    int language = 0;
    int style = 0;

    Marks marks;
    bool modified = false;

    bool operator==(const DesignModel&) const = default;
};

namespace designfile {

QString filter();
QString defaultSuffix();
// Where the design dialogs start: "menudesign" in the program folder.
QString startFolder(const QString& programFolder);
// The design of a project that names none; Save never writes it.
QString standardFile(const QString& programFolder);
bool isStandardFile(const QString& path, const QString& programFolder);
// The disc icon the editor shows for a design without one.
QString defaultDiscIcon(const QString& programFolder);

// A medium's name as the design file stores it beside the full path: the file name without its
// folder, cut before the first dot, with the extension from the last dot ("my.pic.bmp" -> "my.bmp").
QString aloneName(const QString& path);

// A design's medium is never larger: a picture or a sound of a menu, not a disk image.
inline constexpr qint64 kMaxMediumBytes = 64LL * 1024 * 1024;

// Whether a file may serve as a design's medium and be copied with it: a regular file (a link to
// one counts) that is not empty and holds at most kMaxMediumBytes.
bool isUsableMedium(const QString& path);

// Whether a file named by a design file may be taken as its medium: a usable medium inside the
// design's own folder or the program folder's "back" or "Sounds" folder. A shared design file
// must not carry other files of the user (keys, mail, documents) into its folder or onto a disc.
bool isAllowedMedium(const QString& path, const QString& designFolder, const QString& programFolder);

// Reads a design into state.design and the media holders, and makes the file the project's design
// file. Media are found beside the design first (bitmaps) or at their stored path first (sounds),
// only where isAllowedMedium() lets them be. A missing or unreadable file gives the defaults; a
// value outside its set keeps the model's value. Returns the media the file names that exist but
// were refused, as the file names them.
QStringList load(EditorState& state, const QString& file);

// Writes the design as a new file holding every key (no stale keys survive), makes it the project's
// design file and clears the design's modified flag. False when the file could not be written.
bool write(EditorState& state, const QString& file);

// What saving a design did besides writing it.
struct SaveResult {
    QString written;       // the design file; empty when it could not be written
    QStringList notCopied; // media that did not reach the design's folder (their source paths)
    QStringList renamed;   // media stored under another name than their own: "source -> name"
};

// The design file that a Save As to `chosen` writes: a new name gets a folder of its own
// (D/Blue.lbd -> D/Blue/Blue.lbd), an existing design is written where it is.
QString saveTarget(const QString& chosen);

// Makes the design folder self-contained and writes the design there: a new file gets a folder of
// its own, every medium is copied into the folder (its holder then points at the copy), then the
// design is written and the project is marked modified. Two media of the same name
// from different places, and media whose names the file cannot store, get names of their own;
// nothing in the folder that another medium of the design still needs is overwritten. The window
// says what was not copied or was renamed, or M43 when nothing was.
SaveResult saveTo(EditorState& state, const QString& file);

} // namespace designfile
