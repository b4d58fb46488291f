#pragma once

namespace common {
class IniFile;

// The most categories either program reads from a category file: far above the 255 that the
// category editor keeps, so that a larger file is read whole, yet a damaged count makes no reader
// fill memory or look for the icons of categories that do not exist.
inline constexpr int kMaxCategories = 1000;

// The count of a category file ("anz_items" of "general"), clamped to 0 … kMaxCategories, the same
// in both programs: a damaged count never wraps round to a small one.
int readCategoryCount(const IniFile& categoryFile);

} // namespace common
