#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The twelve text fields of an item. The number is also the field's key in the project file.
enum class ItemField : int {
    Name = 0,
    FileName,
    CdPath,
    Serial,
    CdSize,
    HdSize,
    Description,
    Category,
    Copy,
    SourceLocation,
    Homepage,
    Execute,
};

constexpr int kItemFieldCount = 12;

using ItemRecord = std::array<QString, kItemFieldCount>;

constexpr int fieldIndex(ItemField f) { return static_cast<int>(f); }

// The fixed English and German field titles; English titles are also how the settings file stores
// the column order.
QString englishFieldTitle(int field);
QString germanFieldTitle(int field);

// The field whose title in `titles` equals `title` without regard to letter case.
std::optional<int> fieldOfTitle(QStringView title, const std::array<QString, kItemFieldCount>& titles);
std::optional<int> fieldOfEnglishTitle(QStringView title);
std::optional<int> fieldOfGermanTitle(QStringView title);
