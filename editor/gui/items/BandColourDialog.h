#pragma once

#include "language/TranslatableWindow.h"

#include <QColor>
#include <QDialog>

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

    void setColor(const QColor& color);
    QColor color() const;
    // Language 1 shows each swatch with its name, language 2 the swatch alone.
    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    ui::ColorBox* colorBox() const { return m_box; }

private:
    ui::ColorBox* m_box;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
