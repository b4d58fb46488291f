#pragma once

#include "gui/items/ItemDialogContext.h"
#include "language/TranslatableWindow.h"

#include <functional>

// Hands the built project folder to the recording program through a project file of its own.
class BurnerDialog : public ItemDialog, public TranslatableWindow {
    Q_OBJECT
public:
    BurnerDialog(ItemDialogContext& context, std::function<void()> build, std::function<void(bool)> busy,
                 QWidget* parent);

    void applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) override;

    // The project file that OK writes, in the editor's "Files" folder.
    QString projectFile() const;
    void generateClick();
    void addClick();
    void cancelClick();
    void helpClick();

    QComboBox* rs_c;
    QPushButton* generate;
    QPushButton* add;
    QPushButton* cancel;
    QPushButton* help;

private:
    std::function<void()> m_build;
    std::function<void(bool)> m_busy;
    QLabel* m_heading;
    QLabel* m_software;
};
