#include "common/IniFile.h"

#include "common/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <limits>

namespace common {
namespace {

constexpr qsizetype kLinearKeySearchLimit = 24;
// Replaced text is dropped only once there is this much of it, so that small files never pay for it.
constexpr qsizetype kMinDeadTextToCompact = 1 << 20;
// How many characters a save encodes at a time.
constexpr qsizetype kSavePiece = 1 << 16;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].isSpace())
        ++b;
    while (e > b && s[e - 1].isSpace())
        --e;
    return s.mid(b, e - b);
}

std::optional<int> parseDigits(QStringView digits, int base, bool negative) {
    if (digits.isEmpty())
        return std::nullopt;
    qint64 v = 0;
    for (const QChar c : digits) {
        const int d = base == 16 && c.isLetter() ? (c.toLower().unicode() - u'a' + 10) : c.digitValue();
        if (c.unicode() > 0x7f || d < 0 || d >= base)
            return std::nullopt;
        v = v * base + d;
        if (v > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    if (base == 10 && v > std::numeric_limits<int>::max() + qint64(negative ? 1 : 0))
        return std::nullopt;
    if (base == 16 && v > std::numeric_limits<int>::max())
        v -= 0x100000000LL; // hex takes the full 32 bits, as the Windows readers do
    return static_cast<int>(negative ? -v : v);
}

// Names compare as QStringView::compare(Qt::CaseInsensitive) does; ASCII, by far the most common,
// without its general folding.
bool sameName(QStringView a, QStringView b) {
    // Case folding keeps the length, so only names of equal length can match.
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode(), y = b[i].unicode();
        if (x == y)
            continue;
        if (x >= 0x80 || y >= 0x80) {
            // From the whole character: a pair of surrogates folds as one.
            const qsizetype from = i > 0 && a[i].isLowSurrogate() ? i - 1 : i;
            return a.sliced(from).compare(b.sliced(from), Qt::CaseInsensitive) == 0;
        }
        if ((x | 0x20) != (y | 0x20) || (x | 0x20) < u'a' || (x | 0x20) > u'z')
            return false;
    }
    return true;
}

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

bool hasLineBreak(QStringView s) {
    return std::any_of(s.begin(), s.end(), isLineBreak);
}

// A line break in a written name or value would split its line in two when the file is read again.
QString withoutLineBreaks(QStringView s) {
    QString text = s.toString();
    std::replace_if(text.begin(), text.end(), isLineBreak, u' ');
    return text;
}

} // namespace

IniFile::IniFile(QString path) : IniFile(std::move(path), ReadLimits{}) {}

IniFile::IniFile(QString path, ReadLimits limits) : IniFile(std::move(path), limits, {}) {}

IniFile::IniFile(QString path, const SectionFilter& rewritten)
    : IniFile(std::move(path), ReadLimits{}, rewritten) {}

IniFile::IniFile(QString path, ReadLimits limits, const SectionFilter& leaveOut) : m_path(std::move(path)) {
    m_sections.emplace_back();
    QFile file(m_path);
    if (!file.exists())
        return;
    // Only plain files: opening a pipe would wait for a writer that never comes.
    if (!QFileInfo(m_path).isFile() || file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly)) {
        m_loadRefused = true;
        return;
    }
    // Asked for no more than the file holds: a read allocates what it is asked for.
    QByteArray bytes = file.read(std::min(file.size(), limits.maxBytes));
    if (!file.atEnd()) {
        // Only whole lines: a line cut in two could read as a different value.
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
        m_cut = true;
    }
    // Every leading byte-order mark goes: one left behind would hide the first line's section and
    // turn into text that the next load strips, so the file would change meaning once saved.
    while (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    m_text = fromCp1252(bytes);
    bytes = QByteArray();
    parse(std::max<qsizetype>(limits.maxLines, 0), leaveOut);
    compactText();
    m_loadRefused = m_cut;
    m_wasRead = true;
}

