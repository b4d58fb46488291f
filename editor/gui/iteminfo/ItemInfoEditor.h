#pragma once

#include "editor/gui/items/ItemDialogContext.h"
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

    void templateClicked();
    void clearClicked();
    void pasteClicked();
    void saveClicked();
    void deleteClicked();
    void cancelClicked();
    void helpClicked();
    // Every way of closing leaves the picture box empty.
    void done(int result) override;

    QLabel* m_heading;        // label1
    QLabel* m_editGroupLabel; // LMDSimpleLabel1
    QLabel* m_fileGroupLabel;
    QLabel* m_textExplanation;     // Info_1
    QLabel* m_textNote;            // Info_2
    QLabel* m_pictureExplanation;  // Screen_1
    QLabel* m_pictureNote;         // Screen_2
    QPlainTextEdit* m_textEditor;  // RichEdit1
    ui::PictureView* m_pictureBox; // Image1
    QPushButton* m_templateButton; // new
    QPushButton* m_clearButton;    // LMDShapeLabelButton1
    QPushButton* m_pasteButton;    // paste
    QPushButton* m_saveButton;     // LMDShapeLabelButton2
    QPushButton* m_deleteButton;   // LMDShapeLabelButton4
    QPushButton* m_cancelButton;   // LMDShapeLabelButton3
    QPushButton* m_helpButton;     // LMDButton1

private:
    void applyMode();
    void loadCompanion();
    void refuse() const;
    // The item's own file is shown read-only, without the buttons that would change it.
    void applyOwnFile();

    ItemInfoMode m_mode = ItemInfoMode::Text;
    int m_row = 0;
    bool m_ownFile = false;
    QString m_textFileGroup = QStringLiteral("Info File control");
    QString m_pictureFileGroup = QStringLiteral("Screenshot control");
};
