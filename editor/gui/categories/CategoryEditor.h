#pragma once

#include "editor/language/TranslatableWindow.h"
#include "ui/services/Services.h"

#include <QDialog>
#include <QIcon>
#include <QStringList>

#include <functional>

class QAction;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class IconChooserDialog;
struct EditorState;
namespace ui {
class EffectLabel;
}

// The category editor: the categories of a category file with their icons. It works on the
// project's category file and, when left with OK, makes its current file the project's.
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

    // Commands
    void newCategoryFileClicked();
    void loadCategoryFileClicked();
    // Save and Save As; true when the file was written.
    bool saveCategoryFileClicked();
    bool saveAsClicked();
    void addCategoryClicked();
    void removeCategoryClicked();
    void moveUpClicked();
    void moveDownClicked();
    void renameClicked();
    void changeIconClicked();
    void okClicked();
    void cancelClicked();
    void helpClicked();
    void iconsHomePageClicked();
    // Keys of the category list: Delete removes, F2 and Space rename.
    void categoryListKeyPressed(int key);

    // The selected category (the first when none is selected) takes the caption; false and M6
    // for an empty caption.
    bool renameCategory(const QString& caption);

    // The state the commands work on.
    int count() const;
    QStringList captions() const;
    // Per category, the file its icon is copied from when the file is saved.
    const QStringList& iconSources() const { return m_iconSources; }
    // The index of the category's picture in the image list; -1 for none.
    int pictureOf(int row) const;
    int imageCount() const { return int(m_genreimage.size()); }
    const QString& currentFile() const { return m_currentFile; }
    bool isModified() const { return m_modified; }
    void select(int row);
    int selectedRow() const;

    static QString iconsHomePage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void click() const;
    void message(const char16_t* key) const;
    bool load(const QString& path);
    bool save();
    bool saveAs();
    bool writeTo(const QString& path);
    void clearLists();
    void appendCategory(const QString& caption, int picture, const QString& iconSource);
    int appendImage(const QString& iconFile);
    void setPicture(QListWidgetItem* item, int picture);
    void swapWith(int row, int other);
    void captionEdited(QListWidgetItem* item);
    void setTitleToFile();
    void updateButtons();

    QGroupBox* m_filePanel;
    QGroupBox* m_itemPanel;
    QPushButton* m_newFileButton;
    QPushButton* m_loadFileButton;
    QPushButton* m_saveFileButton;
    QPushButton* m_saveAsButton;
    QListWidget* m_categoryList;
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
    // The icon source list and the image list beside the category list.
    QStringList m_iconSources;
    QList<QIcon> m_genreimage;
    QString m_currentFile;
    bool m_modified = false;
    bool m_filling = false; // the lists change from code, not from an edit
};
