#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {
class ShellService;
}

namespace menu {

// The about box of the menu program: product, version and the product home page.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(ui::ShellService& shell, QWidget* parent = nullptr);

    // "Tavik - Lumbrel " followed by the disc name.
    void setDiscName(const QString& discName);

    QLabel* productName() const { return m_productName; }
    QLabel* homeLink() const { return m_homeLink; }
    void homeLinkClick();

private:
    ui::ShellService& m_shell;
    QLabel* m_productName;
    QLabel* m_homeLink;
    QPushButton* m_ok;
};

} // namespace menu
