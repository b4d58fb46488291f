#pragma once

#include <QColor>
#include <QComboBox>

namespace ui {

// A list of the sixteen named colours of design and settings files, each with a swatch; with
// names shown, the swatch stands beside its name.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);

    // A colour outside the sixteen selects the first.
    void setColor(const QColor& color);
    QColor color() const;
    void setNamesShown(bool shown);

Q_SIGNALS:
    void colorChanged(const QColor& color);
};

} // namespace ui
