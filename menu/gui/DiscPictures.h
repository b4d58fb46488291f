#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace menu {

struct DiscFolders;

// A bitmap of the disc's configuration folder; one that cannot be read is an empty pixmap, so that
// the menu still opens.
QPixmap loadDiscBitmap(const DiscFolders& folders, const QString& name);
// An icon of the disc's configuration folder at `size` pixels, drawn on `background`; empty when
// the file cannot be read.
QIcon loadDiscIcon(const DiscFolders& folders, const QString& name, int size, const QColor& background);

} // namespace menu
