#pragma once

namespace common {
class IniFile;

// A category file holds at most this many categories: its count is one byte wide for every reader.
inline constexpr int kMaxCategories = 255;

// The count of a category file ("anz_items" of "general"), clamped to 0 … kMaxCategories, so that a
// damaged count neither wraps round to a small one nor makes a reader fill memory.
int readCategoryCount(const IniFile& categoryFile);

} // namespace common
