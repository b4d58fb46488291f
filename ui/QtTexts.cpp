#include "ui/QtTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ui {

QtTexts::~QtTexts() {
    follow(false);
}

bool QtTexts::follow(bool german) {
    if (m_installed) {
        QCoreApplication::removeTranslator(&m_translator);
        m_installed = false;
    }
    if (!german)
        return true;
    if (!m_translator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    m_installed = QCoreApplication::installTranslator(&m_translator);
    return m_installed;
}

} // namespace ui
