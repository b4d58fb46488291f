#pragma once

#include "ui/services/Services.h"

#include <QWidget>

// The menu window: a fixed window without a close box, centred on the screen.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 632;
    static constexpr int kClientHeight = 413;

    explicit TForm1(ui::Services services, QWidget* parent = nullptr);

private:
    ui::Services m_services;
};
