#pragma once

#include "menu/MenuState.h"
#include "menu/gui/DesignedDialog.h"
#include "ui/services/Services.h"

#include <QStringList>

class QFrame;
class QTextEdit;

namespace menu {
struct DesignLook;
}
namespace ui {
class EffectLabel;
class ShadowButton;
} // namespace ui

// The content dialog: the disc's content list in an editable text area, printed on its own.
class ContentDialog : public menu::DesignedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 521;
    static constexpr int kClientHeight = 470;

    ContentDialog(ui::Services services, const menu::MenuState& state, QWidget* parent = nullptr);

    void setContent(const QStringList& lines);
    QStringList content() const;
    // An empty first line keeps the viewer's list from being rebuilt.
    bool firstLineEmpty() const;

    // Opens the dialog, modal to its parent; `discName` names the print job.
    void openFor(const QString& discName);

    void applyLanguage(const menu::LanguageFile& language);
    void applyDesign(const menu::DesignLook& look);

private:
    void printContent();
    void cancel();

    ui::Services m_services;
    const menu::MenuState& m_state;
    QString m_discName;
    QTextEdit* m_contentEdit;
    QFrame* m_frame;
    ui::EffectLabel* m_heading;
    ui::ShadowButton* m_printButton;
    ui::ShadowButton* m_cancelButton;
};
