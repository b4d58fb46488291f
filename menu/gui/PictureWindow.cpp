#include "menu/gui/PictureWindow.h"

#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/PictureView.h"

#include <QPainter>

PictureWindow::PictureWindow(QWidget* menuWindow) : QWidget(menuWindow), m_menuWindow(menuWindow) {
    setObjectName(QStringLiteral("Tpicpreviewform"));
    setFloatingFlags();
    setWindowTitle(QStringLiteral("Thumbnail/Screenshot"));
    // Showing it must leave the keyboard with the menu window's item list.
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(kInitialSize);

    m_view = new ui::PictureView(this);
    m_view->setObjectName(QStringLiteral("picture"));
    m_noPicture = new ui::EffectLabel(QStringLiteral("No Screenshot available"), this);
    m_noPicture->setObjectName(QStringLiteral("nopicture"));
    m_noPicture->setAlignment(Qt::AlignCenter);
    m_noPicture->setWordWrap(true);
    m_noPicture->setBold(true);
    m_noPicture->hide();
    usePlainBackground();
}

void PictureWindow::setFloatingFlags() {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void PictureWindow::usePlainBackground() {
    m_usesDefault = false;
    m_background = ui::Backdrop::solid(m_plainColor);
    update();
}

void PictureWindow::setPlainColor(const QColor& color) {
    m_plainColor = color;
    if (!m_usesDefault)
        usePlainBackground();
}

void PictureWindow::useDefaultBackground() {
    m_usesDefault = true;
    // A design without a texture or gradient leaves the plain colour.
    m_background = m_defaultBackground.kind() == ui::Backdrop::Kind::Nothing
                       ? ui::Backdrop::solid(m_plainColor)
                       : m_defaultBackground;
    update();
}

void PictureWindow::setDefaultBackground(const ui::Backdrop& backdrop) {
    m_defaultBackground = backdrop;
    if (m_usesDefault)
        useDefaultBackground();
}

void PictureWindow::setNoPictureText(const QString& text) {
    m_noPicture->setText(text);
}

void PictureWindow::showNoPicture(bool shown) {
    m_noPicture->setVisible(shown);
}

bool PictureWindow::showsNoPicture() const {
    return !m_noPicture->isHidden();
}

void PictureWindow::dock(const QRect& place) {
    close();
    setParent(m_menuWindow, Qt::Widget);
    m_docked = true;
    setGeometry(place);
    raise();
}

void PictureWindow::undock() {
    close();
    setParent(m_menuWindow);
    setFloatingFlags();
    m_docked = false;
    resize(kUndockedSize);
}

void PictureWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
    m_noPicture->setGeometry(rect().adjusted(6, 6, -6, -6));
}

void PictureWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_background.paint(p, rect());
}
