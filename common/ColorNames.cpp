#include "common/ColorNames.h"

#include <array>

namespace common {
namespace {

struct NamedColor {
    const char16_t* name;
    QRgb rgb;
    const char16_t* english;
    const char16_t* german;
};

constexpr std::array<NamedColor, 16> kColors = {{
    {u"clBlack", qRgb(0, 0, 0), u"Black", u"Schwarz"},
    {u"clMaroon", qRgb(128, 0, 0), u"Maroon", u"Kastanienbraun"},
    {u"clGreen", qRgb(0, 128, 0), u"Green", u"Gr\u00fcn"},
    {u"clOlive", qRgb(128, 128, 0), u"Olive", u"Oliv"},
    {u"clNavy", qRgb(0, 0, 128), u"Navy", u"Marineblau"},
    {u"clPurple", qRgb(128, 0, 128), u"Purple", u"Violett"},
    {u"clTeal", qRgb(0, 128, 128), u"Teal", u"Blaugr\u00fcn"},
    {u"clGray", qRgb(128, 128, 128), u"Gray", u"Grau"},
    {u"clSilver", qRgb(192, 192, 192), u"Silver", u"Silber"},
    {u"clRed", qRgb(255, 0, 0), u"Red", u"Rot"},
    {u"clLime", qRgb(0, 255, 0), u"Lime", u"Hellgr\u00fcn"},
    {u"clYellow", qRgb(255, 255, 0), u"Yellow", u"Gelb"},
    {u"clBlue", qRgb(0, 0, 255), u"Blue", u"Blau"},
    {u"clFuchsia", qRgb(255, 0, 255), u"Fuchsia", u"Magenta"},
    {u"clAqua", qRgb(0, 255, 255), u"Aqua", u"T\u00fcrkis"},
    {u"clWhite", qRgb(255, 255, 255), u"White", u"Wei\u00df"},
}};

} // namespace

std::optional<QColor> colorFromName(QStringView name) {
    for (const NamedColor& c : kColors) {
        if (name == QStringView(c.name))
            return QColor::fromRgb(c.rgb);
    }
    return std::nullopt;
}

QColor colorFromNameOrWhite(QStringView name) {
    return colorFromName(name).value_or(QColor(Qt::white));
}

std::optional<QString> nameOfColor(const QColor& color) {
    if (!color.isValid()) // an unset colour reads as black, but it is none of the sixteen
        return std::nullopt;
    const QRgb rgb = color.rgb() & RGB_MASK;
    for (const NamedColor& c : kColors) {
        if ((c.rgb & RGB_MASK) == rgb)
            return QString::fromUtf16(c.name);
    }
    return std::nullopt;
}

QStringList colorNames() {
    QStringList names;
    for (const NamedColor& c : kColors)
        names.append(QString::fromUtf16(c.name));
    return names;
}

QString colorDisplayName(QStringView storedName, ColorLanguage language) {
    for (const NamedColor& c : kColors) {
        if (storedName == QStringView(c.name))
            return QString::fromUtf16(language == ColorLanguage::German ? c.german : c.english);
    }
    return storedName.toString();
}

} // namespace common