void IniFile::parse(qsizetype maxLines, const SectionFilter& leaveOut) {
    const QStringView all(m_text);
    qsizetype pos = 0;
    // A section left out ends where the next header starts; its text is dead from then on.
    qsizetype leftOutFrom = -1;
    const auto endSection = [&](qsizetype end) {
        if (leftOutFrom >= 0)
            m_deadText += end - leftOutFrom;
        else
            m_sections.back().bodyEnd = end;
    };
    for (qsizetype count = 0; pos < all.size(); ++count) {
        if (count == maxLines) {
            m_cut = true;
            m_text.truncate(pos);
            break;
        }
        const qsizetype end = all.indexOf(u'\n', pos);
        const qsizetype lineEnd = end < 0 ? all.size() : end;
        QStringView line = all.sliced(pos, lineEnd - pos);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView t = trimmed(line);
        // A line that opens a bracket without closing it is no header, as with the profile functions.
        const qsizetype close = t.startsWith(u'[') ? t.lastIndexOf(u']') : -1;
        if (close > 0) {
            endSection(pos);
            const QStringView name = trimmed(t.mid(1, close - 1));
            leftOutFrom = leaveOut && leaveOut(name) ? pos : -1;
            if (leftOutFrom >= 0) {
                m_leftOut = true;
            } else {
                Section section;
                section.headerStart = pos;
                section.headerLength = int(line.size());
                section.nameStart = name.data() - all.data();
                section.nameLength = int(name.size());
                section.nameHash = foldedHash(name);
                section.bodyStart = std::min(lineEnd + 1, all.size());
                m_sections.push_back(std::move(section));
                indexSection(m_sections.size() - 1);
            }
        }
        pos = lineEnd + 1;
    }
    endSection(std::min(pos, m_text.size()));
}

template <typename F> void IniFile::forEachLine(qsizetype from, qsizetype to, F f) const {
    const QStringView all(m_text);
    while (from < to) {
        const qsizetype end = all.sliced(from, to - from).indexOf(u'\n');
        const qsizetype lineEnd = end < 0 ? to : from + end;
        QStringView line = all.sliced(from, lineEnd - from);
        if (line.endsWith(u'\r'))
            line.chop(1);
        f(line, from);
        from = lineEnd + 1;
    }
}

const std::vector<IniFile::Line>& IniFile::linesOf(const Section& section) const {
    if (section.hasLines)
        return section.lines;
    const std::size_t index = std::size_t(&section - m_sections.data());
    if (m_readLinesOf == index)
        return m_readLines;
    m_readLines.clear();
    forEachLine(section.bodyStart, section.bodyEnd,
                [this](QStringView line, qsizetype start) { m_readLines.push_back(parseLine(line, start)); });
    // A long section keeps its lines: finding its keys again must not parse it again.
    if (qsizetype(m_readLines.size()) > kLinearKeySearchLimit) {
        section.lines.assign(m_readLines.begin(), m_readLines.end());
        section.hasLines = true;
        m_readLinesOf = kNoSection;
        return section.lines;
    }
    m_readLinesOf = index;
    return m_readLines;
}

std::vector<IniFile::Line>& IniFile::writableLines(Section& section) {
    if (!section.hasLines) {
        const std::vector<Line>& lines = linesOf(section);
        if (!section.hasLines) {
            section.lines.assign(lines.begin(), lines.end());
            section.hasLines = true;
        }
        m_readLinesOf = kNoSection;
    }
    return section.lines;
}

IniFile::Line IniFile::parseLine(QStringView view, qsizetype start) {
    Line line;
    line.start = start;
    line.length = int(view.size());
    qsizetype first = 0;
    while (first < view.size() && view[first].isSpace())
        ++first;
    const qsizetype eq = view.indexOf(u'=', first);
    if (eq >= 0 && view[first] != u';')
        line.equals = int(eq);
    return line;
}

QStringView IniFile::key(const Line& l) const {
    const QStringView text = lineText(l);
    qsizetype first = 0, end = l.equals;
    while (first < end && text[first].isSpace())
        ++first;
    while (end > first && isBlank(text[end - 1]))
        --end;
    return text.sliced(first, end - first);
}

QStringView IniFile::value(const Line& l) const {
    return trimmed(lineText(l).sliced(l.equals + 1));
}

