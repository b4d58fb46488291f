#include "common/Cp1252.h"

#include <algorithm>
#include <array>

namespace common {
namespace {

// Unicode code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isHighControl(char16_t c) {
    return c >= 0x80 && c < 0xA0;
}

char encodeOne(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

// Bytes and characters outside 0x80 to 0x9F are the same in Latin-1, which Qt converts a block at a
// time; only a text holding the rare others is gone through again.
QString fromCp1252(QByteArrayView bytes) {
    QString text = QString::fromLatin1(bytes);
    if (!std::any_of(bytes.begin(), bytes.end(), [](char b) { return isHighControl(char16_t(uchar(b))); }))
        return text;
    for (QChar& c : text) {
        if (isHighControl(c.unicode()))
            c = QChar(kHighControls[c.unicode() - 0x80]);
    }
    return text;
}

QByteArray toCp1252(QStringView text) {
    QByteArray bytes = text.toLatin1();
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return bytes;
    // One byte per UTF-16 unit, as Latin-1 gives them: a pair of surrogates stays two '?'.
    for (qsizetype i = 0; i < std::min(text.size(), bytes.size()); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0x80 && (u < 0xA0 || u > 0xFF))
            bytes[i] = encodeOne(u);
    }
    return bytes;
}

QString unencodableCharacters(QStringView text) {
    QString found;
    // Most texts are plain ASCII, which every code page stores.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character beyond the basic plane is one pair of surrogates: never encodable, told whole.
        const qsizetype length =
            c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView character = text.mid(i, length);
        i += length - 1;
        if (length == 1 && (c == u'?' || encodeOne(c.unicode()) != '?'))
            continue;
        if (!found.contains(character))
            found += character;
    }
    return found;
}

} // namespace common
