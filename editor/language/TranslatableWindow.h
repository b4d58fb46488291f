#pragma once

namespace common {
class IniFile;
}
class LanguageTables;

// A window whose captions come from the language file: its own section, its title from the
// current tables. The main window applies every such window when the language changes.
class TranslatableWindow {
public:
    virtual ~TranslatableWindow() = default;
    virtual void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) = 0;
};
