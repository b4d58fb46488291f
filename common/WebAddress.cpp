#include "common/WebAddress.h"

namespace common {

bool isAddress(const QString& value) {
    for (const QStringView scheme : {u"http://", u"https://", u"ftp://", u"mailto:"}) {
        if (value.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString homePageAddress(const QString& homePage) {
    if (isAddress(homePage))
        return homePage;
    // Host names that the Windows shell completed to an address.
    if (homePage.startsWith(u"www", Qt::CaseInsensitive))
        return QStringLiteral("http://") + homePage;
    if (homePage.startsWith(u"ftp.", Qt::CaseInsensitive))
        return QStringLiteral("ftp://") + homePage;
    return {};
}

} // namespace common
