#pragma once

#include <QTranslator>

namespace ui {

// Qt's own texts (standard buttons, file and colour choosers, print dialogs) in the program's
// language. Qt brings them in English; German comes from Qt's catalogue in Qt's translations folder,
// which on a disc is the runtime's own (see qt.conf), so a German disc speaks German on a machine
// without Qt's translations.
class QtTexts {
public:
    QtTexts() = default;
    QtTexts(const QtTexts&) = delete;
    QtTexts& operator=(const QtTexts&) = delete;
    ~QtTexts();

    // Returns false when German is asked for and its catalogue cannot be read: Qt's texts stay English.
    bool follow(bool german);

private:
    QTranslator m_translator;
    bool m_installed = false;
};

} // namespace ui
