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

    // Fills the empty fields (name, date, fonts) and rebuilds the content list unless the viewer
    // left its first line empty.
    void prepare();
    // Prepares the dialog and opens it modally, centred.
    void openDialog();

    void loadBackgroundClicked();
    void clearBackgroundClicked();
    void loadLogoClicked();
    void clearLogoClicked();
    void contentListClicked();
    void printCoverClicked();
    void cancelClicked();

    // The page as the fields describe it, pictures loaded.
    menu::CoverPage coverPage() const;

    void applyLanguage(const menu::LanguageFile& language);
    void applyDesign(const menu::DesignLook& look);

    ContentDialog* contentDialog() const { return m_contentDialog; }
    const QString& backgroundFile() const { return m_backgroundFile; }
    const QString& logoFile() const { return m_logoFile; }

    // The picture chooser's filters.
    static QString pictureFilter();

private:
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

    QLineEdit* m_cdname;
    QLineEdit* m_cdnr;
    QLineEdit* m_cddate;
    ui::ColorBox* m_cdnamecolor;
    ui::ColorBox* m_cdnamefcolor;
    ui::ColorBox* m_cdnrcolor;
    ui::ColorBox* m_cdnrfcolor;
    ui::ColorBox* m_cddatecolor;
    ui::ColorBox* m_cddatefcolor;
    ui::ColorBox* m_sidescolor;
    ui::ColorBox* m_sidesfcolor;
    QFontComboBox* m_cdnamefont;
    QFontComboBox* m_cdnrfont;
    QFontComboBox* m_cddatefont;
    QFontComboBox* m_sidesfont;
    QComboBox* m_zolLogo;
    QLabel* m_backName;
    QLabel* m_logoName;

    std::vector<std::pair<int, ui::EffectLabel*>> m_labels; // by their key in the language file
    QFrame* m_coverGroup;
    QFrame* m_controlGroup;
    ui::EffectLabel* m_coverHead;
    ui::EffectLabel* m_controlHead;
    std::vector<ui::ShadowButton*> m_buttons;
    ui::ShadowButton* m_backload;
    ui::ShadowButton* m_backclear;
    ui::ShadowButton* m_logoload;
    ui::ShadowButton* m_logoclear;
    ui::ShadowButton* m_contentview;
    ui::ShadowButton* m_printcover;
    ui::ShadowButton* m_cancel;

    ContentDialog* m_contentDialog;
};
