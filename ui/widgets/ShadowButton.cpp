#include "ui/widgets/ShadowButton.h"

#include "ui/widgets/CaptionFit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace ui {
namespace {

constexpr int kMaxDepth = 64;
const QColor kBevelLight(255, 255, 255, 200);
const QColor kBevelDark(0, 0, 0, 170);
const QColor kShadow(0, 0, 0, 110);

} // namespace

ShadowButton::ShadowButton(QWidget* parent) : QAbstractButton(parent) {
    // Tab reaches it; a click leaves the focus where the user had it (in a list, say).
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

ShadowButton::ShadowButton(const QString& text, QWidget* parent) : ShadowButton(parent) {
    setText(text);
}

void ShadowButton::setFace(const Backdrop& face) {
    m_face = face;
    update();
}

void ShadowButton::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void ShadowButton::setTextEffect(TextEffect effect) {
    m_effect = effect;
    update();
}

void ShadowButton::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    update();
}

void ShadowButton::setBevelWidth(int width) {
    m_bevelWidth = std::clamp(width, 0, kMaxDepth);
    update();
}

void ShadowButton::setBevel(Bevel bevel) {
    m_bevel = bevel;
    update();
}

void ShadowButton::setShadowDepth(int depth) {
    m_shadowDepth = std::clamp(depth, 0, kMaxDepth);
    update();
}

void ShadowButton::setShape(Shape shape) {
    m_shape = shape;
    update();
}

void ShadowButton::setArrow(Arrow arrow) {
    m_arrow = arrow;
    update();
}

QSize ShadowButton::sizeHint() const {
    const QFontMetrics fm(font());
    const int extra = 2 * m_bevelWidth + m_shadowDepth + 2 * effectMargin(m_effect) + 12;
    return QSize(fm.horizontalAdvance(text()) + extra, fm.height() + extra);
}

QRect ShadowButton::restingFace() const {
    const int depth = std::min({m_shadowDepth, width() / 3, height() / 3});
    return QRect(0, 0, width() - depth, height() - depth);
}

int ShadowButton::captionRoom() const {
    return restingFace().width() - 2 * bevelInset() - 2 * effectMargin(m_effect);
}

void ShadowButton::paintBevel(QPainter& p, QRect r, int width, bool raised) const {
    const QColor topLeft = raised ? kBevelLight : kBevelDark;
    const QColor bottomRight = raised ? kBevelDark : kBevelLight;
    for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

void ShadowButton::paintArrow(QPainter& p, const QRect& r) const {
    const int s = std::max(2, std::min(r.width(), r.height()) / 4);
    const QPointF c = QRectF(r).center();
    QPolygonF tri;
    switch (m_arrow) {
    case Arrow::Left:
        tri << QPointF(c.x() - s, c.y()) << QPointF(c.x() + s / 2.0, c.y() - s)
            << QPointF(c.x() + s / 2.0, c.y() + s);
        break;
    case Arrow::Right:
        tri << QPointF(c.x() + s, c.y()) << QPointF(c.x() - s / 2.0, c.y() - s)
            << QPointF(c.x() - s / 2.0, c.y() + s);
        break;
    case Arrow::Up:
        tri << QPointF(c.x(), c.y() - s) << QPointF(c.x() - s, c.y() + s / 2.0)
            << QPointF(c.x() + s, c.y() + s / 2.0);
        break;
    case Arrow::Down:
        tri << QPointF(c.x(), c.y() + s) << QPointF(c.x() - s, c.y() - s / 2.0)
            << QPointF(c.x() + s, c.y() - s / 2.0);
        break;
    case Arrow::None:
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Engraved, so that the arrow shows even in the colour of its face.
    p.setBrush(kBevelLight);
    p.drawPolygon(tri.translated(1, 1));
    p.setBrush(isEnabled() ? m_textColor : QColor(128, 128, 128));
    p.drawPolygon(tri);
    p.restore();
}

void ShadowButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int depth = std::min({m_shadowDepth, width() / 3, height() / 3});
    const bool down = isDown() || isChecked();
    const QRect resting = restingFace();
    // Pressed, the face slides onto its shadow (by one pixel when there is none).
    const int push = down ? std::max(depth, 1) : 0;
    const QRect face = resting.translated(push, push).intersected(rect());

    if (depth > 0 && !down) {
        if (m_shape == Shape::Shadow) {
            QPainterPath shadow;
            shadow.addRect(resting.translated(depth, depth));
            QPainterPath faceArea;
            faceArea.addRect(face);
            p.fillPath(shadow.subtracted(faceArea), kShadow);
        } else {
            // Solid sides joining the face to where it would lie when pressed.
            const QColor side =
                (m_face.kind() == Backdrop::Kind::Gradient || m_face.kind() == Backdrop::Kind::Solid)
                    ? m_face.end().darker(220)
                    : QColor(40, 40, 40);
            const QPointF tr = face.topRight() + QPointF(1, 0), br = face.bottomRight() + QPointF(1, 1),
                          bl = face.bottomLeft() + QPointF(0, 1);
            QPolygonF right{tr, tr + QPointF(depth, depth), br + QPointF(depth, depth), br};
            QPolygonF bottom{bl, br, br + QPointF(depth, depth), bl + QPointF(depth, depth)};
            p.setPen(Qt::NoPen);
            p.setBrush(side);
            p.drawPolygon(right);
            p.setBrush(side.darker(130));
            p.drawPolygon(bottom);
        }
    }

    m_face.paint(p, face);
    if (m_face.kind() != Backdrop::Kind::Nothing && underMouse() && isEnabled() && !down)
        p.fillRect(face, QColor(255, 255, 255, 28));

    switch (m_bevel) {
    case Bevel::Normal:
        paintBevel(p, face, m_bevelWidth, !down);
        break;
    case Bevel::Inset: {
        // The face set into a sunken groove.
        const int w = m_bevelWidth;
        paintBevel(p, face, w, false);
        paintBevel(p, face.adjusted(w, w, -w, -w), 1, !down);
        break;
    }
    case Bevel::Offset:
        // A dark rim with the raised bevel set in from it.
        p.setPen(QColor(0, 0, 0, 190));
        p.setBrush(Qt::NoBrush);
        p.drawRect(face.adjusted(0, 0, -1, -1));
        paintBevel(p, face.adjusted(2, 2, -2, -2), m_bevelWidth, !down);
        break;
    }

    const int inner = bevelInset();
    const QRect content = face.adjusted(inner, inner, -inner, -inner);
    if (m_arrow != Arrow::None) {
        paintArrow(p, content);
    } else {
        // A caption too wide for the face is drawn smaller rather than cut.
        p.setFont(fittingFont(font(), {text()}, captionRoom()));
        drawEffectText(p, content, Qt::AlignCenter | Qt::TextShowMnemonic, text(), m_textColor, m_effect,
                       isEnabled());
    }
    if (hasFocus())
        paintFocusFrame(p, content);
}

void ShadowButton::paintFocusFrame(QPainter& p, const QRect& content) const {
    // Dotted in the caption's colour, which the design made to read on the face.
    p.setPen(QPen(m_textColor, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(content.adjusted(1, 1, -2, -2));
}

void ShadowButton::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus, as Space does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace ui
