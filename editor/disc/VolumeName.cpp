#include "editor/disc/VolumeName.h"

namespace volumename {
namespace {

const QString kFallback = QStringLiteral("CDROM");

bool isDCharacter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

bool jolietForbids(QChar c) {
    return c.unicode() < 0x20 || c == u'*' || c == u'/' || c == u':' || c == u';' || c == u'?' ||
           c == u'\\' || c.isSurrogate();
}

// Letters that do not fall apart into a base letter and marks.
QString spelledOut(QChar c) {
    switch (c.unicode()) {
    case u'ß':
        return QStringLiteral("SS");
    case u'Æ':
    case u'æ':
        return QStringLiteral("AE");
    case u'Œ':
    case u'œ':
        return QStringLiteral("OE");
    case u'Ø':
    case u'ø':
        return QStringLiteral("O");
    case u'Đ':
    case u'đ':
    case u'Ð':
    case u'ð':
        return QStringLiteral("D");
    case u'Ł':
    case u'ł':
        return QStringLiteral("L");
    case u'Þ':
    case u'þ':
        return QStringLiteral("TH");
    default:
        return {};
    }
}

// Latin letters with marks lose the marks (Ü -> U, é -> E), and a few letters are spelled out
// (ß -> SS), so that a name keeps its letters where ISO 9660 has no room for them.
QString transliterated(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (const QString spelled = spelledOut(c); !spelled.isEmpty()) {
            out += spelled;
            continue;
        }
        for (const QChar part : QString(c).normalized(QString::NormalizationForm_D)) {
            if (part.category() != QChar::Mark_NonSpacing)
                out += part;
        }
    }
    return out;
}

} // namespace

QString iso(const QString& cdName) {
    QString name = transliterated(cdName.trimmed()).toUpper().left(kIsoLength);
    for (QChar& c : name) {
        if (!isDCharacter(c))
            c = u'_';
    }
    return name.isEmpty() ? kFallback : name;
}

QString joliet(const QString& cdName) {
    return forImage(cdName).left(kJolietLength);
}

QString forImage(const QString& cdName) {
    QString name = cdName.trimmed().left(kIsoLength);
    for (QChar& c : name) {
        if (jolietForbids(c))
            c = u'_';
    }
    return name.isEmpty() ? kFallback : name;
}

} // namespace volumename
