#include "ui/services/HelpService.h"

namespace ui {

QString HelpService::htmlFileFor(const QString& helpFile) {
    QString html = helpFile;
    if (html.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive))
        html.chop(4);
    return html + QStringLiteral(".html");
}

} // namespace ui
