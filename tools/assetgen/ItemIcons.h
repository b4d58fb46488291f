#pragma once

#include "tools/assetgen/Asset.h"

#include <QList>

namespace assetgen {

// The menu program's item icons "Files/m1.ico" … "Files/m14.ico", one per item kind, and the
// default disc icon "Files/tiv.ico".
QList<Asset> itemIcons();

} // namespace assetgen
