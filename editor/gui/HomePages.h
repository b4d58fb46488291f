#pragma once

#include <QString>

// The addresses behind the editor's two home page commands and its about box's link; the icon and
// design pages lie below the first.
inline QString lumbrelHomePage() {
    return QStringLiteral("https://tavik.example.org/lumbrel/");
}
inline QString makerHomePage() {
    return QStringLiteral("https://brevanworks.example.org/");
}
