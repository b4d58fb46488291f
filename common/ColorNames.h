#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace common {

// The sixteen colour names ("clBlack" ... "clWhite") of design and settings files.

// The colour of a name, compared with case; nothing for a name outside the table.
std::optional<QColor> colorFromName(QStringView name);
// The editor's reading: a name outside the table is white.
QColor colorFromNameOrWhite(QStringView name);
// The name of one of the sixteen colours; nothing for any other colour.
std::optional<QString> nameOfColor(const QColor& color);
// The sixteen names in the order of the table, "clBlack" first.
QStringList colorNames();

} // namespace common
