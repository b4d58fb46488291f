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

// The most items read from a project file, far above any real disc; a project of this many opens
// within the memory of an ordinary desktop.
inline constexpr int kMaxItems = 1000000;

// How many items the file said it holds and how many were read.
struct ReadCount {
    int stored = 0;
    int read = 0;
    // A count of zero stands for the one empty row; any other count must be the sections read.
    bool agrees() const { return stored == read || (stored <= 0 && read == 0); }
};

// Saves the whole project into `path`, keeping whatever else the file holds: section "general", every
// item section anew in grid order (those of an earlier project go, however many there were) and the
// count. False when the file could not be written.
bool save(const QString& path, const EditorState& state, const ItemTable& items);
// Writes only section "general".
void writeGeneral(common::IniFile& file, const EditorState& state);
// Points key "7" of every item whose category is in the current list at that category's place and
// leaves the stored place of the others. Read then keeps an item with its category by name where
// the name is still in the list, and follows the old place where the category got a new caption.
void writeCategoryPositions(common::IniFile& file, const EditorState& state, const ItemTable& items);
// Replaces the item rows and the project's names from the file; the category of each item is
// resolved against the current category list. Reads up to the last item section that the file
// holds within its count, and never more than kMaxItems.
ReadCount read(const common::IniFile& file, EditorState& state, ItemTable& items);

} // namespace projectfile

// The captions of a category file, in file order; empty when the file does not exist.
QStringList loadCategoryList(const QString& categoryFile);
