#include "menu/reader/DesignSettings.h"

#include "common/ColorNames.h"
#include "common/IniFile.h"

namespace menu {
namespace {

QColor readColor(const common::IniFile& ini, QStringView section, QStringView key, const QString& def) {
    return designColor(ini.readString(section, key, def));
}

bool readBold(const common::IniFile& ini, QStringView section, QStringView key, const QString& def) {
    return ini.readString(section, key, def) == u"bold";
}

TextEffect readEffect(const common::IniFile& ini, QStringView section, QStringView key, const QString& def) {
    return textEffectFromWord(ini.readString(section, key, def));
}

BoxFill readFill(const common::IniFile& ini, QStringView key) {
    switch (ini.readInteger(u"Boxes", key, 0)) {
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
    s.enabled = design.readInteger(u"Splash", u"enabled", 0) != 0;
    s.height = design.readInteger(u"Splash", u"height", 0);
    s.width = design.readInteger(u"Splash", u"width", 0);
    s.frameColor = readColor(design, u"Splash", u"fc", QStringLiteral("clWhite"));
    s.frameWidth = design.readInteger(u"Splash", u"fw", 1);
    s.displayMs = design.readInteger(u"Splash", u"d", 1000);
    return s;
}

DesignSettings readDesignSettings(const common::IniFile& ini) {
    DesignSettings d;
    const QString designMode = ini.readString(u"general", u"design_mode", QStringLiteral("band"));
    d.designMode = designMode == u"band"  ? DesignMode::Band
                   : designMode == u"bmp" ? DesignMode::Bitmap
                                          : DesignMode::Other;
    const QString buttonMode = ini.readString(u"general", u"button_mode", QStringLiteral("band"));
    d.buttonMode = buttonMode == u"band"    ? ButtonMode::Band
                   : buttonMode == u"bmp"   ? ButtonMode::Bitmap
                   : buttonMode == u"trans" ? ButtonMode::Transparent
                                            : ButtonMode::Other;

    const QString black = QStringLiteral("clBlack");
    const QString white = QStringLiteral("clWhite");
    d.buttonStart = readColor(ini, u"Buttons", u"btnc", black);
    d.buttonEnd = readColor(ini, u"Buttons", u"btnec", black);
    d.buttonText = readColor(ini, u"Buttons", u"btnFc", black);
    d.buttonShadowDepth = ini.readInteger(u"Buttons", u"btnSd", 5);
    d.buttonBevelWidth = ini.readInteger(u"Buttons", u"btnBw", 1);
    const QString style = ini.readString(u"Buttons", u"style", QStringLiteral("sbNormal"));
    d.bevelStyle = style == u"sbInset"    ? BevelStyle::Inset
                   : style == u"sbOffset" ? BevelStyle::Offset
                                          : BevelStyle::Normal;
    d.buttonShape = ini.readString(u"Buttons", u"effect", QStringLiteral("sbsShadow")) == u"sbs3D"
                        ? ButtonShape::ThreeD
                        : ButtonShape::Shadow;
    d.buttonEffect = readEffect(ini, u"Buttons", u"font_effect", QStringLiteral("tdSunken"));
    d.buttonBold = readBold(ini, u"Buttons", u"font_format", QStringLiteral("normal"));

    d.categoryBox = {readColor(ini, u"Boxes", u"boxc_c", white), readFill(ini, u"boxc_bmp"),
                     readColor(ini, u"Boxes", u"boxc_fc", black)};
    d.itemBox = {readColor(ini, u"Boxes", u"boxf_c", white), readFill(ini, u"boxf_bmp"),
                 readColor(ini, u"Boxes", u"boxf_fc", black)};
    d.detailsBox = {readColor(ini, u"Boxes", u"boxd_c", white), readFill(ini, u"boxd_bmp"),
                    QColor(Qt::black)};

    d.headings = {readColor(ini, u"Fonts", u"fuc", black),
                  readBold(ini, u"Fonts", u"fuc_format", QStringLiteral("bold")),
                  readEffect(ini, u"Fonts", u"fuc_effect", QStringLiteral("tdSunken"))};
    d.detailLabels = {readColor(ini, u"Fonts", u"fduc", black),
                      readBold(ini, u"Fonts", u"fduc_format", QStringLiteral("bold")),
                      readEffect(ini, u"Fonts", u"fduc_effect", QStringLiteral("tdSunken"))};
    d.detailValues = {readColor(ini, u"Fonts", u"fdnc", black),
                      readBold(ini, u"Fonts", u"fdnc_format", QStringLiteral("normal")),
                      readEffect(ini, u"Fonts", u"fdnc_effect", QStringLiteral("tdNone"))};

    d.backStart = readColor(ini, u"Back", u"bc", black);
    d.backEnd = readColor(ini, u"Back", u"bec", black);
    const QString tile = ini.readString(u"Back", u"tile_mode", QStringLiteral("tmtile")).toLower();
    d.tileMode = tile == u"tmtile"      ? TileMode::Tile
                 : tile == u"tmcenter"  ? TileMode::Center
                 : tile == u"tmstretch" ? TileMode::Stretch
                                        : TileMode::None;

    for (int n = 0; n < 5; ++n)
        d.sounds[n] = !ini.readString(u"Sound", QStringLiteral("Sound%1").arg(n + 1)).isEmpty();

    d.splash = readSplashSettings(ini);
    return d;
}

} // namespace menu
