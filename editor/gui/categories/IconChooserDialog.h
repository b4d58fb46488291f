#pragma once

#include "editor/language/TranslatableWindow.h"
#include "ui/services/Services.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
struct EditorState;

// The icon chooser: picks one icon of the installed icon packs for a category. The pack list is
// made on the first opening and kept, with its selection, for the rest of the run.
class IconChooserDialog : public QDialog, public TranslatableWindow {
    Q_OBJECT
public:
    // Whether the chosen icon goes to a new category or replaces the icon of an existing one; the
    // category editor acts on it.
    enum class Mode { Add, Change };

    IconChooserDialog(EditorState& state, ui::Services services, QWidget* parent = nullptr);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Opens modally; true when an icon was chosen, whose file chosenIcon() then names.
    bool execute(Mode mode);
    // What opening does before the dialog shows: lists the packs the first time, loads the
    // selected pack's icons.
    void prepare(Mode mode);
    Mode mode() const { return m_mode; }
    const QString& chosenIcon() const { return m_chosen; }

private:
    void click() const;
    void loadPack(int pack);
    void iconPackChanged();
    void iconClicked();
    void okClicked();
    void cancelClicked();

    QGroupBox* m_packPanel;
    QComboBox* m_packBox;
    QListWidget* m_iconList;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;

    EditorState& m_state;
    ui::Services m_services;
    Mode m_mode = Mode::Add;
    QString m_chosen;
    bool m_listed = false;
};
