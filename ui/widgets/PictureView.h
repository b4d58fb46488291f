#pragma once

#include <QFrame>
#include <QImage>

class QMovie;

namespace ui {

// A picture in a sunken frame, scaled to fit while keeping its proportions and centred on the
// view's colour. Reads bitmaps, icons (the largest picture of the file), JPEG and GIF; an
// animated GIF plays.
class PictureView : public QFrame {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    // False, and an empty view, when the file holds no readable picture.
    bool load(const QString& path);
    // Shows a picture that does not come from a file (a pasted one).
    void setPicture(const QImage& picture);
    void clear();

    void setBackgroundColor(const QColor& color);
    const QColor& backgroundColor() const { return m_background; }

    bool hasPicture() const;
    bool isAnimated() const { return m_movie != nullptr; }
    // The picture (or the animation's current frame) at its own size.
    QImage picture() const;
    // Where the picture is drawn inside the view.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    QMovie* m_movie = nullptr;
    QColor m_background = Qt::black;
};

} // namespace ui
