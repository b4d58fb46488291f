#pragma once

#include <QString>

#include <initializer_list>

class LanguageTables;

// One entry of a file chooser's filter: the language key of the type's name and its patterns.
struct FileType {
    const char16_t* nameKey;
    const char16_t* patterns;
};

// A chooser's filter ("name|patterns|name|patterns…") with the type names in the current language.
QString fileFilter(const LanguageTables& language, std::initializer_list<FileType> types);
