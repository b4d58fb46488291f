#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

class QPainter;

namespace ui {

// How a bitmap covers an area: repeated from the top left, once in the middle, scaled to fill,
// or once at the top left.
enum class Placement { Tile, Center, Stretch, None };

// What lies behind a window, box or button: nothing, a colour, a top-to-bottom gradient or a bitmap.
class Backdrop {
public:
    enum class Kind { Nothing, Solid, Gradient, Bitmap };

    Backdrop() = default;
    // A solid fill, with a one-pixel outline when `outline` is valid.
    static Backdrop solid(const QColor& fill, const QColor& outline = {});
    static Backdrop gradient(const QColor& start, const QColor& end);
    static Backdrop bitmap(const QPixmap& pixmap, Placement placement);

    Kind kind() const { return m_kind; }
    const QColor& start() const { return m_start; }
    const QColor& end() const { return m_end; }
    const QPixmap& pixmap() const { return m_pixmap; }
    Placement placement() const { return m_placement; }

    // Paints into `rect`; tiles start at the rect's top left corner.
    void paint(QPainter& painter, const QRect& rect) const;

private:
    Kind m_kind = Kind::Nothing;
    QColor m_start, m_end, m_outline;
    QPixmap m_pixmap;
    Placement m_placement = Placement::Tile;
};

// A plain area that shows a backdrop; its children lie on top.
class BackdropWidget : public QWidget {
    Q_OBJECT
public:
    explicit BackdropWidget(QWidget* parent = nullptr);

    void setBackdrop(const Backdrop& backdrop);
    const Backdrop& backdrop() const { return m_backdrop; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Backdrop m_backdrop;
};

} // namespace ui
