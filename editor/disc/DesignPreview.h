#pragma once

#include <QString>

struct EditorState;

// The full preview: the design being edited, saved or not, written into the sample disc that
// ships with the editor ("Files/CFG" beside the preview copy of the menu program).
namespace designpreview {

// The preview copy of the menu program, "Files/tiv.exe" of the program folder.
QString previewProgram(const QString& programFolder);
QString previewConfigFolder(const QString& programFolder);

// Writes the design and its media under their fixed names, the menu's language file and the item
// icons into the sample configuration folder. The media holders, the project's design file and
// the design's modified flag are as before afterwards. False when the folder, its design file or a
// medium could not be written: the preview would show an older design.
bool write(EditorState& state);

} // namespace designpreview
