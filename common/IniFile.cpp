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

bool hasLineBreak(QStringView s) {
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c == u'\n' || c == u'\r'; });
}

// A line break in a written name or value would split its line in two when the file is read again.
QString withoutLineBreaks(QStringView s) {
    QString text = s.toString();
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r')
            c = u' ';
    }
    return text;
}

} // namespace

IniFile::IniFile(QString path) : IniFile(std::move(path), ReadLimits{}) {}

IniFile::IniFile(QString path, ReadLimits limits) : m_path(std::move(path)) {
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
    parse(fromCp1252(bytes), std::max<qsizetype>(limits.maxLines, 0));
    m_loadRefused = m_cut;
    m_wasRead = true;
}

void IniFile::parse(const QString& text, qsizetype maxLines) {
    QStringView rest(text);
    for (qsizetype count = 0; !rest.isEmpty(); ++count) {
        if (count == maxLines) {
            m_cut = true;
            return;
        }
        qsizetype end = rest.indexOf(u'\n');
        QStringView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QStringView() : rest.sliced(end + 1);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView t = trimmed(line);
        // A line that opens a bracket without closing it is no header, as with the profile functions.
        const qsizetype close = t.startsWith(u'[') ? t.lastIndexOf(u']') : -1;
        if (close > 0) {
            Section section;
            section.header = line.toString();
            section.name = trimmed(t.mid(1, close - 1)).toString();
            m_sectionsByName[fold(section.name)].push_back(m_sections.size());
            m_sections.push_back(std::move(section));
        } else {
            m_sections.back().lines.push_back(parseLine(line.toString()));
        }
    }
}

IniFile::Line IniFile::parseLine(QString text) {
    Line line;
    const QStringView view(text);
    qsizetype start = 0;
    while (start < view.size() && view[start].isSpace())
        ++start;
    const qsizetype eq = view.indexOf(u'=', start);
    if (eq >= 0 && view[start] != u';') {
        qsizetype keyEnd = eq;
        while (keyEnd > start && isBlank(view[keyEnd - 1]))
            --keyEnd;
        qsizetype valueStart = eq + 1, valueEnd = view.size();
        while (valueStart < valueEnd && view[valueStart].isSpace())
            ++valueStart;
        while (valueEnd > valueStart && view[valueEnd - 1].isSpace())
            --valueEnd;
        line.keyStart = start;
        line.keyLength = keyEnd - start;
        line.valueStart = valueStart;
        line.valueLength = valueEnd - valueStart;
    }
    line.text = std::move(text);
    return line;
}

IniFile::Line IniFile::keyLine(QStringView key, const QString& value) {
    Line line;
    line.text.reserve(key.size() + 1 + value.size());
    line.text.append(key).append(u'=').append(value);
    line.keyStart = 0;
    line.keyLength = key.size();
    // Reads see the value trimmed, as they will once the file is read again.
    const QStringView stored = trimmed(QStringView(line.text).sliced(key.size() + 1));
    line.valueStart = stored.data() - line.text.constData();
    line.valueLength = stored.size();
    return line;
}

const IniFile::Section* IniFile::findSection(QStringView name) const {
    name = trimmed(name);
    // Readers and writers ask for the same section many times in a row; the last answer saves
    // folding the name for the hash.
    if (m_lastFound > 0 && name.compare(m_sections[m_lastFound].name, Qt::CaseInsensitive) == 0)
        return &m_sections[m_lastFound];
    const auto it = m_sectionsByName.constFind(fold(name));
    if (it == m_sectionsByName.cend())
        return nullptr;
    m_lastFound = it->front();
    return &m_sections[m_lastFound];
}

IniFile::Section* IniFile::findSection(QStringView name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

IniFile::Section& IniFile::sectionForWriting(QStringView name) {
    name = trimmed(name);
    if (Section* s = findSection(name))
        return *s;
    Section section;
    section.name = name.toString();
    section.header = u'[' + section.name + u']';
    m_sectionsByName[fold(name)].push_back(m_sections.size());
    m_sections.push_back(std::move(section));
    return m_sections.back();
}

qsizetype IniFile::findKey(const Section& section, QStringView key) const {
    const auto& lines = section.lines;
    if (qsizetype(lines.size()) <= kLinearKeySearchLimit) {
        for (qsizetype i = 0; i < qsizetype(lines.size()); ++i) {
            // Case folding keeps the length, so only keys of equal length can match.
            if (lines[i].isKey() && lines[i].keyLength == key.size() &&
                lines[i].key().compare(key, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
    if (!section.keyIndexBuilt) {
        section.keyIndex.clear();
        // Walking backwards leaves the first of several equal keys in the index.
        for (qsizetype i = qsizetype(lines.size()) - 1; i >= 0; --i) {
            if (lines[i].isKey())
                section.keyIndex[fold(lines[i].key())] = i;
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
    return i < 0 ? nullptr : &s->lines[i];
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
    QStringView value = line->value();
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
    m_modified = true;
    const qsizetype i = findKey(s, key);
    if (i >= 0) {
        Line& line = s.lines[i];
        line = keyLine(line.key(), value);
        return;
    }
    // A new key follows the section's last key (or its last non-blank line), ahead of the blank
    // lines that separate it from the next section.
    auto pos = s.lines.end();
    auto lastKey = std::find_if(s.lines.rbegin(), s.lines.rend(), [](const Line& l) { return l.isKey(); });
    if (lastKey != s.lines.rend())
        pos = lastKey.base();
    else
        while (pos != s.lines.begin() && trimmed(std::prev(pos)->text).isEmpty())
            --pos;
    const qsizetype index = pos - s.lines.begin();
    s.lines.insert(pos, keyLine(key, value));
    if (s.keyIndexBuilt) {
        if (index == qsizetype(s.lines.size()) - 1)
            s.keyIndex.insert(fold(key), index);
        else
            s.keyIndexBuilt = false;
    }
}

void IniFile::writeInteger(QStringView section, QStringView key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::eraseSection(QStringView section) {
    const auto it = m_sectionsByName.find(fold(section));
    if (it == m_sectionsByName.end())
        return;
    for (const std::size_t i : *it) {
        m_sections[i].erased = true;
        m_sections[i].lines.clear();
    }
    m_sectionsByName.erase(it);
    m_lastFound = 0;
    m_modified = true;
}

void IniFile::deleteKey(QStringView section, QStringView key) {
    Section* s = findSection(section);
    if (!s)
        return;
    const qsizetype i = findKey(*s, key);
    if (i < 0)
        return;
    s->lines.erase(s->lines.begin() + i);
    s->keyIndexBuilt = false;
    m_modified = true;
}

QByteArray IniFile::toBytes() const {
    QString text;
    qsizetype size = 0;
    for (const Section& s : m_sections) {
        size += s.header.size() + 2;
        for (const Line& l : s.lines)
            size += l.text.size() + 2;
    }
    text.reserve(size);
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& s = m_sections[i];
        if (s.erased)
            continue;
        if (i > 0)
            text.append(s.header).append(u"\r\n");
        for (const Line& l : s.lines)
            text.append(l.text).append(u"\r\n");
    }
    return toCp1252(text);
}

bool IniFile::save() {
    if (m_path.isEmpty() || m_loadRefused)
        return false;
    const QFileInfo info(m_path);
    if (!m_modified && info.exists())
        return true;
    if (info.exists() && !info.isWritable())
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(toBytes());
    if (!file.commit())
        return false;
    m_modified = false;
    m_wasRead = true;
    return true;
}

} // namespace common
