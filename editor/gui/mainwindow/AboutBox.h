#pragma once

#include "ui/services/Services.h"

#include <QDialog>

class LanguageTables;

// "Tavik - Lumbrel Informations ...": name, version, credits and the product's home page, in the
// current language. A part of the editor with a version of its own names itself below the
// product's name.
class EditorAboutDialog : public QDialog {
    Q_OBJECT
public:
    EditorAboutDialog(ui::Services services, const LanguageTables& texts, const QString& helpFile,
                      QWidget* parent = nullptr, const QString& part = {},
                      const QString& version = QStringLiteral("4.0"));

private:
    ui::Services m_services;
    const QString& m_helpFile;
};
