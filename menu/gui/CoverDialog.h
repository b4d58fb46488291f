#pragma once

#include "menu/MenuState.h"
#include "menu/cover/CoverPage.h"
#include "menu/gui/DesignedDialog.h"
#include "ui/services/Services.h"

#include <vector>

class ContentDialog;
class QComboBox;
class QFontComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace menu {
struct DesignLook;
}
namespace ui {
class ColorBox;
class EffectLabel;
class ShadowButton;
} // namespace ui

// The cover dialog: the texts, colours, fonts and pictures of a cover for the disc's jewel case,
// previewed and printed on one A4 sheet. Its fields keep their values while the program runs.
class CoverDialog : public menu::DesignedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 600;
    static constexpr int kClientHeight = 452;

    CoverDialog(ui::Services services, const menu::MenuState& state, QWidget* parent = nullptr);

    // Prepares the dialog and opens it modally, centred.
    void openDialog();

    // The page as the fields describe it, pictures loaded.
    menu::CoverPage coverPage() const;

    void applyLanguage(const menu::LanguageFile& language);
    void applyDesign(const menu::DesignLook& look);

    // The picture chooser's filters.
    static QString pictureFilter();

private:
    // Fills the empty fields (name, date, fonts) and rebuilds the content list unless the viewer
    // left its first line empty.
    void prepare();
    void loadBackground();
    void clearBackground();
    void loadLogo();
    void clearLogo();
    void showContentList();
    void printCover();
    void cancel();
    void createFields();
    void createButtons();
    ui::EffectLabel* addLabel(int key, const QString& caption, int left, int top, int width);
    ui::ColorBox* addColorBox(const char16_t* name, int key, const QString& caption, const QColor& initial,
                              int left, int top);
    QFontComboBox* addFontBox(const char16_t* name, int key, const QString& caption, int left, int top);
    ui::ShadowButton* addButton(const char16_t* name, const QString& caption, const QRect& geometry,
                                void (CoverDialog::*handler)());
    // The picture chooser: a readable file becomes `file`, shown by name; one that cannot be read
    // is reported and changes nothing.
    void choosePicture(QString& file, QLabel* name);
    void setPicture(QString& file, QLabel* name, const QString& chosen);
    void clickSound();
    // Each label at the dialog's font size or smaller, so that its text shows whole.
    void fitLabels();

    ui::Services m_services;
    const menu::MenuState& m_state;
    QString m_backgroundFile, m_logoFile;

    QLineEdit* m_cdNameEdit;
    QLineEdit* m_cdNumberEdit;
    QLineEdit* m_cdDateEdit;
    ui::ColorBox* m_cdNameBoxColour;
    ui::ColorBox* m_cdNameTextColour;
    ui::ColorBox* m_cdNumberBoxColour;
    ui::ColorBox* m_cdNumberTextColour;
    ui::ColorBox* m_cdDateBoxColour;
    ui::ColorBox* m_cdDateTextColour;
    ui::ColorBox* m_sidesColour;
    ui::ColorBox* m_sidesTextColour;
    QFontComboBox* m_cdNameFontBox;
    QFontComboBox* m_cdNumberFontBox;
    QFontComboBox* m_cdDateFontBox;
    QFontComboBox* m_sidesFontBox;
    QComboBox* m_discLogoBox;
    QLabel* m_backgroundFileName;
    QLabel* m_logoFileName;

    std::vector<std::pair<int, ui::EffectLabel*>> m_labels; // by their key in the language file
    QFrame* m_coverGroup;
    QFrame* m_controlGroup;
    ui::EffectLabel* m_coverHead;
    ui::EffectLabel* m_controlHead;
    std::vector<ui::ShadowButton*> m_buttons;
    ui::ShadowButton* m_loadBackgroundButton;
    ui::ShadowButton* m_clearBackgroundButton;
    ui::ShadowButton* m_loadLogoButton;
    ui::ShadowButton* m_clearLogoButton;
    ui::ShadowButton* m_contentListButton;
    ui::ShadowButton* m_printButton;
    ui::ShadowButton* m_cancelButton;

    ContentDialog* m_contentDialog;
};
