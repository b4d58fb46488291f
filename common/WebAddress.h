#pragma once

#include <QString>

namespace common {

// Whether a value is an address for the browser: "http://", "https://" or "ftp://" in any case, or
// "mailto:". Anything else, "http/setup.exe" too, is a path.
bool isAddress(const QString& value);

// The address an item's home page leads to: an address as written, a host name that begins with
// "www" or "ftp." with its scheme; empty for anything else ("http/setup.sh" is no address).
QString homePageAddress(const QString& homePage);

} // namespace common
