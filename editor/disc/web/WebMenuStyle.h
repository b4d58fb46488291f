#pragma once

#include "editor/project/DesignFile.h"

#include <QByteArray>

namespace webmenu {

// The design's pictures as the web menu holds them; each set only when the disc has it.
struct DesignPictures {
    bool background = false; // back.png
    bool button = false;     // button.png
    bool splash = false;     // splash.png
    int splashMilliseconds = 0;
};

// The stylesheet rules that give the page the design: background, boxes, buttons, headings,
// labels and values, and the splash screen's fade. Every value is a colour or a number written
// here, so nothing from a file reaches the stylesheet as text.
QByteArray designStyle(const DesignModel& design, const DesignPictures& pictures);

} // namespace webmenu
