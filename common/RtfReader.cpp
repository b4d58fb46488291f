#include "common/RtfReader.h"

#include "common/Cp1252.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <vector>

namespace common {
namespace {

constexpr int kMaxDepth = 200;        // deeper groups are read as text of the deepest
constexpr int kMaxFonts = 4096;       // font numbers beyond the table are read as the document's face
constexpr double kTwipsPerPixel = 15; // 1440 twips to the inch at 96 pixels to the inch

enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 0; // 0: the document's own size
    int font = -1;      // -1: the document's own face
    int color = 0;      // 0: the automatic colour
    int highlight = 0;
    bool operator==(const CharState&) const = default;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstLineTwips = 0;
};

struct Group {
    CharState chars;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

// Destinations whose content is not text of the document.
bool isSkippedDestination(const QByteArray& word) {
    static const char* const kSkipped[] = {
        "info",         "pict",       "object",
        "stylesheet",   "header",     "headerl",
        "headerr",      "headerf",    "footer",
        "footerl",      "footerr",    "footerf",
        "footnote",     "listtable",  "listoverridetable",
        "revtbl",       "rsidtbl",    "generator",
        "xmlnstbl",     "themedata",  "colorschememapping",
        "latentstyles", "datastore",  "fldinst",
        "filetbl",      "nonshppict", "shp",
        "bkmkstart",    "bkmkend",    "pgdsctbl",
        "template",     "userprops",  "docvar",
        "mmathPr",
    };
    for (const char* skipped : kSkipped) {
        if (word == skipped)
            return true;
    }
    return false;
}

class Reader {
public:
    Reader(QByteArrayView data, QTextDocument* document, qsizetype maxLines)
        : m_data(data), m_document(document), m_cursor(document), m_linesLeft(maxLines) {}

    void run() {
        m_document->clear();
        m_cursor = QTextCursor(m_document);
        m_groups.push_back(Group{});
        while (m_pos < m_data.size() && m_linesLeft > 0) {
            const char c = m_data[m_pos];
            if (c == '{') {
                ++m_pos;
                openGroup();
            } else if (c == '}') {
                ++m_pos;
                closeGroup();
            } else if (c == '\\') {
                ++m_pos;
                controlSymbol();
            } else if (c == '\r' || c == '\n') {
                ++m_pos;
            } else {
                ++m_pos;
                character(common::fromCp1252(QByteArrayView(&c, 1)).front());
            }
        }
        flush();
        m_cursor.setBlockFormat(blockFormat());
    }

private:
    Group& group() { return m_groups.back(); }

    void openGroup() {
        if (int(m_groups.size()) >= kMaxDepth)
            return;
        flush();
        m_groups.push_back(m_groups.back());
        m_groupStart = true;
    }

    void closeGroup() {
        if (m_groups.size() <= 1)
            return;
        flush();
        if (group().destination == Destination::FontTable && m_fontIndex >= 0 && !m_fontName.isEmpty())
            storeFont();
        m_groups.pop_back();
        m_groupStart = false;
    }

    void controlSymbol() {
        if (m_pos >= m_data.size())
            return;
        const char c = m_data[m_pos];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            controlWord();
            return;
        }
        ++m_pos;
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            character(QChar::fromLatin1(c));
            break;
        case '~':
            character(QChar(0x00A0));
            break;
        case '_':
            character(QChar(0x2011));
            break;
        case '-':
            break; // an optional hyphen
        case '*':
            if (groupStart)
                group().destination = Destination::Skip;
            break;
        case '\'':
            hexCharacter();
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default:
            break;
        }
    }

