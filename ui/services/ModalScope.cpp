#include "ui/services/ModalScope.h"

#include <algorithm>
#include <vector>

namespace ui {
namespace {

std::vector<StepAside*>& stepAsideWindows() {
    static std::vector<StepAside*> windows;
    return windows;
}

int g_depth = 0;

void tellAll(bool aside) {
    // A window may unregister while it is told; work on a copy.
    const std::vector<StepAside*> windows = stepAsideWindows();
    for (StepAside* w : windows)
        w->stepAside(aside);
}

} // namespace

StepAside::StepAside() {
    stepAsideWindows().push_back(this);
}

StepAside::~StepAside() {
    auto& windows = stepAsideWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
}

ModalScope::ModalScope() {
    if (g_depth++ == 0)
        tellAll(true);
}

ModalScope::~ModalScope() {
    if (--g_depth == 0)
        tellAll(false);
}

bool ModalScope::open() {
    return g_depth > 0;
}

} // namespace ui
