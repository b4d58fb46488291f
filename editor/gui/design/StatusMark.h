#pragma once

#include <QWidget>

// A small round mark beside its caption: green while its state is on, red while it is off.
class StatusMark : public QWidget {
    Q_OBJECT
public:
    StatusMark(const char* name, const QString& caption, QWidget* parent = nullptr);

    void setOn(bool on);
    bool isOn() const { return m_on; }
    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    bool m_on = false;
};