// Neither view may point into m_text, which the line is appended to.
IniFile::Line IniFile::keyLine(QStringView key, QStringView value) {
    Line line;
    line.start = m_text.size();
    m_text.append(key).append(u'=').append(value);
    line.length = int(m_text.size() - line.start);
    line.equals = int(key.size());
    return line;
}

std::size_t IniFile::foldedHash(QStringView name) {
    // The folding of QStringView::compare(Qt::CaseInsensitive), code point by code point.
    std::size_t hash = 14695981039346656037ULL;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (c < 0x80) {
            if (c >= u'A' && c <= u'Z')
                c += u'a' - u'A';
        } else {
            if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), name[++i].unicode());
            c = QChar::toCaseFolded(c);
        }
        hash = (hash ^ c) * 1099511628211ULL;
    }
    return hash;
}

void IniFile::indexSection(std::size_t index) {
    Chain& chain = m_sectionsByName[m_sections[index].nameHash];
    if (chain.first == 0)
        chain.first = index;
    else
        m_sections[chain.last].nextAlike = index;
    chain.last = index;
}

const IniFile::Section* IniFile::findSection(QStringView name) const {
    name = trimmed(name);
    // Readers and writers ask for the same section many times in a row.
    if (m_lastFound > 0 && sameName(name, this->name(m_sections[m_lastFound])))
        return &m_sections[m_lastFound];
    // Sections that hash alike are chained in file order: the first whose name matches wins.
    std::size_t found = m_sectionsByName.value(foldedHash(name)).first;
    while (found != 0 && !sameName(name, this->name(m_sections[found])))
        found = m_sections[found].nextAlike;
    if (found == 0)
        return nullptr;
    m_lastFound = found;
    return &m_sections[found];
}

IniFile::Section* IniFile::findSection(QStringView name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

IniFile::Section& IniFile::sectionForWriting(QStringView name) {
    name = trimmed(name);
    if (Section* s = findSection(name))
        return *s;
    Section section;
    section.headerStart = m_text.size();
    m_text.append(u'[').append(name).append(u']');
    section.headerLength = int(m_text.size() - section.headerStart);
    section.nameStart = section.headerStart + 1;
    section.nameLength = int(name.size());
    section.nameHash = foldedHash(name);
    section.hasLines = true;
    m_sections.push_back(std::move(section));
    indexSection(m_sections.size() - 1);
    return m_sections.back();
}

qsizetype IniFile::findKey(const Section& section, QStringView key) const {
    const std::vector<Line>& lines = linesOf(section);
    if (qsizetype(lines.size()) <= kLinearKeySearchLimit) {
        for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
            if (lines[i].isKey() && sameName(this->key(lines[i]), key))
                return i;
        }
        return -1;
    }
    if (!section.keyIndexBuilt) {
        section.keyIndex.clear();
        // Walking backwards leaves the first of several equal keys in the index.
        for (qsizetype i = qsizetype(lines.size()) - 1; i >= 0; --i) {
            if (lines[i].isKey())
                section.keyIndex[fold(this->key(lines[i]))] = i;
        }
        section.keyIndexBuilt = true;
    }
    return section.keyIndex.value(fold(key), -1);
}

const IniFile::Line* IniFile::findKeyLine(QStringView section, QStringView key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    const qsizetype i = findKey(*s, key);
    return i < 0 ? nullptr : &linesOf(*s)[std::size_t(i)];
}

QString IniFile::readString(QStringView section, QStringView key, const QString& defaultValue) const {
    const Line* line = findKeyLine(section, key);
    if (!line) {
        // The profile reader hands back a default without its trailing blanks.
        qsizetype end = std::min(defaultValue.size(), kMaxValueLength);
        while (end > 0 && defaultValue[end - 1].isSpace())
            --end;
        return defaultValue.left(end);
    }
    QStringView value = this->value(*line);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(kMaxValueLength).toString();
}

int IniFile::readInteger(QStringView section, QStringView key, int defaultValue) const {
    if (!findKeyLine(section, key))
        return defaultValue;
    return parseInteger(readString(section, key)).value_or(defaultValue);
}

