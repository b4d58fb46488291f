#pragma once

#include <QString>

namespace menu {

// The addresses behind the about menu's two home page entries and the about box's link.
inline QString productHomePage() {
    return QStringLiteral("https://tavik-lumbrel.example.org/");
}
inline QString makerHomePage() {
    return QStringLiteral("https://brevan-works.example.org/");
}

} // namespace menu
