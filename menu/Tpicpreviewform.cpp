#include "Tpicpreviewform.h"

#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/PictureView.h"

#include <QPainter>

Tpicpreviewform::Tpicpreviewform(QWidget* menuWindow) : QWidget(menuWindow), m_menuWindow(menuWindow) {
    setObjectName(QStringLiteral("picpreviewform"));
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

void Tpicpreviewform::setFloatingFlags() {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void Tpicpreviewform::usePlainBackground() {
    m_usesDefault = false;
    m_background = ui::Backdrop::solid(m_plainColor);
    update();
}

void Tpicpreviewform::setPlainColor(const QColor& color) {
    m_plainColor = color;
    if (!m_usesDefault)
        usePlainBackground();
}

void Tpicpreviewform::useDefaultBackground() {
    m_usesDefault = true;
    // A design without a texture or gradient leaves the plain colour.
    m_background = m_defaultBackground.kind() == ui::Backdrop::Kind::Nothing ? ui::Backdrop::solid(m_plainColor)
                                                                              : m_defaultBackground;
    update();
}

void Tpicpreviewform::setDefaultBackground(const ui::Backdrop& backdrop) {
    m_defaultBackground = backdrop;
    if (m_usesDefault)
        useDefaultBackground();
}

void Tpicpreviewform::setNoPictureText(const QString& text) { m_noPicture->setText(text); }

void Tpicpreviewform::showNoPicture(bool shown) { m_noPicture->setVisible(shown); }

bool Tpicpreviewform::showsNoPicture() const { return !m_noPicture->isHidden(); }

void Tpicpreviewform::dock(const QRect& place) {
    close();
    setParent(m_menuWindow, Qt::Widget);
    m_docked = true;
    setGeometry(place);
    raise();
}

void Tpicpreviewform::undock() {
    close();
    setParent(m_menuWindow);
    setFloatingFlags();
    m_docked = false;
    resize(kUndockedSize);
}

void Tpicpreviewform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
    m_noPicture->setGeometry(rect().adjusted(6, 6, -6, -6));
}

void Tpicpreviewform::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_background.paint(p, rect());
}
