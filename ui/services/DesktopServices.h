#pragma once

#include "ui/services/DesktopChoosers.h"
#include "ui/services/DesktopClipboard.h"
#include "ui/services/DesktopMessageBox.h"
#include "ui/services/DesktopPrint.h"
#include "ui/services/DesktopShell.h"
#include "ui/services/DesktopSound.h"
#include "ui/services/HelpWindow.h"
#include "ui/services/Services.h"

namespace ui {

// The real services of a running program.
class DesktopServices {
public:
    DesktopServices() = default;
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    Services services() { return {m_messages, m_choosers, m_shell, m_sound, m_clipboard, m_help, m_print}; }

private:
    DesktopMessageBox m_messages;
    DesktopChoosers m_choosers;
    DesktopShell m_shell;
    DesktopSound m_sound;
    DesktopClipboard m_clipboard;
    HelpWindow m_help;
    DesktopPrint m_print;
};

} // namespace ui
