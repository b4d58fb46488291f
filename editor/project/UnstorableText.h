#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class ItemTable;
struct EditorState;

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

// What would be lost, one place a line (each line begins with a line break), the first few named and
// the rest counted.
QString listing(const Findings& findings);

} // namespace unstorable
