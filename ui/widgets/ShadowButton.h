#pragma once

#include "ui/widgets/Backdrop.h"
#include "ui/widgets/TextEffect.h"

#include <QAbstractButton>

namespace ui {

// A flat push button in the style of disc menus: its face filled with a gradient, a bitmap, a
// solid colour or nothing; a bevel of some width around it; and below it either a drop shadow or
// solid three-dimensional sides of some depth. Pressed, the face sinks onto its shadow.
class ShadowButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Bevel { Normal, Inset, Offset };
    enum class Shape { Shadow, ThreeD };
    enum class Arrow { None, Left, Right, Up, Down };

    explicit ShadowButton(QWidget* parent = nullptr);
    ShadowButton(const QString& text, QWidget* parent = nullptr);

    // Only Nothing, Solid, Gradient and tiled Bitmap faces are meaningful.
    void setFace(const Backdrop& face);
    const Backdrop& face() const { return m_face; }

    void setTextColor(const QColor& color);
    const QColor& textColor() const { return m_textColor; }
    void setTextEffect(TextEffect effect);
    TextEffect textEffect() const { return m_effect; }
    void setBold(bool bold);
    bool isBold() const { return font().bold(); }

    void setBevelWidth(int width);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevel(Bevel bevel);
    Bevel bevel() const { return m_bevel; }
    void setShadowDepth(int depth);
    int shadowDepth() const { return m_shadowDepth; }
    void setShape(Shape shape);
    Shape shape() const { return m_shape; }

    // An arrow drawn in the text colour instead of the caption.
    void setArrow(Arrow arrow);
    Arrow arrow() const { return m_arrow; }

    QSize sizeHint() const override;
    // The width left for the caption inside the bevel and the text effect.
    int captionRoom() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintFocusFrame(QPainter& p, const QRect& content) const;
    void paintBevel(QPainter& p, QRect r, int width, bool raised) const;
    void paintArrow(QPainter& p, const QRect& r) const;
    QRect restingFace() const;
    int bevelInset() const { return m_bevelWidth + (m_bevel == Bevel::Normal ? 1 : 2); }

    Backdrop m_face = Backdrop::gradient(Qt::lightGray, Qt::gray);
    QColor m_textColor = Qt::black;
    TextEffect m_effect = TextEffect::None;
    int m_bevelWidth = 1;
    Bevel m_bevel = Bevel::Normal;
    int m_shadowDepth = 0;
    Shape m_shape = Shape::Shadow;
    Arrow m_arrow = Arrow::None;
};

} // namespace ui
