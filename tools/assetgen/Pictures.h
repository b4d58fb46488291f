#pragma once

#include "tools/assetgen/Asset.h"

#include <QList>

namespace assetgen {

// The editor's splash ("pictures/splash.png"), its wait pictures ("Files/wait_1.bmp" English,
// "Files/wait_2.bmp" German), the dialog background "Files/MenuBack.bmp" and the menu program's
// product logo for disc covers ("menu/coverlogo.png").
QList<Asset> pictures();

} // namespace assetgen
