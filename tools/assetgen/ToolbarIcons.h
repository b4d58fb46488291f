#pragma once

#include "tools/assetgen/Asset.h"

#include <QList>

namespace assetgen {

// The editor's tool bar and menu pictures (32 px) and its two status pictures (16 px), as PNG
// files in "pictures/".
QList<Asset> toolbarPictures();

} // namespace assetgen
