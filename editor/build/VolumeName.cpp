#include "VolumeName.h"

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

} // namespace

QString iso(const QString& cdName) {
    QString name = cdName.trimmed().left(kIsoLength);
    for (QChar& c : name) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
        else if (!isDCharacter(c))
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