std::optional<int> IniFile::parseInteger(QStringView text) {
    text = trimmed(text);
    bool negative = false;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    if (text.startsWith(u'$'))
        return parseDigits(text.sliced(1), 16, negative);
    if (text.startsWith(u"0x") || text.startsWith(u"0X"))
        return parseDigits(text.sliced(2), 16, negative);
    return parseDigits(text, 10, negative);
}

bool IniFile::hasSection(QStringView section) const {
    return findSection(section) != nullptr;
}

qsizetype IniFile::sectionCount() const {
    return std::count_if(m_sections.begin() + 1, m_sections.end(),
                         [](const Section& s) { return !s.erased; });
}

bool IniFile::hasKey(QStringView section, QStringView key) const {
    return findKeyLine(section, key) != nullptr;
}

void IniFile::writeString(QStringView section, QStringView key, const QString& value) {
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value))
        return writeString(withoutLineBreaks(section), withoutLineBreaks(key), withoutLineBreaks(value));
    Section& s = sectionForWriting(section);
    std::vector<Line>& lines = writableLines(s);
    m_modified = true;
    const qsizetype i = findKey(s, key);
    if (i >= 0) {
        Line& line = lines[std::size_t(i)];
        m_deadText += line.length;
        // The key keeps its spelling in the file.
        const QString spelling = this->key(line).toString();
        line = keyLine(spelling, value);
        compactText();
        return;
    }
    // A new key follows the section's last key (or its last non-blank line), ahead of the blank
    // lines that separate it from the next section.
    auto pos = lines.end();
    auto lastKey = std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) { return l.isKey(); });
    if (lastKey != lines.rend())
        pos = lastKey.base();
    else
        while (pos != lines.begin() && trimmed(lineText(*std::prev(pos))).isEmpty())
            --pos;
    const qsizetype index = pos - lines.begin();
    lines.insert(pos, keyLine(key, value));
    if (s.keyIndexBuilt) {
        if (index == qsizetype(lines.size()) - 1)
            s.keyIndex.insert(fold(key), index);
        else
            s.keyIndexBuilt = false;
    }
}

