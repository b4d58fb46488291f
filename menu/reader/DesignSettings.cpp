#include "menu/reader/DesignSettings.h"

#include "common/ColorNames.h"
#include "common/DesignKeys.h"
#include "common/IniFile.h"

namespace menu {
namespace {

using designkeys::Key;
namespace keys = designkeys;

QString readString(const common::IniFile& ini, Key key, const QString& def) {
    return ini.readString(key.section, key.name, def);
}

int readInteger(const common::IniFile& ini, Key key, int def) {
    return ini.readInteger(key.section, key.name, def);
}

QColor readColor(const common::IniFile& ini, Key key, const QString& def) {
    return designColor(readString(ini, key, def));
}

bool readBold(const common::IniFile& ini, Key key, const QString& def) {
    return readString(ini, key, def) == u"bold";
}

TextEffect readEffect(const common::IniFile& ini, Key key, const QString& def) {
    return textEffectFromWord(readString(ini, key, def));
}

BoxFill readFill(const common::IniFile& ini, Key key) {
    switch (readInteger(ini, key, 0)) {
    case 1:
        return BoxFill::BackgroundBitmap;
    case 2:
        return BoxFill::ButtonBitmap;
    default:
        return BoxFill::Color;
    }
}

} // namespace

QColor designColor(const QString& name) {
    return common::colorFromNameOrWhite(name);
}

TextEffect textEffectFromWord(const QString& word) {
    if (word == u"tdRaised")
        return TextEffect::Raised;
    if (word == u"tdSunken")
        return TextEffect::Sunken;
    if (word == u"tdShadow")
        return TextEffect::Shadow;
    if (word == u"tdRaisedShadow")
        return TextEffect::RaisedShadow;
    if (word == u"tdSunkenShadow")
        return TextEffect::SunkenShadow;
    return TextEffect::None;
}

SplashSettings readSplashSettings(const common::IniFile& design) {
    SplashSettings s;
    s.enabled = readInteger(design, keys::kSplashEnabled, 0) != 0;
    s.height = readInteger(design, keys::kSplashHeight, 0);
    s.width = readInteger(design, keys::kSplashWidth, 0);
    s.frameColor = readColor(design, keys::kSplashFrameColor, QStringLiteral("clWhite"));
    s.frameWidth = readInteger(design, keys::kSplashFrameWidth, 1);
    s.displayMs = readInteger(design, keys::kSplashDelay, 1000);
    return s;
}

DesignSettings readDesignSettings(const common::IniFile& ini) {
    DesignSettings d;
    const QString designMode = readString(ini, keys::kDesignMode, QStringLiteral("band"));
    d.designMode = designMode == u"band"  ? DesignMode::Band
                   : designMode == u"bmp" ? DesignMode::Bitmap
                                          : DesignMode::Other;
    const QString buttonMode = readString(ini, keys::kButtonMode, QStringLiteral("band"));
    d.buttonMode = buttonMode == u"band"    ? ButtonMode::Band
                   : buttonMode == u"bmp"   ? ButtonMode::Bitmap
                   : buttonMode == u"trans" ? ButtonMode::Transparent
                                            : ButtonMode::Other;

    const QString black = QStringLiteral("clBlack");
    const QString white = QStringLiteral("clWhite");
    d.buttonStart = readColor(ini, keys::kButtonStart, black);
    d.buttonEnd = readColor(ini, keys::kButtonEnd, black);
    d.buttonText = readColor(ini, keys::kButtonFont, black);
    d.buttonShadowDepth = readInteger(ini, keys::kShadowDepth, 5);
    d.buttonBevelWidth = readInteger(ini, keys::kBorderWidth, 1);
    const QString style = readString(ini, keys::kButtonStyle, QStringLiteral("sbNormal"));
    d.bevelStyle = style == u"sbInset"    ? BevelStyle::Inset
                   : style == u"sbOffset" ? BevelStyle::Offset
                                          : BevelStyle::Normal;
    d.buttonShape = readString(ini, keys::kButtonEffect, QStringLiteral("sbsShadow")) == u"sbs3D"
                        ? ButtonShape::ThreeD
                        : ButtonShape::Shadow;
    d.buttonEffect = readEffect(ini, keys::kButtonFontEffect, QStringLiteral("tdSunken"));
    d.buttonBold = readBold(ini, keys::kButtonFontFormat, QStringLiteral("normal"));

    d.categoryBox = {readColor(ini, keys::kCategoryBox, white), readFill(ini, keys::kCategoryBoxFill),
                     readColor(ini, keys::kCategoryBoxFont, black)};
    d.itemBox = {readColor(ini, keys::kFilesBox, white), readFill(ini, keys::kFilesBoxFill),
                 readColor(ini, keys::kFilesBoxFont, black)};
    d.detailsBox = {readColor(ini, keys::kDetailsBox, white), readFill(ini, keys::kDetailsBoxFill),
                    QColor(Qt::black)};

    d.headings = {readColor(ini, keys::kHeadingFont, black),
                  readBold(ini, keys::kHeadingFormat, QStringLiteral("bold")),
                  readEffect(ini, keys::kHeadingEffect, QStringLiteral("tdSunken"))};
    d.detailLabels = {readColor(ini, keys::kLabelFont, black),
                      readBold(ini, keys::kLabelFormat, QStringLiteral("bold")),
                      readEffect(ini, keys::kLabelEffect, QStringLiteral("tdSunken"))};
    d.detailValues = {readColor(ini, keys::kValueFont, black),
                      readBold(ini, keys::kValueFormat, QStringLiteral("normal")),
                      readEffect(ini, keys::kValueEffect, QStringLiteral("tdNone"))};

    d.backStart = readColor(ini, keys::kBackStart, black);
    d.backEnd = readColor(ini, keys::kBackEnd, black);
    const QString tile = readString(ini, keys::kTileMode, QStringLiteral("tmtile")).toLower();
    d.tileMode = tile == u"tmtile"      ? TileMode::Tile
                 : tile == u"tmcenter"  ? TileMode::Center
                 : tile == u"tmstretch" ? TileMode::Stretch
                                        : TileMode::None;

    for (int n = 0; n < 5; ++n)
        d.sounds[n] = !readString(ini, keys::kSounds[n], {}).isEmpty();

    d.splash = readSplashSettings(ini);
    return d;
}

} // namespace menu
