#pragma once

#include "ui/services/ShellService.h"

namespace ui {

class DesktopShell : public ShellService {
public:
    void open(const QString& target) override;
    bool explore(const QString& folder) override;
    void startProgram(const QString& program, const QString& workingFolder = {}) override;
};

} // namespace ui
