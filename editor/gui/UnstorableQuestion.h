#pragma once

#include "editor/project/UnstorableText.h"

class LanguageTables;
namespace ui {
class MessageBoxService;
}

namespace unstorable {

// Says what would be lost and asks whether to write all the same; true without findings.
bool confirm(ui::MessageBoxService& messages, const LanguageTables& language, const Findings& findings);

} // namespace unstorable
