#pragma once

#include "menu/MenuState.h"
#include "menu/gui/DesignedDialog.h"
#include "ui/services/Services.h"

#include <atomic>
#include <functional>

class QComboBox;
class QModelIndex;
class QFileSystemModel;
class QTreeView;
class NewFolderDialog;

namespace menu {
struct DesignLook;
class UnzipModule;
} // namespace menu
namespace ui {
class GaugeBar;
class ShadowButton;
} // namespace ui

// The copy dialog: copies the current target into a folder of the viewer's choice, or unzips it
// there. A drive selector and the folder tree of the chosen drive, which keep their place between
// openings; a progress bar; and the buttons new folder, start, explore and exit.
class CopyDialog : public menu::DesignedDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 273;
    static constexpr int kClientHeight = 309;
    // Copies start in blocks of 8 KiB and grow while the disc keeps up, so that the bar moves and
    // the window answers after every block whatever the speed of the drive.
    static constexpr qint64 kFirstCopyBlock = 8192;
    static constexpr qint64 kLargestCopyBlock = 4 * 1024 * 1024;

    CopyDialog(ui::Services services, const menu::MenuState& state, const menu::UnzipModule& unzip,
               NewFolderDialog* newFolderDialog, QWidget* parent = nullptr);

    // Opens the dialog, window-modal, for the state's copy mode: the bar at 0 and the caption of
    // the mode and the language.
    void openForMode();

    // The folder selected in the tree, as the platform writes it.
    QString selectedFolder() const;
    // The selected folder with one trailing separator.
    QString destinationFolder() const;
    // Chooses the drive that holds `folder` and selects the folder in the tree.
    void selectFolder(const QString& folder);
    // The drive roots on offer: drive letters on Windows, mounted file systems elsewhere.
    QStringList drives() const;

    void applyLanguage(const menu::LanguageFile& language);
    void applyDesign(const menu::DesignLook& look);

    static QString captionFor(menu::CopyMode mode, int language);

    void reject() override;

private:
    // The buttons: copy or unzip into the selected folder, stop that while it runs, make a new
    // folder in it, show it in the file manager, leave.
    void copyOrUnzip();
    // The file being written when the viewer stops is not left behind.
    void stopCopying();
    void makeNewFolder();
    void exploreFolder();
    void cancel();
    void layoutControls();
    void fillDrives();
    void showDrive(const QString& root);
    void hideOtherDrives(const QModelIndex& parent, int first, int last);
    void setButtonsEnabled(bool enabled);
    void runCopy(const QString& destinationFolder);
    void runUnzip(const QString& destinationFolder);
    // Runs `work` on a thread of its own while the dialog keeps answering, and returns when it ends.
    void runInBackground(const std::function<void()>& work);
    // Sets the bar from any thread.
    void postProgress(int value);
    void information(const QString& text);

    ui::Services m_services;
    const menu::MenuState& m_state;
    const menu::UnzipModule& m_unzip;
    NewFolderDialog* m_newFolderDialog;
    bool m_busy = false;
    std::atomic<bool> m_stop{false};
    QString m_driveRoot; // with '/' separators
    bool m_revealSelection = false;

    QComboBox* m_driveBox;
    QFileSystemModel* m_model;
    QTreeView* m_folderTree;
    ui::GaugeBar* m_progressGauge;
    ui::ShadowButton* m_newFolderButton;
    ui::ShadowButton* m_startButton;
    ui::ShadowButton* m_stopButton; // in the start button's place while a copy or unzip runs
    ui::ShadowButton* m_browseButton;
    ui::ShadowButton* m_cancelButton;
};
