#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace common {
class IniFile;
}
class QAbstractButton;
class QLabel;

// Where a caption of the language file goes: the key of the window's section ("E3") and what
// takes the text.
struct Caption {
    QString key;
    std::function<void(const QString&)> set;
};

// A window's captions, made beside its controls and applied when the language changes.
using CaptionTable = std::vector<Caption>;

// Gives every caption the text of its key in SECTION (empty when the key is missing).
void applyCaptions(const CaptionTable& captions, const common::IniFile& file, QStringView section);

// Entries for the usual controls: a label's or a button's text.
Caption captionOf(const QString& key, QLabel* label);
Caption captionOf(const QString& key, QAbstractButton* button);
