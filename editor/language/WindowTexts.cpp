#include "editor/language/WindowTexts.h"

#include "common/IniFile.h"

#include <QAction>

QString windowKey(int n) {
    return u'E' + QString::number(n);
}

QString windowText(const common::IniFile& file, QStringView section, int n) {
    return file.readString(section, windowKey(n));
}

void applyMenuTexts(const QList<QAction*>& entries, const common::IniFile& file, QStringView section,
                    int first, int last) {
    const auto isDividerLine = [](const QAction* a) { return a->isSeparator() && a->text().isEmpty(); };
    qsizetype next = 0;
    for (int n = first; n <= last; ++n) {
        const QString text = windowText(file, section, n);
        if (text == u"-") {
            if (next < entries.size() && isDividerLine(entries[next]))
                ++next;
            continue;
        }
        while (next < entries.size() && isDividerLine(entries[next]))
            ++next;
        if (next < entries.size())
            entries[next++]->setText(text);
    }
}

int fontReduction(const common::IniFile& file, int n) {
    return file.readInteger(u"General", QStringLiteral("DFontS%1").arg(n), n);
}

common::ColorLanguage colorLanguage(int language) {
    return language == 2 ? common::ColorLanguage::German : common::ColorLanguage::English;
}
