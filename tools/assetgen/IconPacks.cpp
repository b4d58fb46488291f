#include "tools/assetgen/IconPacks.h"

#include "tools/assetgen/Encode.h"
#include "tools/assetgen/Paint.h"
#include "tools/assetgen/Symbols.h"

#include <QPainter>

namespace assetgen {
namespace {

constexpr Symbol kPackSymbols[] = {
    Symbol::Disc,    Symbol::Gamepad, Symbol::Wrench,    Symbol::Note,   Symbol::Film,   Symbol::Document,
    Symbol::Picture, Symbol::Globe,   Symbol::Gear,      Symbol::Star,   Symbol::Heart,  Symbol::Folder,
    Symbol::Floppy,  Symbol::Monitor, Symbol::Printer,   Symbol::Book,   Symbol::Camera, Symbol::Key,
    Symbol::Lock,    Symbol::Shield,  Symbol::Lightning, Symbol::Puzzle, Symbol::Trophy, Symbol::Rocket,
};

void drawFlat(QPainter& p, Symbol symbol) {
    const QColor tint = symbolColour(symbol);
    fillShape(p, symbolIn(symbol, {2, 2, 28, 28}), tint, tint.darker(125), 0.6);
}

void drawFramed(QPainter& p, Symbol symbol) {
    const QColor tint = symbolColour(symbol);
    // An opaque pale tile, so that the symbol reads the same on any background.
    fillShape(p, roundedRect({2.5, 2.5, 27, 27}, 6.5), mix(colour::paper, tint, 0.14), tint, 1.5);
    p.fillPath(symbolIn(symbol, {6.5, 6.5, 19, 19}), tint.darker(110));
}

void drawBadge(QPainter& p, Symbol symbol) {
    const QColor tint = symbolColour(symbol);
    fillShape(p, circle({16, 16}, 14.5), tint, tint.darker(125));
    p.fillPath(symbolIn(symbol, {7, 7, 18, 18}), colour::paper);
}

} // namespace

QList<Asset> iconPacks() {
    void (*const styles[])(QPainter&, Symbol) = {drawFlat, drawFramed, drawBadge};
    QList<Asset> assets;
    int pack = 1;
    for (const auto style : styles) {
        const QString name = QStringLiteral("ip%1").arg(pack++, 2, 10, QLatin1Char('0'));
        const qsizetype count = std::size(kPackSymbols);
        // The editor reads the pack file as a Windows INI file: CR LF line ends.
        assets.append({QStringLiteral("ip/%1.cfg").arg(name),
                       QStringLiteral("[general]\r\nanz_icons=%1\r\n").arg(count).toLatin1()});
        for (qsizetype i = 0; i < count; ++i) {
            const QImage icon = renderIcon(32, [&](QPainter& p) { style(p, kPackSymbols[i]); });
            assets.append({QStringLiteral("ip/%1/%1i%2.ico").arg(name).arg(i + 1, 2, 10, QLatin1Char('0')),
                           icoFile({icon})});
        }
    }
    return assets;
}

} // namespace assetgen
