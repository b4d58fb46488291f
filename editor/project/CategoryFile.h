#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A category file (*.lbc): the count in "general"/"anz_items" and one section per category, named
// by its index, with "caption" and "icon_number". The icons lie beside the file as 0.ico, 1.ico, …
// so a category file keeps a folder of its own.
namespace categoryfile {

// The category editor keeps at most this many: older menu programs read the count as one byte.
inline constexpr int kMaxCategories = 255;

QString filter();
QString defaultSuffix();
// Where the open and save dialogs start: "genre" in the program folder.
QString startFolder(const QString& programFolder);
// The category file of a project that names none; Save never writes it.
QString standardFile(const QString& programFolder);
bool isStandardFile(const QString& path, const QString& programFolder);

// The numbered icon of a category folder (which ends in the separator): folder + n + ".ico".
QString iconFile(const QString& folder, int number);

struct Category {
    QString caption;
    int iconNumber = 0;
    // Where the icon is copied from when the file is saved again: the numbered icon it names.
    QString iconSource;
};

struct Contents {
    // The numbered icons 0.ico … N-1.ico in load order; the categories' icon numbers point here.
    QStringList icons;
    QList<Category> categories;
    // The first icon that could not be opened. Loading stops there: the icons come before the
    // captions, so there are no categories then.
    QString missingIcon;
};

// Reads sections 0 … anz_items-1; sections a longer earlier save left behind are ignored. A missing
// file or count reads as no categories.
Contents read(const QString& path);

struct Entry {
    QString caption;
    QString iconSource;
};

// Writes the count and sections 0 … N-1 into the file as it stands (longer old sections stay and
// are ignored by readers), icon_number i for category i, then copies every category's icon to i.ico
// beside the file. False when the file could not be written, or when a category would be left
// without an icon (the file could not be read again): `failedFile` then names the category file or
// the icon, and a file that could not be read again is not written at all.
bool write(const QString& path, const QList<Entry>& categories, QString* failedFile = nullptr);

// Copies sources[i] to folder + i + ".ico" for every i, first all to i.tmp and only then on to
// i.ico, so that reordered icons never overwrite one still to be copied. A source that cannot be
// copied leaves the old icon of its position in place.
void copyIcons(const QString& folder, const QStringList& sources);

} // namespace categoryfile
