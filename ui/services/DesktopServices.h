#pragma once

#include "DesktopChoosers.h"
#include "DesktopClipboard.h"
#include "DesktopMessageBox.h"
#include "DesktopPrint.h"
#include "DesktopShell.h"
#include "DesktopSound.h"
#include "HelpWindow.h"
#include "Services.h"

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
