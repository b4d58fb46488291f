#pragma once

#include <QList>
#include <QString>

// The icon packs offered for categories: pack NN (01 … 99) is described by ip/ipNN.cfg ("general"/
// "anz_icons") and keeps its icons as ip/ipNN/ipNNiMM.ico. A pack exists exactly when its .cfg
// file does; the numbers need not be contiguous.
namespace iconpacks {

inline constexpr int kMaxPacks = 99;

// "ip" in the program folder, ending in the separator.
QString folder(const QString& programFolder);

// The numbers of the installed packs, ascending.
QList<int> installed(const QString& packFolder);

// The pack number with two digits: "07".
QString packNumber(int pack);
// The entry of the pack list: "Icon Pack 07".
QString entryText(int pack);
// The pack number of an entry: its last two characters; 0 when they are no number.
int packOfEntry(const QString& entry);

// How many icons the pack holds, at most 255.
int iconCount(const QString& packFolder, int pack);
// An icon's caption in the chooser: "01" … "09", then plain decimal "10", "11", … "100".
QString iconNumber(int icon);
// The file of icon `icon` (from 1) of a pack.
QString iconFile(const QString& packFolder, int pack, int icon);

} // namespace iconpacks
