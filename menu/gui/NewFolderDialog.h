#pragma once

#include "menu/MenuState.h"
#include "menu/gui/DesignedDialog.h"
#include "ui/services/Services.h"

class QLineEdit;

namespace menu {
struct DesignLook;
}
namespace ui {
class ShadowButton;
}

// The new-folder dialog of the copy dialog: one field for the name of a folder to make in the
// copy dialog's selected folder.
class NewFolderDialog : public menu::DesignedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 182;
    static constexpr int kClientHeight = 73;

    NewFolderDialog(ui::Services services, const menu::MenuState& state, QWidget* parent = nullptr);

    // Opens the dialog, window-modal, for a new folder inside `parentFolder`; the field is emptied
    // and has the focus.
    void openFor(const QString& parentFolder);
    const QString& parentFolder() const { return m_parentFolder; }

    void applyLanguage(const menu::LanguageFile& language);
    void applyDesign(const menu::DesignLook& look);

Q_SIGNALS:
    void folderCreated(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void cancel();
    // Makes the folder named in the field; on success the dialog closes and reports the folder.
    // An empty name or an existing folder does nothing and the dialog stays open.
    void createFolder();

    ui::Services m_services;
    const menu::MenuState& m_state;
    QString m_parentFolder;
    QLineEdit* m_nameEdit;
    ui::ShadowButton* m_okButton;
    ui::ShadowButton* m_cancelButton;
};
