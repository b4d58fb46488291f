#pragma once

#include "menu/gui/DesignedDialog.h"

namespace ui {
class EffectLabel;
class ShadowButton;
class ShellService;
} // namespace ui

namespace menu {

// The about box of the menu program: product, version, a few words on the menu and the product
// home page, in the disc's design and language.
class MenuAboutDialog : public DesignedDialog {
    Q_OBJECT
public:
    MenuAboutDialog(ui::ShellService& shell, QWidget* parent = nullptr);

    // "Tavik - Lumbrel " followed by the disc name.
    void setDiscName(const QString& discName);
    // The description in the disc's language; English for any language but German.
    void setLanguage(int language);
    void applyDesign(const DesignLook& look);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openHomePage();
    // Stacks the texts at the heights their lines need and sizes the box around them.
    void layoutControls();

    ui::ShellService& m_shell;
    ui::EffectLabel* m_productName;
    ui::EffectLabel* m_version;
    ui::EffectLabel* m_description;
    ui::EffectLabel* m_homeLink;
    ui::ShadowButton* m_ok;
};

} // namespace menu
