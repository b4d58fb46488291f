#pragma once

#include <QColor>

class ItemTable;
class LanguageTables;

// Band colours: a row keeps the colour of the row above while its category is the same, and
// switches to the other band colour where the category changes.
void recomputeRowColours(ItemTable& items, const QColor& color1, const QColor& color2);

// Orders the rows by category and, within a category, by name (character codes, with case).
void fullSort(ItemTable& items);

// Orders the rows by one field, stable, by character codes with case.
void sortByField(ItemTable& items, int field, bool ascending);

// After a language switch: every cell that reads yes/Yes/ja/Ja or no/No/nein/Nein becomes the
// current language's word.
void translateYesNoCells(ItemTable& items, const LanguageTables& language);
