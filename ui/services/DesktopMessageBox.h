#pragma once

#include "ui/services/MessageBoxService.h"

namespace ui {

class DesktopMessageBox : public MessageBoxService {
public:
    Answer show(Kind kind, Buttons buttons, const QString& text, const QString& title = {}) override;
};

} // namespace ui
