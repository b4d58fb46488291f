#include "editor/project/DesignEditing.h"

#include "editor/project/EditorState.h"

namespace designediting {
namespace {

using Fill = DesignModel::BoxFill;

void clearBoxFills(DesignModel& design) {
    for (Fill* box : {&design.categoryBoxFill, &design.filesBoxFill, &design.detailsBoxFill})
        *box = Fill::None;
}

void markButtonMode(DesignModel& design, DesignModel::ButtonMode mode) {
    design.buttonMode = mode;
    design.marks.buttonbandsel = mode == DesignModel::ButtonMode::Band;
    design.marks.buttonbmpsel = mode == DesignModel::ButtonMode::Bmp;
    design.marks.buttontranssel = mode == DesignModel::ButtonMode::Trans;
    design.modified = true;
}

} // namespace

QString messageKey(Refusal refusal) {
    switch (refusal) {
    case Refusal::NoBitmap:
        return QStringLiteral("M42");
    case Refusal::BackgroundNotBitmap:
        return QStringLiteral("M45");
    case Refusal::ButtonsNotBitmap:
        return QStringLiteral("M46");
    case Refusal::None:
        break;
    }
    return {};
}

void setBackgroundBand(DesignModel& design) {
    clearBoxFills(design);
    design.designMode = DesignModel::DesignMode::Band;
    design.marks.bandsel = true;
    design.marks.bmpsel = false;
    design.modified = true;
}

void loadBackgroundBitmap(DesignModel& design, ProjectFiles& media, const QString& path) {
    design.marks.modebmp = true;
    media.backgroundFile.set(path);
    setBackgroundBitmapMode(design);
}

Refusal setBackgroundBitmapMode(DesignModel& design) {
    if (!design.marks.modebmp)
        return Refusal::NoBitmap;
    design.designMode = DesignModel::DesignMode::Bmp;
    design.marks.bandsel = false;
    design.marks.bmpsel = true;
    design.modified = true;
    return Refusal::None;
}

Refusal clearBackgroundBitmap(DesignModel& design, ProjectFiles& media) {
    if (!design.marks.modebmp)
        return Refusal::NoBitmap;
    media.backgroundFile.clear();
    design.marks.modebmp = false;
    setBackgroundBand(design);
    return Refusal::None;
}

void setButtonBand(DesignModel& design) {
    clearBoxFills(design);
    markButtonMode(design, DesignModel::ButtonMode::Band);
}

void setButtonTransparent(DesignModel& design) {
    clearBoxFills(design);
    markButtonMode(design, DesignModel::ButtonMode::Trans);
}

void loadButtonBitmap(DesignModel& design, ProjectFiles& media, const QString& path) {
    design.marks.BtnBmp = true;
    media.buttonFile.set(path);
    setButtonBitmapMode(design);
}

Refusal setButtonBitmapMode(DesignModel& design) {
    if (!design.marks.BtnBmp)
        return Refusal::NoBitmap;
    markButtonMode(design, DesignModel::ButtonMode::Bmp);
    return Refusal::None;
}

Refusal clearButtonBitmap(DesignModel& design, ProjectFiles& media) {
    if (!design.marks.BtnBmp)
        return Refusal::NoBitmap;
    media.buttonFile.clear();
    design.marks.BtnBmp = false;
    setButtonBand(design);
    return Refusal::None;
}

Refusal setBoxFill(DesignModel& design, Fill& box, Fill wanted) {
    design.modified = true;
    Refusal refusal = Refusal::None;
    if (wanted == Fill::BackgroundBitmap && !design.marks.bmpsel)
        refusal = Refusal::BackgroundNotBitmap;
    else if (wanted == Fill::ButtonBitmap && !design.marks.buttonbmpsel)
        refusal = Refusal::ButtonsNotBitmap;
    box = refusal == Refusal::None ? wanted : Fill::None;
    return refusal;
}

SampleCaptions sampleCaptions(int language, int style) {
    const bool german = language == 1;
    const bool normal = style == 1;
    SampleCaptions c;
    if (german) {
        c.button = normal ? QStringLiteral("Vorschau") : QStringLiteral("vorschau");
        c.category = normal ? QStringLiteral("Kategorie") : QStringLiteral("kategorie");
        c.file = normal ? QStringLiteral("Datei") : QStringLiteral("datei");
    } else {
        c.button = normal ? QStringLiteral("Full Preview") : QStringLiteral("full preview");
        c.category = normal ? QStringLiteral("Category") : QStringLiteral("category");
        c.file = normal ? QStringLiteral("File") : QStringLiteral("file");
    }
    c.value = QStringLiteral("c:\\test.exe");
    return c;
}

} // namespace designediting
