#include "editor/disc/web/WebMenuStyle.h"

#include <QColor>
#include <QString>

namespace webmenu {
namespace {

using Model = DesignModel;

// The shades of the menu program's text effects.
constexpr QLatin1StringView kHighlight("#ffffff");
constexpr QLatin1StringView kShade("#808080");
constexpr QLatin1StringView kDropShadow("rgba(0,0,0,0.47)");

QString css(const QColor& c) {
    return c.isValid() ? c.name() : QStringLiteral("#000000");
}

// The menu program paints the effect's shades first and the text on top; the first shadow of a
// stylesheet lies on top, so they are listed the other way round.
QString textShadow(Model::FontEffect effect) {
    const QString raised = QStringLiteral("1px 1px 0 %1, -1px -1px 0 %2").arg(kShade, kHighlight);
    const QString sunken = QStringLiteral("1px 1px 0 %1, -1px -1px 0 %2").arg(kHighlight, kShade);
    const QString drop = QStringLiteral("%1px %1px 0 %2");
    switch (effect) {
    case Model::FontEffect::None:
        return QStringLiteral("none");
    case Model::FontEffect::Raised:
        return raised;
    case Model::FontEffect::Sunken:
        return sunken;
    case Model::FontEffect::Shadow:
        return drop.arg(2).arg(kDropShadow);
    case Model::FontEffect::RaisedShadow:
        return raised + QStringLiteral(", ") + drop.arg(3).arg(kDropShadow);
    case Model::FontEffect::SunkenShadow:
        return sunken + QStringLiteral(", ") + drop.arg(3).arg(kDropShadow);
    }
    return QStringLiteral("none");
}

QString textRule(const QString& selector, const QColor& color, bool bold, Model::FontEffect effect) {
    return QStringLiteral("%1{color:%2;font-weight:%3;text-shadow:%4}\n")
        .arg(selector, css(color), bold ? QStringLiteral("bold") : QStringLiteral("normal"),
             textShadow(effect));
}

QString placement(Model::TileMode mode) {
    switch (mode) {
    case Model::TileMode::Tile:
        return QStringLiteral("background-repeat:repeat");
    case Model::TileMode::Center:
        return QStringLiteral("background-repeat:no-repeat;background-position:center");
    case Model::TileMode::Stretch:
        return QStringLiteral("background-repeat:no-repeat;background-size:100% 100%");
    case Model::TileMode::None:
        break;
    }
    return QStringLiteral("background-repeat:no-repeat;background-position:left top");
}

// A box in its colour, or tiled with one of the design's bitmaps where the design has it.
QString boxRule(const QString& selector, const QColor& color, Model::BoxFill fill, const QColor& text,
                const DesignPictures& pictures) {
    QString background = QStringLiteral("background:%1").arg(css(color));
    if (fill == Model::BoxFill::BackgroundBitmap && pictures.background)
        background = QStringLiteral("background:%1 url(back.png) repeat").arg(css(color));
    else if (fill == Model::BoxFill::ButtonBitmap && pictures.button)
        background = QStringLiteral("background:%1 url(button.png) repeat").arg(css(color));
    return QStringLiteral("%1{%2;border-color:%3;color:%4}\n")
        .arg(selector, background, css(color), css(text));
}

QString pageBackground(const Model& d, const DesignPictures& pictures) {
    if (d.designMode == Model::DesignMode::Bmp && pictures.background)
        return QStringLiteral("html{background:%1 url(back.png) fixed;%2}\n")
            .arg(css(d.backStart), placement(d.tileMode));
    // The menu program's gradient runs from top to bottom of its window.
    return QStringLiteral("html{background:%1 linear-gradient(%1,%2) fixed;min-height:100%}\n")
        .arg(css(d.backStart), css(d.backEnd));
}

QString buttonRule(const Model& d, const DesignPictures& pictures) {
    QString face;
    switch (d.buttonMode) {
    case Model::ButtonMode::Band:
        face = QStringLiteral("background:linear-gradient(%1,%2)").arg(css(d.buttonStart), css(d.buttonEnd));
        break;
    case Model::ButtonMode::Bmp:
        face = pictures.button ? QStringLiteral("background:url(button.png) repeat")
                               : QStringLiteral("background:%1").arg(css(d.buttonStart));
        break;
    case Model::ButtonMode::Trans:
        face = QStringLiteral("background:transparent");
        break;
    }
    const QString border = d.buttonStyle == Model::ButtonStyle::Inset    ? QStringLiteral("inset")
                           : d.buttonStyle == Model::ButtonStyle::Offset ? QStringLiteral("ridge")
                                                                         : QStringLiteral("outset");
    const QString shadow = d.buttonEffect == Model::ButtonEffect::Shadow
                               ? QStringLiteral("%1px %1px 0 %2").arg(d.shadowDepth).arg(kDropShadow)
                               : QStringLiteral("none");
    return QStringLiteral(".button{%1;border:%2px %3 %4;box-shadow:%5}\n")
               .arg(face)
               .arg(std::max(1, d.borderWidth))
               .arg(border, css(d.buttonStart), shadow) +
           textRule(QStringLiteral(".button"), d.buttonFont, d.buttonBold, d.buttonFontEffect);
}

QString splashRule(const Model& d, const DesignPictures& pictures) {
    if (!pictures.splash)
        return QStringLiteral("#splash{display:none}\n");
    return QStringLiteral("#splash img{border:%1px solid %2}\n"
                          "#splash{animation:splash-fade 0.6s ease-in %3ms forwards}\n")
        .arg(d.splashFrameWidth)
        .arg(css(d.splashFrameColor))
        .arg(pictures.splashMilliseconds);
}

} // namespace

QByteArray designStyle(const DesignModel& d, const DesignPictures& pictures) {
    QString out = QStringLiteral("/* The disc's design */\n");
    out += pageBackground(d, pictures);
    out +=
        boxRule(QStringLiteral(".categories"), d.categoryBox, d.categoryBoxFill, d.categoryBoxFont, pictures);
    out += boxRule(QStringLiteral(".items"), d.filesBox, d.filesBoxFill, d.filesBoxFont, pictures);
    out += boxRule(QStringLiteral(".details"), d.detailsBox, d.detailsBoxFill, d.valueFont, pictures);
    // Headings lie on the background, as in the menu program; inside the details box the labels'
    // look serves the headings of the text and the screenshot.
    out += textRule(QStringLiteral("h1,h2"), d.headingFont, d.headingBold, d.headingEffect);
    out += textRule(QStringLiteral(".details dt,.details h3"), d.labelFont, d.labelBold, d.labelEffect);
    out += textRule(QStringLiteral(".details dd,.details dd a"), d.valueFont, d.valueBold, d.valueEffect);
    out += QStringLiteral("a:focus-visible{outline:2px solid %1}\n").arg(css(d.headingFont));
    out += buttonRule(d, pictures);
    out += splashRule(d, pictures);
    return out.toUtf8();
}

} // namespace webmenu
