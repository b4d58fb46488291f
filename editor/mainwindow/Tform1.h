#pragma once

#include "ui/services/Services.h"

#include <QMainWindow>

// The editor's main window.
class Tform1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Tform1(ui::Services services, QWidget* parent = nullptr);

    static QString applicationTitle() { return QStringLiteral("Tavik - Lumbrel 4.0"); }

private:
    ui::Services m_services;
};
