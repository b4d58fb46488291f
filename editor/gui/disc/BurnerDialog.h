#pragma once

#include "editor/gui/ItemDialog.h"
#include "editor/language/TranslatableWindow.h"

#include <functional>
#include <memory>

class DiscCommands;

// Hands the built project folder to the recording program through a project file of its own.
class BurnerDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    BurnerDialog(ItemDialogContext& context, std::function<void()> build, std::function<void(bool)> busy,
                 QWidget* parent);
    ~BurnerDialog() override;

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // The project file that OK writes, in the editor's "Files" folder.
    QString projectFile() const;
    // The built disc folder as an image file, and onto a disc; the main window's menu calls them too.
    void writeImageClicked();
    void burnDiscClicked();
    DiscCommands& discCommands() { return *m_disc; }
    // Text of the disc commands, for the main window's menu entries.
    QString writeImageText() const;
    QString burnDiscText() const;

private:
    void buildDiscClicked();
    void writeBurnerProjectClicked();
    void cancelClicked();
    void helpClicked();

    QComboBox* m_softwareBox;
    QPushButton* m_buildButton;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
    QPushButton* m_helpButton;
    QComboBox* m_mediumBox;
    QComboBox* m_writerBox;
    QPushButton* m_writeImageButton;
    QPushButton* m_burnDiscButton;
    std::function<void()> m_build;
    std::function<void(bool)> m_busy;
    QLabel* m_heading;
    QLabel* m_software;
    QLabel* m_medium;
    QLabel* m_writer;
    std::unique_ptr<DiscCommands> m_disc;
};
