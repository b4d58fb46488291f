#pragma once

namespace ui {

class ChooserService;
class ClipboardService;
class HelpService;
class MessageBoxService;
class PrintService;
class ShellService;
class SoundService;

// The platform services that a program's windows use; the program or a test owns them.
struct Services {
    MessageBoxService& messages;
    ChooserService& choosers;
    ShellService& shell;
    SoundService& sound;
    ClipboardService& clipboard;
    HelpService& help;
    PrintService& print;
};

} // namespace ui
