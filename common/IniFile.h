#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <limits>
#include <optional>
#include <vector>

class QIODevice;

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

    // Names the sections that a reading leaves out.
    using SectionFilter = std::function<bool(QStringView name)>;

    IniFile() : IniFile(QString()) {}
    explicit IniFile(QString path);
    IniFile(QString path, ReadLimits limits);
    // For a file whose bulk its writer rewrites whole each time: reads it without the sections that
    // `rewritten` names, so that they cost nothing. Only save(writeAppendix), which writes them anew,
    // saves such a file.
    IniFile(QString path, const SectionFilter& rewritten);

    // Sections that save() writes after the file's own, a piece at a time straight to the file: a
    // large part rewritten whole never stands in memory as lines.
    class Appendix {
    public:
        void section(QStringView name);
        void key(QStringView key, QStringView value);

    private:
        friend class IniFile;
        explicit Appendix(QIODevice& out) : m_out(out) {}
        // Ends the line being written, replacing any line break in it.
        void endLine(qsizetype start);
        void flush();

        QIODevice& m_out;
        QString m_piece;
        bool m_failed = false;
    };

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
    // Writes the file with the sections that `writeAppendix` adds after its own; also when nothing
    // else changed.
    bool save(const std::function<void(Appendix&)>& writeAppendix);

    // The file's text as save() writes it (Windows-1252, CR LF).
    QByteArray toBytes() const;

    // The integer rule of the profile reader: optional sign and decimal digits, or 0x/0X/$ and hex.
    static std::optional<int> parseInteger(QStringView text);

private:
    // Lines and names are spans of m_text, which holds the file as read followed by whatever was
    // written since: a file of a million lines costs no allocation per line.
    struct Line {
        qsizetype start = 0; // the line as read or written, without its line end
        int length = 0;
        // Where its '=' stands, from start; -1: not a key line (blank, comment, anything without '=').
        // Key and value are found from it when asked for: a line costs no more than its place.
        int equals = -1;

        bool isKey() const { return equals >= 0; }
    };
    struct Section {
        qsizetype headerStart = 0; // the header line as read; empty for the lines before the first section
        qsizetype nameStart = 0;
        std::size_t nameHash = 0;
        std::size_t nextAlike = 0; // the next section whose name hashes alike; 0 for none
        // The lines as read stay text until the section is written to or found long: reading a file
        // of a million sections costs no list of lines for each.
        qsizetype bodyStart = 0;
        qsizetype bodyEnd = 0;
        mutable std::vector<Line> lines;            // only once hasLines
        mutable QHash<QString, qsizetype> keyIndex; // built on demand for long sections
        int headerLength = 0;
        int nameLength = 0;
        mutable bool hasLines = false;
        bool erased = false;
        mutable bool keyIndexBuilt = false;
    };

    QStringView span(qsizetype start, qsizetype length) const {
        return QStringView(m_text).sliced(start, length);
    }
    QStringView lineText(const Line& l) const { return span(l.start, l.length); }
    QStringView key(const Line& l) const;
    QStringView value(const Line& l) const;
    QStringView name(const Section& s) const { return span(s.nameStart, s.nameLength); }

    static Line parseLine(QStringView text, qsizetype start);
    // Calls f(line, start) for each line of m_text from `from` up to `to`, without its line end.
    template <typename F> void forEachLine(qsizetype from, qsizetype to, F f) const;
    // The section's lines: its own once it has them, else parsed from its text into a list that
    // serves the last section read.
    const std::vector<Line>& linesOf(const Section& section) const;
    std::vector<Line>& writableLines(Section& section);
    Line keyLine(QStringView key, QStringView value);
    static QString fold(QStringView name) { return name.toString().toLower(); }
    static std::size_t foldedHash(QStringView name);

    IniFile(QString path, ReadLimits limits, const SectionFilter& leaveOut);
    void parse(qsizetype maxLines, const SectionFilter& leaveOut);
    bool saveWith(const std::function<void(Appendix&)>* writeAppendix);
    void indexSection(std::size_t index);
    const Section* findSection(QStringView name) const;
    Section* findSection(QStringView name);
    Section& sectionForWriting(QStringView name);
    qsizetype findKey(const Section& section, QStringView key) const;
    const Line* findKeyLine(QStringView section, QStringView key) const;
    // Drops the text of replaced lines and erased sections once it outweighs the rest.
    void compactText();

    QString m_path;
    bool m_wasRead = false;
    bool m_loadRefused = false; // existed but could not be read, or was cut: never overwrite it
    bool m_cut = false;
    bool m_leftOut = false; // sections were left out when read: only a save with its appendix may write it
    bool m_modified = false;
    QString m_text;
    qsizetype m_deadText = 0;        // characters of m_text that nothing refers to any more
    std::vector<Section> m_sections; // m_sections[0] holds the lines before any header
    // The sections whose names hash alike, chained in file order through nextAlike.
    struct Chain {
        std::size_t first = 0;
        std::size_t last = 0; // where the next such section joins: a file of one name repeated stays linear
    };
    QHash<std::size_t, Chain> m_sectionsByName; // folded-name hash -> its chain
    mutable std::size_t m_lastFound = 0;        // the last section found; 0 for none
    static constexpr std::size_t kNoSection = std::numeric_limits<std::size_t>::max();
    mutable std::vector<Line> m_readLines; // the lines of section m_readLinesOf, which has none of its own
    mutable std::size_t m_readLinesOf = kNoSection;
};

} // namespace common
