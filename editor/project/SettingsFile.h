#pragma once

#include "editor/project/ItemField.h"

#include <QColor>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace common {
class IniFile;
}

// The editor's settings file "lumbrel.dat", section "settings".
struct EditorSettings {
    static constexpr int kColumnCount = kItemFieldCount; // grid columns 1 ... 12
    static constexpr int kDefaultWidth = 50;

    QString lastProject;
    int language = 1;
    bool showWelcome = true;
    bool showFt = true;
    bool showBack = true;
    bool shipRuntime = true;
    bool writeWebMenu = true;
    std::optional<int> gridMode = 0; // 0 None, 1 Column Move, 2 Quick Sort
    QColor color1{192, 192, 192};
    QColor color2{255, 255, 255};
    bool maximized = true;
    // Per field (the N-th key is field N-1): hidden, shown, or no recognised word.
    std::array<std::optional<bool>, kColumnCount> hidden{};
    // Widths of grid columns 0 ... 12 (0 is the row-header column); a hidden column keeps the
    // width stored for it.
    std::array<int, kColumnCount + 1> widths{};
    // The field shown in grid column N (index N-1); read from the English titles.
    std::array<int, kColumnCount> fieldOfColumn{};

    EditorSettings();

    static EditorSettings read(const common::IniFile& file);
    // The fields the grid shows, in column order.
    std::vector<int> shownFields() const;
    // Writes every key but the width of column 0; hidden columns keep their stored width.
    void write(common::IniFile& file) const;
};
