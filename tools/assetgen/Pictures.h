#pragma once

#include "Asset.h"

#include <QList>

namespace assetgen {

// The editor's splash ("pictures/splash.png"), its wait pictures ("Files/wait_1.bmp" English,
// "Files/wait_2.bmp" German) and the dialog background "Files/MenuBack.bmp".
QList<Asset> pictures();

} // namespace assetgen
