#pragma once

#include "editor/language/TranslatableWindow.h"

#include <QColor>
#include <QDialog>

class QLabel;
class QPushButton;
namespace ui {
class ColorBox;
class SoundService;
} // namespace ui

// Chooses one of the sixteen named colours, for the grid's band colours.
class BandColourDialog : public QDialog, public TranslatableWindow {
    Q_OBJECT
public:
    // Its buttons play the click sound through `sound`, as every button of the editor does.
    explicit BandColourDialog(ui::SoundService& sound, QWidget* parent = nullptr);

    // The band colour being chosen ("Color 1" or "Color 2" in the current language) goes into the
    // title and above the list.
    void setBand(const QString& band);
    void setColor(const QColor& color);
    QColor color() const;
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    ui::ColorBox* colorBox() const { return m_box; }

protected:
    void changeEvent(QEvent* event) override;

private:
    QString m_title;
    QLabel* m_bandLabel;
    ui::ColorBox* m_box;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
