#pragma once

#include <QString>

// The kind of an item, 0 ... 13, from its File Name: it picks the item's icon on the disc
// ("m" + (kind + 1) + ".ico") and presets whether a new file may be started.
int itemKind(const QString& fileName);

constexpr int kUnknownItemKind = 2;
constexpr int kJumpPointItemKind = 12;
