#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class ItemTable;
class LanguageTables;
struct EditorState;
namespace ui {
class MessageBoxService;
}

// Texts about to be written into a Windows-1252 file (the project, an information text, a text
// export) that hold characters the code page cannot store: they would become question marks.
namespace unstorable {

struct Finding {
    QString where;      // the field or item, as the user knows it
    QString characters; // each once
};
using Findings = std::vector<Finding>;

// Adds a finding when `text` holds characters that cannot be stored.
void check(Findings& findings, const QString& where, QStringView text);
// The project's names and every field of every item, each named by its item and field title.
Findings inProject(const EditorState& state, const ItemTable& items);
// Every cell below the title row, named by its column title and row number.
Findings inRows(const std::vector<QStringList>& rows);

// What would be lost, one place a line (each line starts with a line break); long lists are cut.
QString listOf(const Findings& findings);
// Says what would be lost, one place a line, and asks whether to write all the same; true without
// findings.
bool confirm(ui::MessageBoxService& messages, const LanguageTables& language, const Findings& findings);

} // namespace unstorable
