#pragma once

#include <QColor>
#include <QDialog>

class QComboBox;

// Chooses one of the sixteen named colours, for the grid's band colours.
class Tcolor_chooseform : public QDialog {
    Q_OBJECT
public:
    explicit Tcolor_chooseform(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    QColor color() const;
    // Language 1 shows each swatch with its name, language 2 the swatch alone.
    void setShowNames(bool show);

    QComboBox* colorBox() const { return m_box; }

private:
    QComboBox* m_box;
};
