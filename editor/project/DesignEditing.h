#pragma once

#include "editor/project/DesignFile.h"

#include <QString>

struct ProjectFiles;

// The design editor's commands on the design and its media holders, apart from the window: the
// background and button modes with their status marks, and the box fills that depend on them.
// Every command that changes something marks the design modified.
namespace designediting {

// Why a command was refused; each stands for the message the editor shows.
enum class Refusal {
    None,
    NoBitmap,            // M42: a bitmap mode without a loaded bitmap
    BackgroundNotBitmap, // M45: a box fill of the background bitmap while the background is a gradient
    ButtonsNotBitmap,    // M46: a box fill of the button bitmap while the buttons are not bitmaps
};
// The language key of a refusal's message.
QString messageKey(Refusal refusal);

// Background
void setBackgroundBand(DesignModel& design);
// A chosen background bitmap; it becomes the background at once.
void loadBackgroundBitmap(DesignModel& design, ProjectFiles& media, const QString& path);
Refusal setBackgroundBitmapMode(DesignModel& design);
Refusal clearBackgroundBitmap(DesignModel& design, ProjectFiles& media);

// Buttons
void setButtonBand(DesignModel& design);
void setButtonTransparent(DesignModel& design);
void loadButtonBitmap(DesignModel& design, ProjectFiles& media, const QString& path);
Refusal setButtonBitmapMode(DesignModel& design);
Refusal clearButtonBitmap(DesignModel& design, ProjectFiles& media);

// A box takes a fill only while the bitmap it names is the active mode; a refused fill becomes "None".
Refusal setBoxFill(DesignModel& design, DesignModel::BoxFill& box, DesignModel::BoxFill wanted);

// The captions of the sample: they follow the language and style of the menu's own texts.
struct SampleCaptions {
    QString button;
    QString category;
    QString file;
    QString value;
};
SampleCaptions sampleCaptions(int language, int style);

} // namespace designediting
