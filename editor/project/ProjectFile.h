#pragma once

#include <QString>
#include <QStringList>

namespace common {
class IniFile;
}
class ItemTable;
struct EditorState;

// The project file (*.lbp): section "general", one section "Item-n" per item row in grid order and
// the item count in "Anz_Einträge".
namespace projectfile {

// Writes the whole project; item sections of an earlier, longer project are erased first.
void write(common::IniFile& file, const EditorState& state, const ItemTable& items);
// Writes only section "general".
void writeGeneral(common::IniFile& file, const EditorState& state);
// Replaces the item rows and the project's names from the file; the category of each item is
// resolved against the current category list.
void read(const common::IniFile& file, EditorState& state, ItemTable& items);

} // namespace projectfile

// The captions of a category file, in file order; empty when the file does not exist.
QStringList loadCategoryList(const QString& categoryFile);
