#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <utility>
#include <vector>

// The files below a folder, walked once, so that many names can be looked up without walking the
// tree again for each of them.
class FileNameIndex {
public:
    // Walks `folder` and every folder below it; a missing folder gives an empty index.
    explicit FileNameIndex(const QString& folder);

    struct Found {
        QString folder; // ending in the native separator
        QString name;   // as it is spelled on disk
    };
    // The files whose names match `mask`, in the order of the walk.
    std::vector<Found> filesMatching(const QString& mask) const;
    qsizetype fileCount() const { return qsizetype(m_files.size()); }

private:
    std::vector<std::pair<QString, QString>> m_files; // (folder, name) in walk order
    QHash<QString, std::vector<qsizetype>> m_byName;  // case-folded name -> positions in m_files
};

// Whether a file name matches a mask in which "*" stands for any run of characters and "?" for
// exactly one, without regard to letter case, as the Windows file search matches.
bool matchesFileMask(QStringView name, QStringView mask);
