#pragma once

#include <QColor>
#include <QPainterPath>

// One-colour symbols, as outlines on a 24-unit grid, from which the icon packs and the category
// icons are drawn in their different styles.
namespace assetgen {

enum class Symbol {
    Disc,
    Gamepad,
    Wrench,
    Note,
    Film,
    Document,
    Picture,
    Globe,
    Gear,
    Star,
    Heart,
    Folder,
    Floppy,
    Monitor,
    Printer,
    Book,
    Camera,
    Key,
    Lock,
    Shield,
    Lightning,
    Puzzle,
    Trophy,
    Rocket,
    Window,
    Chip,
    Play,
    Shapes,
};

inline constexpr int kSymbolGrid = 24;

QPainterPath symbolPath(Symbol symbol);

// The colour that the symbol wears wherever it is drawn in colour.
QColor symbolColour(Symbol symbol);

// The symbol's outline scaled from its grid into a rectangle.
QPainterPath symbolIn(Symbol symbol, const QRectF& rect);

} // namespace assetgen
