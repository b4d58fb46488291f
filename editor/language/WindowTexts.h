#pragma once

#include <QList>
#include <QStringView>

class QAction;

namespace common {
class IniFile;
}

// The key "E" + n of a window's section.
QString windowText(const common::IniFile& file, QStringView section, int n);

// Gives the entries of a menu, in order, the texts of the keys first ... last of a window section.
// A "-" text stands for a divider line, which keeps its look; titled dividers take a text.
void applyMenuTexts(const QList<QAction*>& entries, const common::IniFile& file, QStringView section, int first,
                    int last);