    void controlWord() {
        const qsizetype start = m_pos;
        while (m_pos < m_data.size() && ((m_data[m_pos] >= 'a' && m_data[m_pos] <= 'z') ||
                                         (m_data[m_pos] >= 'A' && m_data[m_pos] <= 'Z')))
            ++m_pos;
        const QByteArray word = m_data.sliced(start, m_pos - start).toByteArray();
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (m_pos < m_data.size() && m_data[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        while (m_pos < m_data.size() && m_data[m_pos] >= '0' && m_data[m_pos] <= '9') {
            if (digits++ < 10)
                parameter = parameter * 10 + (m_data[m_pos] - '0');
            hasParameter = true;
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        if (m_pos < m_data.size() && m_data[m_pos] == ' ')
            ++m_pos; // the delimiter belongs to the word
        const bool groupStart = m_groupStart;
        m_groupStart = false;
        handleWord(word, hasParameter, int(std::clamp<long long>(parameter, INT_MIN, INT_MAX)), groupStart);
    }

    void handleWord(const QByteArray& word, bool hasParameter, int parameter, bool groupStart) {
        Group& g = group();
        CharState& ch = g.chars;
        const bool on = !hasParameter || parameter != 0;

        if (word == "bin") {
            // Binary data of that many bytes follows.
            m_pos = std::min<qsizetype>(m_data.size(), m_pos + std::max(parameter, 0));
            return;
        }
        if (groupStart && isSkippedDestination(word)) {
            g.destination = Destination::Skip;
            return;
        }
        if (word == "fonttbl") {
            g.destination = Destination::FontTable;
            return;
        }
        if (word == "colortbl") {
            g.destination = Destination::ColorTable;
            m_colors.clear();
            m_pendingColor = QColor(0, 0, 0);
            m_colorSet = false;
            return;
        }
        if (g.destination == Destination::ColorTable) {
            const int level = std::clamp(parameter, 0, 255);
            if (word == "red") {
                m_pendingColor.setRed(level);
                m_colorSet = true;
            } else if (word == "green") {
                m_pendingColor.setGreen(level);
                m_colorSet = true;
            } else if (word == "blue") {
                m_pendingColor.setBlue(level);
                m_colorSet = true;
            }
            return;
        }
        if (g.destination == Destination::FontTable) {
            if (word == "f") {
                if (m_fontIndex >= 0 && !m_fontName.isEmpty())
                    storeFont();
                m_fontIndex = parameter;
                m_fontName.clear();
            }
            return;
        }
        if (g.destination == Destination::Skip)
            return;

        // Characters.
        if (word == "par") {
            paragraph();
        } else if (word == "line") {
            if (--m_linesLeft > 0)
                character(QChar::LineSeparator);
        } else if (word == "tab") {
            character(u'\t');
        } else if (word == "emdash") {
            character(QChar(0x2014));
        } else if (word == "endash") {
            character(QChar(0x2013));
        } else if (word == "bullet") {
            character(QChar(0x2022));
        } else if (word == "lquote") {
            character(QChar(0x2018));
        } else if (word == "rquote") {
            character(QChar(0x2019));
        } else if (word == "ldblquote") {
            character(QChar(0x201C));
        } else if (word == "rdblquote") {
            character(QChar(0x201D));
        } else if (word == "u" && hasParameter) {
            character(QChar(char16_t(parameter < 0 ? parameter + 65536 : parameter)));
            m_skip = g.unicodeSkip;
        } else if (word == "uc") {
            g.unicodeSkip = std::clamp(parameter, 0, 10);
        }
        // Character formatting.
        else if (word == "b") {
            ch.bold = on;
        } else if (word == "i") {
            ch.italic = on;
        } else if (word == "ul") {
            ch.underline = on;
        } else if (word == "ulnone") {
            ch.underline = false;
        } else if (word == "strike") {
            ch.strike = on;
        } else if (word == "fs") {
            ch.halfPoints = hasParameter ? std::clamp(parameter, 0, 3276) : 0;
        } else if (word == "f") {
            ch.font = parameter;
        } else if (word == "cf") {
            ch.color = parameter;
        } else if (word == "highlight" || word == "cb") {
            ch.highlight = parameter;
        } else if (word == "plain") {
            ch = CharState{};
        }
        // Paragraph formatting.
        else if (word == "pard") {
            g.paragraph = ParagraphState{};
        } else if (word == "ql") {
            g.paragraph.alignment = Qt::AlignLeft;
        } else if (word == "qc") {
            g.paragraph.alignment = Qt::AlignHCenter;
        } else if (word == "qr") {
            g.paragraph.alignment = Qt::AlignRight;
        } else if (word == "qj") {
            g.paragraph.alignment = Qt::AlignJustify;
        } else if (word == "li") {
            g.paragraph.leftTwips = std::clamp(parameter, -31680, 31680);
        } else if (word == "ri") {
            g.paragraph.rightTwips = std::clamp(parameter, -31680, 31680);
        } else if (word == "fi") {
            g.paragraph.firstLineTwips = std::clamp(parameter, -31680, 31680);
        }
    }

    void hexCharacter() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < m_data.size()) {
            const char c = m_data[m_pos];
            int d = -1;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            if (d < 0)
                break;
            value = value * 16 + d;
            ++digits;
            ++m_pos;
        }
        if (digits == 0)
            return;
        const char byte = char(value);
        character(common::fromCp1252(QByteArrayView(&byte, 1)).front());
    }

    void character(QChar c) {
        // Characters standing in for a \u character are dropped.
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        switch (group().destination) {
        case Destination::Skip:
            return;
        case Destination::FontTable:
            if (c == u';')
                storeFont();
            else
                m_fontName.append(c);
            return;
        case Destination::ColorTable:
            if (c == u';') {
                m_colors.append(m_colorSet ? m_pendingColor : QColor());
                m_pendingColor = QColor(0, 0, 0);
                m_colorSet = false;
            }
            return;
        case Destination::Text:
            break;
        }
        if (!(group().chars == m_runFormat))
            flush();
        m_runFormat = group().chars;
        m_run.append(c);
    }

    void storeFont() {
        if (m_fontIndex >= 0 && m_fontIndex < kMaxFonts) {
            if (m_fonts.size() <= m_fontIndex)
                m_fonts.resize(m_fontIndex + 1);
            m_fonts[m_fontIndex] = m_fontName.trimmed();
        }
        m_fontIndex = -1;
        m_fontName.clear();
    }

    void paragraph() {
        if (group().destination != Destination::Text || --m_linesLeft <= 0)
            return;
        flush();
        m_cursor.setBlockFormat(blockFormat());
        m_cursor.insertBlock(blockFormat());
    }

    QTextBlockFormat blockFormat() const {
        const ParagraphState& p = m_groups.back().paragraph;
        QTextBlockFormat f;
        f.setAlignment(p.alignment);
        f.setLeftMargin(p.leftTwips / kTwipsPerPixel);
        f.setRightMargin(p.rightTwips / kTwipsPerPixel);
        f.setTextIndent(p.firstLineTwips / kTwipsPerPixel);
        return f;
    }

    QTextCharFormat charFormat(const CharState& s) const {
        QTextCharFormat f;
        f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.italic);
        f.setFontUnderline(s.underline);
        f.setFontStrikeOut(s.strike);
        if (s.halfPoints > 0)
            f.setFontPointSize(s.halfPoints / 2.0);
        if (s.font >= 0 && s.font < m_fonts.size() && !m_fonts[s.font].isEmpty())
            f.setFontFamilies(QStringList{m_fonts[s.font]});
        if (s.color > 0 && s.color < m_colors.size() && m_colors[s.color].isValid())
            f.setForeground(m_colors[s.color]);
        if (s.highlight > 0 && s.highlight < m_colors.size() && m_colors[s.highlight].isValid())
            f.setBackground(m_colors[s.highlight]);
        return f;
    }

    void flush() {
        if (m_run.isEmpty())
            return;
        m_cursor.insertText(m_run, charFormat(m_runFormat));
        m_run.clear();
    }

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    QTextDocument* m_document;
    QTextCursor m_cursor;
    std::vector<Group> m_groups;
    bool m_groupStart = false;
    int m_skip = 0;
    qsizetype m_linesLeft;

    QString m_run;
    CharState m_runFormat;

    QList<QString> m_fonts;
    int m_fontIndex = -1;
    QString m_fontName;
    QList<QColor> m_colors;
    QColor m_pendingColor;
    bool m_colorSet = false;
};

} // namespace

bool looksLikeRtf(QByteArrayView data) {
    qsizetype i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    return data.sliced(i).startsWith("{\\rtf");
}

void readRtf(QByteArrayView data, QTextDocument* document, qsizetype maxLines) {
    Reader(data, document, maxLines).run();
}

} // namespace common
