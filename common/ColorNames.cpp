#include "ColorNames.h"

#include <array>

namespace common {
namespace {

struct NamedColor {
    const char16_t* name;
    QRgb rgb;
};

constexpr std::array<NamedColor, 16> kColors = {{
    {u"clBlack", qRgb(0, 0, 0)},        {u"clMaroon", qRgb(128, 0, 0)},   {u"clGreen", qRgb(0, 128, 0)},
    {u"clOlive", qRgb(128, 128, 0)},    {u"clNavy", qRgb(0, 0, 128)},     {u"clPurple", qRgb(128, 0, 128)},
    {u"clTeal", qRgb(0, 128, 128)},     {u"clGray", qRgb(128, 128, 128)}, {u"clSilver", qRgb(192, 192, 192)},
    {u"clRed", qRgb(255, 0, 0)},        {u"clLime", qRgb(0, 255, 0)},     {u"clYellow", qRgb(255, 255, 0)},
    {u"clBlue", qRgb(0, 0, 255)},       {u"clFuchsia", qRgb(255, 0, 255)}, {u"clAqua", qRgb(0, 255, 255)},
    {u"clWhite", qRgb(255, 255, 255)},
}};

} // namespace

std::optional<QColor> colorFromName(QStringView name) {
    for (const NamedColor& c : kColors) {
        if (name == QStringView(c.name))
            return QColor::fromRgb(c.rgb);
    }
    return std::nullopt;
}

QColor colorFromNameOrWhite(QStringView name) { return colorFromName(name).value_or(QColor(Qt::white)); }

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

} // namespace common
