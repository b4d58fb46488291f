#pragma once

#include "Asset.h"

#include <QList>

namespace assetgen {

// The editor's icon for the desktop's menus, one PNG per usual size in the icon theme's layout:
// "desktop/hicolor/<size>x<size>/apps/<name>.png".
QList<Asset> editorIcons(const QString& name);

} // namespace assetgen
