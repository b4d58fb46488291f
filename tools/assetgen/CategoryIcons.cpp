#include "tools/assetgen/CategoryIcons.h"

#include "tools/assetgen/Encode.h"
#include "tools/assetgen/Paint.h"
#include "tools/assetgen/Symbols.h"

#include <QLinearGradient>
#include <QPainter>

namespace assetgen {

QList<Asset> categoryIcons() {
    const std::pair<Symbol, QColor> categories[] = {
        {Symbol::Window, colour::blue},  {Symbol::Gamepad, colour::purple}, {Symbol::Wrench, colour::orange},
        {Symbol::Film, colour::pink},    {Symbol::Document, colour::sky},   {Symbol::Chip, colour::slate500},
        {Symbol::Globe, colour::teal},   {Symbol::Play, colour::red},       {Symbol::Picture, colour::green},
        {Symbol::Shapes, colour::amber},
    };
    QList<Asset> assets;
    int index = 0;
    for (const auto& [symbol, tint] : categories) {
        // White symbols on coloured tiles: one family, told apart by colour and symbol.
        const QImage icon = renderIcon(32, [symbol, tint](QPainter& p) {
            QLinearGradient fill(0, 1.5, 0, 30.5);
            fill.setColorAt(0, tint.lighter(112));
            fill.setColorAt(1, tint);
            fillShape(p, roundedRect({1.5, 1.5, 29, 29}, 7), fill, tint.darker(125));
            p.fillPath(symbolIn(symbol, {5.5, 5.5, 21, 21}), colour::paper);
        });
        assets.append({QStringLiteral("Files/%1.ico").arg(index++), icoFile({icon})});
    }
    return assets;
}

} // namespace assetgen
