#include "editor/gui/design/SplashPreview.h"

#include "ui/widgets/SplashScreen.h"

#include <QVBoxLayout>

namespace {
// A splash bitmap larger than any screen still gets a window that fits on one.
constexpr QSize kLargestWindow(1920, 1200);
} // namespace

SplashPreviewDialog::SplashPreviewDialog(QWidget* parent)
    : QDialog(parent), m_splash(new ui::SplashScreen(this)) {
    setObjectName(QStringLiteral("splashPreview"));
    setWindowTitle(QStringLiteral("Preview"));
    setModal(true);
    // The menu program's splash window, here lying inside the preview window.
    m_splash->setWindowFlags(Qt::Widget);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splash);
}

bool SplashPreviewDialog::load(const QString& path) {
    const QPixmap pixmap(path);
    m_splash->setPixmap(pixmap);
    if (!pixmap.isNull())
        setFixedSize(pixmap.size().boundedTo(kLargestWindow));
    return !pixmap.isNull();
}

void SplashPreviewDialog::release() {
    m_splash->setPixmap(QPixmap());
}

bool SplashPreviewDialog::hasBitmap() const {
    return !m_splash->pixmap().isNull();
}

void SplashPreviewDialog::setFrame(const QColor& color, int width) {
    m_splash->setFrame(color, width);
}
