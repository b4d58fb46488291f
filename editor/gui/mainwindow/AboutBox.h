#pragma once

#include "ui/services/Services.h"

#include <QDialog>

// "Tavik - Lumbrel Informations ...": name, version, credits and the product's home page.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(ui::Services services, const QString& helpFile, QWidget* parent = nullptr);

private:
    ui::Services m_services;
    const QString& m_helpFile;
};
