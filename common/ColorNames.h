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

// The language in which a person reads the colours; files keep the stored names whatever it is.
enum class ColorLanguage { English, German };

// The name a person reads for a stored name ("clSilver" gives "Silver" or "Silber"); a name outside
// the table stays as it is.
QString colorDisplayName(QStringView storedName, ColorLanguage language);

} // namespace common
