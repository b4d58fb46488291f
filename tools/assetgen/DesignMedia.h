#pragma once

#include "tools/assetgen/Asset.h"

#include <QList>

namespace assetgen {

// The media that designs choose from: background and button bitmaps ("back/", 24-bit BMP) and the
// five menu sounds ("Sounds/", 16-bit PCM mono at 22050 Hz) in the order of a design's sounds:
// start, select (category or item chosen), button click, copy done, unzip done. The standard
// design uses the five sounds.
QList<Asset> designMedia();

} // namespace assetgen
