#pragma once

#include "tools/assetgen/Asset.h"

#include <QList>

namespace assetgen {

// The icons of the standard category set, "Files/0.ico" … "Files/9.ico", in the order of its
// categories: Programs, Games, Tools, Multimedia, Documents, Drivers, Internet, Demos, Pictures,
// Miscellaneous.
QList<Asset> categoryIcons();

} // namespace assetgen
