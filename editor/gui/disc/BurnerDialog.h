#pragma once

#include "editor/gui/items/ItemDialogContext.h"
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
    void buildDiscClicked();
    void writeBurnerProjectClicked();
    void cancelClicked();
    void helpClicked();
    // The built disc folder as an image file, and onto a disc; the main window's menu calls them too.
    void writeImageClicked();
    void burnDiscClicked();
    DiscCommands& discCommands() { return *m_disc; }
    // Text of the disc commands, for the main window's menu entries.
    QString writeImageText() const;
    QString burnDiscText() const;

    QComboBox* rs_c;
    QPushButton* generate;
    QPushButton* add;
    QPushButton* cancel;
    QPushButton* help;
    QComboBox* medium_c;
    QComboBox* writer_c;
    QPushButton* writeimage;
    QPushButton* burndisc;

private:
    std::function<void()> m_build;
    std::function<void(bool)> m_busy;
    QLabel* m_heading;
    QLabel* m_software;
    QLabel* m_medium;
    QLabel* m_writer;
    std::unique_ptr<DiscCommands> m_disc;
};
