#pragma once

#include "common/ColorNames.h"

#include <QColor>
#include <QComboBox>

namespace ui {

// A list of the sixteen named colours of design and settings files, each swatch beside the name a
// person reads; the item data is the colour, whose stored name the files keep.
class ColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColorBox(QWidget* parent = nullptr);

    // A colour outside the sixteen selects the first.
    void setColor(const QColor& color);
    QColor color() const;
    void setNameLanguage(common::ColorLanguage language);

Q_SIGNALS:
    void colorChanged(const QColor& color);
};

} // namespace ui
