#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace common {
class IniFile;
}

namespace menu {

// The words of the design file that the menu program distinguishes. Words are compared exactly,
// with case; anything else takes the fallback named at each reader.
enum class DesignMode { Band, Bitmap, Other };
enum class ButtonMode { Band, Bitmap, Transparent, Other };
enum class BevelStyle { Normal, Inset, Offset };
enum class ButtonShape { Shadow, ThreeD };
enum class TextEffect { None, Raised, Sunken, Shadow, RaisedShadow, SunkenShadow };
enum class TileMode { Tile, Center, None, Stretch };

// How a box is filled: its colour, the background bitmap or the button bitmap.
enum class BoxFill { Color = 0, BackgroundBitmap = 1, ButtonBitmap = 2 };

struct FontStyle {
    QColor color = Qt::black;
    bool bold = false;
    TextEffect effect = TextEffect::None;
};

struct BoxStyle {
    QColor color = Qt::white;
    BoxFill fill = BoxFill::Color;
    QColor textColor = Qt::black; // not used by the details box
};

struct SplashSettings {
    bool enabled = false;
    int height = 0;
    int width = 0;
    QColor frameColor = Qt::white;
    int frameWidth = 1;
    int displayMs = 1000;
};

// Everything the menu program takes from cfg\design.cfg, with the defaults of a missing key.
struct DesignSettings {
    DesignMode designMode = DesignMode::Band;
    ButtonMode buttonMode = ButtonMode::Band;

    QColor buttonStart = Qt::black, buttonEnd = Qt::black, buttonText = Qt::black;
    int buttonShadowDepth = 5;
    int buttonBevelWidth = 1;
    BevelStyle bevelStyle = BevelStyle::Normal;
    ButtonShape buttonShape = ButtonShape::Shadow;
    TextEffect buttonEffect = TextEffect::Sunken;
    bool buttonBold = false;

    BoxStyle categoryBox, itemBox, detailsBox;

    FontStyle headings{Qt::black, true, TextEffect::Sunken};     // fuc
    FontStyle detailLabels{Qt::black, true, TextEffect::Sunken}; // fduc
    FontStyle detailValues{Qt::black, false, TextEffect::None};  // fdnc

    QColor backStart = Qt::black, backEnd = Qt::black;
    TileMode tileMode = TileMode::Tile;

    // Sound n (1 to 5) is to be played when its key is set; index 0 is sound 1.
    std::array<bool, 5> sounds{};

    SplashSettings splash;
};

// A colour name of the design file; a name outside the sixteen reads as white, as in the editor.
QColor designColor(const QString& name);
TextEffect textEffectFromWord(const QString& word); // unknown: None

// Section "Splash" alone: read before anything else, while the window is created.
SplashSettings readSplashSettings(const common::IniFile& design);
DesignSettings readDesignSettings(const common::IniFile& design);

} // namespace menu
