#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A progress bar in a sunken frame that fills from the bottom. The fill is a gradient laid over the
// whole height, so that it turns from the bottom colour towards the top colour as it rises.
class GaugeBar : public QWidget {
    Q_OBJECT
public:
    explicit GaugeBar(QWidget* parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    // The value is kept within the range.
    void setMaximum(int maximum);
    void setValue(int value);

    void setColors(const QColor& bottom, const QColor& top);
    const QColor& bottomColor() const { return m_bottom; }
    const QColor& topColor() const { return m_top; }

    // The share of the bar that is filled, 0 to 1.
    double fraction() const;

    QSize sizeHint() const override { return {24, 160}; }

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    QColor m_bottom = QColor(0, 255, 0);
    QColor m_top = QColor(255, 0, 0);
};

} // namespace ui
