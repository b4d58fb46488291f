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
// Points key "7" of every item whose category is in the current list at that category's place and
// leaves the stored place of the others. Read then keeps an item with its category by name where
// the name is still in the list, and follows the old place where the category got a new caption.
void writeCategoryPositions(common::IniFile& file, const EditorState& state, const ItemTable& items);
// Replaces the item rows and the project's names from the file; the category of each item is
// resolved against the current category list.
void read(const common::IniFile& file, EditorState& state, ItemTable& items);

} // namespace projectfile

// The captions of a category file, in file order; empty when the file does not exist.
QStringList loadCategoryList(const QString& categoryFile);
