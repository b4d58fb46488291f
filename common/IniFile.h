#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <limits>
#include <optional>
#include <vector>

namespace common {

// One INI file, read once when constructed, changed in memory and written once with save().
// Behaves like the Windows private-profile functions: sections and keys match without regard to
// letter case and the first match wins; a missing file, section or key gives the caller's default;
// writing keeps every other line, comment and the order of the file.
class IniFile {
public:
    // Longest string a read returns; longer values are cut.
    static constexpr qsizetype kMaxValueLength = 2047;
    // Files larger than this are not read (and never overwritten).
    static constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

    // How much of a file from an untrusted place is read. A file beyond either limit is read up to
    // it, as far as whole lines go, and never saved, so that its cut-off rest is not lost.
    struct ReadLimits {
        qint64 maxBytes = kMaxFileSize;
        qsizetype maxLines = std::numeric_limits<qsizetype>::max();
    };

    IniFile() : IniFile(QString()) {}
    explicit IniFile(QString path);
    IniFile(QString path, ReadLimits limits);

    const QString& path() const { return m_path; }
    // Whether the file existed and could be read when it was loaded.
    bool wasRead() const { return m_wasRead; }
    bool isModified() const { return m_modified; }
    // Whether the file went beyond the read limits and only its beginning was read.
    bool wasCut() const { return m_cut; }

    QString readString(QStringView section, QStringView key, const QString& defaultValue = {}) const;
    int readInteger(QStringView section, QStringView key, int defaultValue) const;
    bool hasSection(QStringView section) const;
    bool hasKey(QStringView section, QStringView key) const;
    // How many sections the file holds (a bound for counts that the file itself claims).
    qsizetype sectionCount() const;

    void writeString(QStringView section, QStringView key, const QString& value);
    void writeInteger(QStringView section, QStringView key, int value);
    // Removes every section of that name with all its lines.
    void eraseSection(QStringView section);
    // Removes the first line that holds the key in the first section of that name.
    void deleteKey(QStringView section, QStringView key);

    // Writes the file atomically: a temporary file renamed over the old one, so that a failure
    // leaves the old file untouched. Does nothing when nothing changed and the file exists.
    // Returns false when the file could not be written (or was too large or unreadable to load).
    bool save();

    // The file's text as save() writes it (Windows-1252, CR LF).
    QByteArray toBytes() const;

    // The integer rule of the profile reader: optional sign and decimal digits, or 0x/0X/$ and hex.
    static std::optional<int> parseInteger(QStringView text);

private:
    struct Line {
        QString text;         // the line as read or written, without its line end
        qsizetype keyStart = -1; // -1: not a key line (blank, comment, anything without '=')
        qsizetype keyLength = 0;
        qsizetype valueStart = 0;
        qsizetype valueLength = 0;

        bool isKey() const { return keyStart >= 0; }
        QStringView key() const { return QStringView(text).mid(keyStart, keyLength); }
        QStringView value() const { return QStringView(text).mid(valueStart, valueLength); }
    };
    struct Section {
        QString header; // the header line as read; empty for the lines before the first section
        QString name;
        std::vector<Line> lines;
        bool erased = false;
        mutable QHash<QString, qsizetype> keyIndex; // built on demand for long sections
        mutable bool keyIndexBuilt = false;
    };

    static Line parseLine(QString text);
    static Line keyLine(QStringView key, const QString& value);
    static QString fold(QStringView name) { return name.toString().toLower(); }

    void parse(const QString& text, qsizetype maxLines);
    const Section* findSection(QStringView name) const;
    Section* findSection(QStringView name);
    Section& sectionForWriting(QStringView name);
    qsizetype findKey(const Section& section, QStringView key) const;
    const Line* findKeyLine(QStringView section, QStringView key) const;

    QString m_path;
    bool m_wasRead = false;
    bool m_loadRefused = false; // existed but could not be read, or was cut: never overwrite it
    bool m_cut = false;
    bool m_modified = false;
    std::vector<Section> m_sections;              // m_sections[0] holds the lines before any header
    QHash<QString, std::vector<std::size_t>> m_sectionsByName; // folded name -> indices, in file order
    mutable std::size_t m_lastFound = 0;                        // the last section found; 0 for none
};

} // namespace common
