#pragma once

#include "editor/language/TranslatableWindow.h"
#include "ui/services/Services.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
struct EditorState;

// The welcome screen at start-up: the ways into a project, and the interface language.
class WelcomeDialog : public QDialog, public TranslatableWindow {
    Q_OBJECT
public:
    // The main window's commands that the buttons lead to, run after the screen has closed.
    struct MainWindowHooks {
        std::function<void()> newProject;
        std::function<void()> openProject;
        std::function<void()> wizard;
        std::function<void(const QString& projectFile)> openLastProject;
        std::function<void(int language)> applyLanguage;
    };

    WelcomeDialog(EditorState& state, ui::Services services, QString settingsFile, MainWindowHooks hooks,
                  QWidget* parent = nullptr);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // Shows the screen modally and then runs the command of the button that closed it.
    void execute();
    // What opening does before the screen shows.
    void prepare();

    void done(int result) override;

private:
    void click() const;
    // Closes the screen; the command runs once it is gone.
    void closeThen(std::function<void()> command);
    void newProjectClicked();
    void openClicked();
    void wizardClicked();
    void openLastClicked();
    void cancelClicked();
    void languageChanged(int index);

    QLabel* m_heading;
    QPushButton* m_newProjectButton;
    QPushButton* m_openButton;
    QPushButton* m_wizardButton;
    QPushButton* m_openLastButton;
    QPushButton* m_cancelButton;
    QCheckBox* m_showNextTime;
    QComboBox* m_languageBox;

    EditorState& m_state;
    ui::Services m_services;
    QString m_settingsFile;
    MainWindowHooks m_hooks;
    QString m_lastProject;
    std::function<void()> m_afterClose;
};
