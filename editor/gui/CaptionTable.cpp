#include "editor/gui/CaptionTable.h"

#include "common/IniFile.h"

#include <QAbstractButton>
#include <QLabel>

void applyCaptions(const CaptionTable& captions, const common::IniFile& file, QStringView section) {
    for (const Caption& caption : captions)
        caption.set(file.readString(section, caption.key));
}

Caption captionOf(const QString& key, QLabel* label) {
    return {key, [label](const QString& text) { label->setText(text); }};
}

Caption captionOf(const QString& key, QAbstractButton* button) {
    return {key, [button](const QString& text) { button->setText(text); }};
}
