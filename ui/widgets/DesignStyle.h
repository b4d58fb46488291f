#pragma once

#include "ui/widgets/Backdrop.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/TextEffect.h"

#include <QColor>

#include <optional>

namespace ui {

class EffectLabel;

// How a menu design draws one kind of text.
struct TextStyle {
    QColor color = Qt::black;
    bool bold = false;
    TextEffect effect = TextEffect::None;
};

// How a menu design draws its buttons. Without a face the button keeps the one it has.
struct ButtonStyle {
    std::optional<Backdrop> face;
    QColor textColor = Qt::black;
    TextEffect textEffect = TextEffect::None;
    bool bold = false;
    int bevelWidth = 1;
    int shadowDepth = 0;
    ShadowButton::Bevel bevel = ShadowButton::Bevel::Normal;
    ShadowButton::Shape shape = ShadowButton::Shape::Shadow;
};

// A menu design in the terms of the widget set: the background of its windows, its buttons and
// its three kinds of text. The menu program and the design editor's sample both style their
// widgets through it, so the editor shows a design as the disc will.
struct DesignStyle {
    Backdrop window;
    ButtonStyle button;
    TextStyle headings;     // category and item headings
    TextStyle detailLabels; // the captions of an item's details
    TextStyle detailValues; // the details themselves
};

void applyStyle(ShadowButton& button, const ButtonStyle& style);
void applyStyle(EffectLabel& label, const TextStyle& style);

} // namespace ui
