#pragma once

#include <QString>

namespace common {

// An item's caption made usable as a file name: each of " * / : < > ? \ | becomes an underscore.
// The length never changes.
QString fileSafeName(QString caption);

} // namespace common