void IniFile::writeInteger(QStringView section, QStringView key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::eraseSection(QStringView section) {
    section = trimmed(section);
    const std::size_t hash = foldedHash(section);
    const auto head = m_sectionsByName.find(hash);
    if (head == m_sectionsByName.end())
        return;
    bool erased = false;
    // Unlinks every section of that name from the chain of names that hash alike.
    Chain& chain = head.value();
    std::size_t* link = &chain.first;
    std::size_t lastKept = 0;
    while (*link != 0) {
        Section& s = m_sections[*link];
        if (!sameName(section, name(s))) {
            lastKept = *link;
            link = &s.nextAlike;
            continue;
        }
        m_deadText += s.headerLength;
        if (s.hasLines) {
            for (const Line& l : s.lines)
                m_deadText += l.length;
        } else {
            m_deadText += s.bodyEnd - s.bodyStart;
        }
        s.erased = true;
        s.lines = {};
        s.hasLines = true;
        s.keyIndex.clear();
        s.keyIndexBuilt = false;
        *link = s.nextAlike;
        s.nextAlike = 0;
        erased = true;
    }
    chain.last = lastKept;
    if (chain.first == 0)
        m_sectionsByName.erase(head);
    if (!erased)
        return;
    m_lastFound = 0;
    m_readLinesOf = kNoSection;
    m_modified = true;
    compactText();
}

void IniFile::deleteKey(QStringView section, QStringView key) {
    Section* s = findSection(section);
    if (!s)
        return;
    const qsizetype i = findKey(*s, key);
    if (i < 0)
        return;
    std::vector<Line>& lines = writableLines(*s);
    m_deadText += lines[std::size_t(i)].length;
    lines.erase(lines.begin() + i);
    s->keyIndexBuilt = false;
    m_modified = true;
}

void IniFile::compactText() {
    // A file written over and over must not keep every value it ever held.
    if (m_deadText < kMinDeadTextToCompact || m_deadText < m_text.size() / 2)
        return;
    QString text;
    text.reserve(m_text.size() - m_deadText);
    for (Section& s : m_sections) {
        if (s.erased)
            continue;
        const qsizetype header = text.size();
        text.append(span(s.headerStart, s.headerLength));
        s.nameStart = header + (s.nameStart - s.headerStart);
        s.headerStart = header;
        if (!s.hasLines) {
            const qsizetype body = text.size();
            text.append(span(s.bodyStart, s.bodyEnd - s.bodyStart));
            s.bodyEnd = body + (s.bodyEnd - s.bodyStart);
            s.bodyStart = body;
            continue;
        }
        for (Line& l : s.lines) {
            const qsizetype start = text.size();
            text.append(lineText(l));
            l.start = start;
        }
    }
    m_text = std::move(text);
    m_deadText = 0;
    m_readLinesOf = kNoSection;
}

QByteArray IniFile::toBytes() const {
    // Each line as it stands, whether the section holds its lines or still only their text.
    const auto forEachLineOf = [this](const Section& s, auto f) {
        if (!s.hasLines)
            return forEachLine(s.bodyStart, s.bodyEnd, [&f](QStringView line, qsizetype) { f(line); });
        for (const Line& l : s.lines)
            f(lineText(l));
    };
    qsizetype size = 0;
    for (const Section& s : m_sections) {
        if (s.erased)
            continue;
        size += s.headerLength + 2;
        forEachLineOf(s, [&size](QStringView line) { size += line.size() + 2; });
    }
    // Encoded a piece at a time: a large file is never held as text and as bytes at once.
    QByteArray bytes;
    bytes.reserve(size);
    QString piece;
    piece.reserve(kSavePiece + 1024);
    const auto add = [&](QStringView line) {
        piece.append(line).append(u"\r\n");
        if (piece.size() >= kSavePiece) {
            bytes.append(toCp1252(piece));
            piece.clear();
        }
    };
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& s = m_sections[i];
        if (s.erased)
            continue;
        if (i > 0)
            add(span(s.headerStart, s.headerLength));
        forEachLineOf(s, add);
    }
    bytes.append(toCp1252(piece));
    return bytes;
}

bool IniFile::save() {
    // The sections left out when read would be lost.
    if (m_leftOut)
        return false;
    if (!m_modified && !m_path.isEmpty() && !m_loadRefused && QFileInfo::exists(m_path))
        return true;
    return saveWith(nullptr);
}

bool IniFile::save(const std::function<void(Appendix&)>& writeAppendix) {
    return saveWith(&writeAppendix);
}

bool IniFile::saveWith(const std::function<void(Appendix&)>* writeAppendix) {
    if (m_path.isEmpty() || m_loadRefused)
        return false;
    const QFileInfo info(m_path);
    if (info.exists() && !info.isWritable())
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(toBytes()) < 0)
        return false;
    if (writeAppendix) {
        Appendix appendix(file);
        (*writeAppendix)(appendix);
        appendix.flush();
        if (appendix.m_failed)
            return false;
    }
    if (!file.commit())
        return false;
    m_modified = false;
    m_wasRead = true;
    return true;
}

void IniFile::Appendix::section(QStringView name) {
    const qsizetype start = m_piece.size();
    m_piece.append(u'[').append(trimmed(name)).append(u']');
    endLine(start);
}

void IniFile::Appendix::key(QStringView key, QStringView value) {
    const qsizetype start = m_piece.size();
    m_piece.append(key).append(u'=').append(value);
    endLine(start);
}

void IniFile::Appendix::endLine(qsizetype start) {
    // A line break in a name or value would split its line in two when the file is read again.
    std::replace_if(m_piece.begin() + start, m_piece.end(), isLineBreak, u' ');
    m_piece.append(u"\r\n");
    // Encoded a piece at a time, as the file's own lines are.
    if (m_piece.size() >= kSavePiece)
        flush();
}

void IniFile::Appendix::flush() {
    if (!m_piece.isEmpty() && m_out.write(toCp1252(m_piece)) < 0)
        m_failed = true;
    m_piece.clear();
}

} // namespace common
