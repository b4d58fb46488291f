// The menu window's buttons and menu commands.
#include "menu/gui/MenuWindow.h"

#include "menu/gui/CopyDialog.h"
#include "menu/gui/CoverDialog.h"
#include "menu/gui/InfoWindow.h"
#include "menu/gui/ItemDetails.h"
#include "menu/gui/MenuAboutDialog.h"
#include "ui/services/ClipboardService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/SideBarMenu.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// Commands

void MenuWindow::startItem() {
    // The first enabled of unzip, start and copy.
    if (m_unzipButton->isEnabled())
        unzipItem();
    else if (m_runButton->isEnabled())
        runItem();
    else if (m_copyButton->isEnabled())
        copyItem();
}

void MenuWindow::copyItem() {
    clickSound();
    m_state.copyMode = menu::CopyMode::Copy;
    m_copyDialog->openForMode();
}

void MenuWindow::unzipItem() {
    clickSound();
    m_state.copyMode = menu::CopyMode::Unzip;
    m_copyDialog->openForMode();
}

void MenuWindow::runItem() {
    clickSound();
    const QString target = m_details->target();
    // A folder (a jump point's target) is explored; everything else opened or started. An
    // address may end in a slash too, and is no folder.
    const bool folder =
        target.endsWith(u'\\') || (QDir::isAbsolutePath(target) && target.endsWith(QDir::separator()));
    if (folder) {
        if (!m_services.shell.explore(target))
            information(menu::ownMessages(m_state.language.texts.language).folderNotOpened.arg(target));
    } else
        m_services.shell.open(target);
}

void MenuWindow::information(const QString& text) {
    m_services.messages.show(ui::MessageBoxService::Kind::Information, ui::MessageBoxService::Buttons::Ok,
                             text);
}

void MenuWindow::showInformation() {
    clickSound();
    const menu::LanguageTexts& texts = m_state.language.texts;
    if (m_itemList->selectedItems().isEmpty()) {
        information(texts.noFile);
        return;
    }
    const QString file = companionFile(QStringLiteral(".txt"));
    if (file.isEmpty()) {
        information(texts.noInfo);
        return;
    }
    m_infoWindow->prepareInformation(
        texts.informationCaption +
        (texts.language == 1 ? QStringLiteral(" über ") : QStringLiteral(" for ")) +
        QFileInfo(m_details->target()).fileName());
    m_infoWindow->clearText();
    QString error;
    if (!m_infoWindow->loadFile(file, InfoWindow::Encoding::Windows1252, &error)) {
        information(menu::ownMessages(texts.language).cannotOpen.arg(QDir::toNativeSeparators(file), error));
        return;
    }
    m_infoWindow->open();
    // Shown, the view knows its width and so where its lines wrap.
    m_infoWindow->fitToText();
}

void MenuWindow::showZipText(const QString& ending) {
    const menu::LanguageTexts& texts = m_state.language.texts;
    const bool diz = ending == u"diz";
    const QString archive = m_details->target();
    // The last matching entry is the one shown.
    QString entry;
    for (const QString& name : menu::listArchiveEntries(archive)) {
        if (name.right(3).toLower() == ending)
            entry = name;
    }
    if (entry.isEmpty()) {
        information(diz ? texts.noZip : texts.noNfo);
        return;
    }
    if (!m_unzip.isLoaded()) {
        information(m_unzip.unavailableMessage());
        return;
    }
    // Only the beginning of a text is shown; a larger entry is not written out at all, however
    // small it is packed.
    if (menu::storedSize(archive, entry) > InfoWindow::kMaxTextBytes) {
        information(menu::ownMessages(texts.language)
                        .tooLargeToShow.arg(entry, archive,
                                            QString::number(InfoWindow::kMaxTextBytes / (1024 * 1024))));
        return;
    }
    // A private folder of its own, gone again when the window closes.
    auto folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tiv-text-XXXXXX"));
    if (!folder->isValid()) {
        information(menu::ownMessages(texts.language).cannotOpen.arg(entry, folder->errorString()));
        return;
    }
    const QString baseName = entry.mid(std::max(entry.lastIndexOf(u'/'), entry.lastIndexOf(u'\\')) + 1);
    const QString textPath = QDir::toNativeSeparators(QDir(folder->path()).filePath(baseName));
    const menu::ExtractReport report = m_unzip.extract(
        archive, {entry}, folder->path(), {.recreateFolders = false, .overwrite = true, .exactNames = true});
    if (!report.complete()) {
        const QString problems = report.problems();
        information(QStringLiteral("Error in Extract; Fatal DLL Exception") +
                    (problems.isEmpty() ? QString() : QStringLiteral("\n\n") + problems));
    }

    const int language = texts.language;
    const QString caption =
        diz ? (language == 1 ? QStringLiteral("File_id.diz für ") : QStringLiteral("File_id.diz for "))
            : (language == 1 ? QStringLiteral("Nfo über ") : QStringLiteral("Nfo for "));
    m_infoWindow->prepareZipText(caption + QFileInfo(archive).fileName());
    m_infoWindow->clearText();
    QString error;
    if (!m_infoWindow->loadFile(textPath, InfoWindow::Encoding::Dos437, &error)) {
        information(menu::ownMessages(language).cannotOpen.arg(textPath, error));
        return;
    }
    m_infoWindow->setTemporaryText(std::move(folder), textPath);
    m_infoWindow->open();
    m_infoWindow->fitToText();
}

void MenuWindow::printCover() {
    clickSound();
    m_coverDialog->openDialog();
}

void MenuWindow::showZipTextMenu() {
    clickSound();
    m_zipMenu->popup(m_textMenuButton->mapToGlobal(QPoint(0, m_textMenuButton->height())));
}

void MenuWindow::showAboutMenu() {
    clickSound();
    m_aboutMenu->popup(m_aboutButton->mapToGlobal(QPoint(0, m_aboutButton->height())));
}

void MenuWindow::exitMenu() {
    clickSound();
    playSound(2);
    close();
}

void MenuWindow::showAboutBox() {
    m_aboutBox->move(geometry().center() - m_aboutBox->rect().center());
    m_aboutBox->open();
}

void MenuWindow::openHomePage(const QString& address) {
    m_services.shell.open(address);
}

void MenuWindow::copySerial() {
    m_services.clipboard.setText(m_details->serial());
}
