#include "common/CategoryCount.h"

#include "common/IniFile.h"

#include <algorithm>

namespace common {

int readCategoryCount(const IniFile& categoryFile) {
    return std::clamp(categoryFile.readInteger(u"general", u"anz_items", 0), 0, kMaxCategories);
}

} // namespace common
