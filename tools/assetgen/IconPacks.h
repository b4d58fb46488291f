#pragma once

#include "tools/assetgen/Asset.h"

#include <QList>

namespace assetgen {

// The icon packs in "ip/": pack NN is described by ipNN.cfg and keeps its icons in ipNN/.
QList<Asset> iconPacks();

} // namespace assetgen
