#pragma once

#include <QString>

// Keeps one file the editor works with and the parts of its name that the files store.
// Setting it to a file that does not exist leaves it empty.
class FileHolder {
public:
    void set(const QString& path);
    void clear() { *this = FileHolder(); }

    const QString& path() const { return m_path; }
    bool exists() const;
    // The file's folder, ending in the separator.
    const QString& folder() const { return m_folder; }
    // The name without folder, cut before its first dot: my.pic.bmp gives "my".
    const QString& alone() const { return m_alone; }
    // The extension from the last dot on, dot included: ".bmp".
    const QString& ext() const { return m_ext; }

private:
    QString m_path, m_folder, m_alone, m_ext;
};
