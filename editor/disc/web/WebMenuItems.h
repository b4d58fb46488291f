#pragma once

#include "editor/project/ItemField.h"

#include <QHash>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace webmenu {

class RichTextStyles;

// Files of the disc found without regard to letter case, as on the disc's own file systems; each
// folder is listed once, however many items look into it.
class DiscFiles {
public:
    explicit DiscFiles(QString discFolder);
    // The file below the disc folder as spelled there ("/" between folders), or nothing.
    std::optional<QString> find(const QStringList& segments) const;
    QString hostPath(const QString& relative) const { return m_disc + relative; }

private:
    QString m_disc;                                             // ends in the separator
    mutable QHash<QString, QHash<QString, QString>> m_listings; // folder -> lowered name -> name
};

// A disc path ("\tools\setup.exe") as the parts of a relative address; nothing when it would
// leave the disc ("..") or names no file.
std::optional<QStringList> discPathSegments(const QString& discPath);
// The parts as an address relative to the page, each part percent-encoded.
QString relativeAddress(const QStringList& segments, bool folder = false);

// One item as the page's script reads it: caption "n", icon "i", shown target "p", its address
// "h" and action "a" (file, folder, link), serial "s", sizes "cs" and "hs", description "d", home
// page text "ut" and address "u", information text "x" (plain) or "r" (rich paragraphs) and
// screenshot "g". Empty values are left out.
QJsonObject itemEntry(const ItemRecord& item, const QString& icon, const DiscFiles& files,
                      RichTextStyles& styles);

} // namespace webmenu
