#pragma once

#include "ui/widgets/TextEffect.h"

#include <QWidget>

namespace ui {

// A caption drawn with one of the six text effects on a transparent background. A single-line
// label cuts a text too long for it with an ellipsis; text() is always the whole text. As a link
// it is underlined, shows a hand and reports clicks.
class EffectLabel : public QWidget {
    Q_OBJECT
public:
    explicit EffectLabel(QWidget* parent = nullptr);
    EffectLabel(const QString& text, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text);

    const QColor& color() const { return m_color; }
    void setColor(const QColor& color);
    bool isBold() const { return font().bold(); }
    void setBold(bool bold);
    TextEffect effect() const { return m_effect; }
    void setEffect(TextEffect effect);

    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }
    void setWordWrap(bool wrap);
    bool wordWrap() const { return m_wordWrap; }

    void setLink(bool link);
    bool isLink() const { return m_link; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // A wrapped label is as high as its lines at the given width.
    bool hasHeightForWidth() const override { return m_wordWrap; }
    int heightForWidth(int width) const override;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_text;
    QColor m_color = Qt::black;
    TextEffect m_effect = TextEffect::None;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = false;
    bool m_link = false;
};

} // namespace ui
