#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/language/TranslatableWindow.h"

class QPlainTextEdit;
namespace ui {
class PictureView;
}

enum class ItemInfoMode { Text, Picture };

// Creates, replaces and deletes an item's information text or its screenshot, the companion files
// that the menu program shows.
class ItemInfoEditor : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    ItemInfoEditor(ItemDialogContext& context, QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // The command: checks the item, then shows the editor modally.
    void openFor(ItemInfoMode mode, int row);
    // The checks, the mode and the companion's content, without showing the editor; false (with
    // the reason shown) when the item can have no companion.
    bool prepare(ItemInfoMode mode, int row);
    ItemInfoMode mode() const { return m_mode; }
    // Where the edited item's companion of the current mode belongs.
    QString companionFile() const;
    // The companion is the item's own file: shown, never written or deleted.
    bool showsItemsOwnFile() const { return m_ownFile; }

    // Every way of closing leaves the picture box empty.
    void done(int result) override;

private:
    void applyMode();
    void loadCompanion();
    void refuse() const;
    // The item's own file is shown read-only, without the buttons that would change it.
    void applyOwnFile();
    void templateClicked();
    void clearClicked();
    void pasteClicked();
    void saveClicked();
    void deleteClicked();
    void cancelClicked();
    void helpClicked();

    QLabel* m_heading;
    QLabel* m_editGroupLabel;
    QLabel* m_fileGroupLabel;
    QLabel* m_textExplanation;
    QLabel* m_textNote;
    QLabel* m_pictureExplanation;
    QLabel* m_pictureNote;
    QPlainTextEdit* m_textEditor;
    ui::PictureView* m_pictureBox;
    QPushButton* m_templateButton;
    QPushButton* m_clearButton;
    QPushButton* m_pasteButton;
    QPushButton* m_saveButton;
    QPushButton* m_deleteButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;

    ItemInfoMode m_mode = ItemInfoMode::Text;
    int m_row = 0;
    bool m_ownFile = false;
    QString m_textFileGroup = QStringLiteral("Info File control");
    QString m_pictureFileGroup = QStringLiteral("Screenshot control");
};
