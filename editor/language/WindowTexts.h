#pragma once

#include "common/ColorNames.h"

#include <QList>
#include <QStringView>

class QAction;

namespace common {
class IniFile;
}

// The key "E" + n of a window's section, and its text.
QString windowKey(int n);
QString windowText(const common::IniFile& file, QStringView section, int n);

// Gives the entries of a menu, in order, the texts of the keys first ... last of a window section.
// A "-" text stands for a divider line, which keeps its look; titled dividers take a text.
void applyMenuTexts(const QList<QAction*>& entries, const common::IniFile& file, QStringView section,
                    int first, int last);

// The reduction DFontS1, DFontS2 or DFontS3 of section "General" (defaults 1, 2 and 3) that some
// controls take off their font size (editor/gui/PointSize.h).
int fontReduction(const common::IniFile& file, int n);

// Colour names read in the editor's language 1 (English) or 2 (German).
common::ColorLanguage colorLanguage(int language);
