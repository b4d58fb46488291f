#pragma once

#include "editor/language/TranslatableWindow.h"
#include "ui/services/Services.h"

#include <QDialog>
#include <QString>

#include <functional>

class QAction;
class QGroupBox;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class CategoryList;
class IconChooserDialog;
struct EditorState;
namespace ui {
class EffectLabel;
}

// The category editor: the categories of a category file with their icons, a window over a
// CategoryList. It works on the project's category file and, when left with OK, makes its current
// file the project's.
class CategoryEditor : public QDialog, public TranslatableWindow {
    Q_OBJECT
public:
    CategoryEditor(EditorState& state, ui::Services services, IconChooserDialog* iconChooser,
                   QWidget* parent = nullptr);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Opens modally on the project's category file (the standard one when it has none); true when
    // the dialog was left with OK.
    bool execute();
    // What opening does before the dialog shows: the project's category file is loaded.
    void prepare();

    // Asks for a category's new caption, offering the old one; empty when cancelled. Without it,
    // Rename edits the caption in place in the list.
    std::function<QString(const QString& caption)> askNewCaption;

    // The categories as the editor shows them, and the file they came from or went to last; empty
    // for a new file.
    const CategoryList& categories() const { return *m_categories; }
    const QString& currentFile() const { return m_currentFile; }

    static QString iconsHomePage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // File commands
    void newCategoryFileClicked();
    void loadCategoryFileClicked();
    void saveCategoryFileClicked();
    void saveAsClicked();
    // Category commands
    void addCategoryClicked();
    void removeCategoryClicked();
    // Moves the selected category one place up (-1) or down (1).
    void moveSelected(int step);
    void renameClicked();
    void changeIconClicked();
    // Keys of the category list: Delete removes, F2 and Space rename.
    void categoryListKeyPressed(int key);
    // A caption edited in place in the list; an empty one keeps the old and is edited again.
    void captionEdited(int row, const QString& caption);
    // Leaving
    void okClicked();
    void cancelClicked();
    void helpClicked();
    void iconsHomePageClicked();

    void click() const;
    void message(const char16_t* key) const;
    bool load(const QString& path);
    // Save and Save As; true when the file was written.
    bool save();
    bool saveAs();
    bool writeTo(const QString& path);
    void select(int row);
    int selectedRow() const;
    void setTitleToFile();
    void updateButtons();

    QGroupBox* m_filePanel;
    QGroupBox* m_itemPanel;
    QPushButton* m_newFileButton;
    QPushButton* m_loadFileButton;
    QPushButton* m_saveFileButton;
    QPushButton* m_saveAsButton;
    QListView* m_categoryList;
    QLineEdit* m_captionEdit;
    QPushButton* m_addButton;
    QPushButton* m_removeButton;
    QPushButton* m_upButton;
    QPushButton* m_downButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;
    QMenu* m_itemPopup;
    QAction* m_renameAction;
    QAction* m_changeIconAction;
    ui::EffectLabel* m_moreIconsLink;

    EditorState& m_state;
    ui::Services m_services;
    IconChooserDialog* m_iconChooser;
    CategoryList* m_categories;
    QString m_currentFile;
};
