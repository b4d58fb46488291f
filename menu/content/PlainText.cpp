#include "menu/content/PlainText.h"

#include "common/Cp1252.h"
#include "common/Cp437.h"

#include <QTextDocument>

namespace menu {

QString readPlainText(QByteArrayView bytes, TextEncoding encoding, qsizetype maxLines) {
    QString text = encoding == TextEncoding::Dos437 ? common::fromCp437(bytes) : common::fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    qsizetype lines = 0;
    for (qsizetype end = text.indexOf(u'\n'); end >= 0; end = text.indexOf(u'\n', end + 1)) {
        if (++lines >= maxLines) {
            text.truncate(end);
            break;
        }
    }
    // DOS texts often end in the end-of-file character.
    while (text.endsWith(QChar(0x1A)))
        text.chop(1);
    return text;
}

QString plainToolTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

} // namespace menu
