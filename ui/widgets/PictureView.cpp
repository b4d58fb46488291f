#include "ui/widgets/PictureView.h"

#include "common/PictureFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QMovie>
#include <QPainter>

namespace ui {
namespace {

constexpr int kAllocationLimitMb = 256;

} // namespace

PictureView::PictureView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
}

PictureView::~PictureView() = default;

void PictureView::clear() {
    m_image = {};
    if (m_movie) {
        m_movie->stop();
        m_movie->deleteLater();
        m_movie = nullptr;
    }
    update();
}

bool PictureView::load(const QString& path) {
    clear();
    // Read once, within the pictures' limit: the file may be a pipe or a link to a device.
    const QByteArray bytes = common::readPictureBytes(path);
    if (bytes.isEmpty()) {
        update();
        return false;
    }
    if (QFileInfo(path).suffix().compare(u"gif", Qt::CaseInsensitive) == 0) {
        auto* movie = new QMovie(this);
        auto* buffer = new QBuffer(movie);
        buffer->setData(bytes);
        movie->setDevice(buffer);
        if (movie->isValid() && movie->frameCount() != 1) {
            m_movie = movie;
            connect(m_movie, &QMovie::frameChanged, this, [this] { update(); });
            m_movie->start();
        } else {
            delete movie;
        }
    }
    if (!m_movie)
        m_image = common::decodePicture(bytes, QFileInfo(path).suffix(), kAllocationLimitMb);
    update();
    return hasPicture();
}

void PictureView::setPicture(const QImage& picture) {
    clear();
    m_image = picture;
    update();
}

void PictureView::setBackgroundColor(const QColor& color) {
    m_background = color;
    update();
}

bool PictureView::hasPicture() const {
    return m_movie || !m_image.isNull();
}

QImage PictureView::picture() const {
    return m_movie ? m_movie->currentImage() : m_image;
}

QRect PictureView::pictureRect() const {
    const QRect area = contentsRect();
    const QSize size = m_movie ? m_movie->currentImage().size() : m_image.size();
    if (size.isEmpty() || area.isEmpty())
        return {};
    QRect r(QPoint(), size.scaled(area.size(), Qt::KeepAspectRatio));
    r.moveCenter(area.center());
    return r;
}

void PictureView::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(), m_background);
        const QRect target = pictureRect();
        if (!target.isEmpty()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(target, picture());
        }
    }
    QFrame::paintEvent(event);
}

} // namespace ui
