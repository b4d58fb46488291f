#include "common/FileSafeName.h"

namespace common {

QString fileSafeName(QString caption) {
    for (QChar& c : caption) {
        switch (c.unicode()) {
        case u'"':
        case u'*':
        case u'/':
        case u':':
        case u'<':
        case u'>':
        case u'?':
        case u'\\':
        case u'|':
            c = u'_';
            break;
        default:
            break;
        }
    }
    return caption;
}

} // namespace common
