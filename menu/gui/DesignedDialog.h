#pragma once

#include "ui/widgets/Backdrop.h"

#include <QDialog>

namespace menu {

struct DesignLook;

// A dialog of the menu program: the design's window background lies behind its controls.
class DesignedDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    void setDesignBackground(const DesignLook& look);
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Backdrop m_backdrop;
};

} // namespace menu
