// The main window's Build and Record commands and the disc commands.
#include "common/Paths.h"
#include "editor/disc/DiscBuild.h"
#include "editor/gui/disc/BurnerDialog.h"
#include "editor/gui/disc/DiscCommands.h"
#include "editor/gui/items/ItemDialogContext.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "ui/services/ChooserService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"

#include <QDir>

using Msg = ui::MessageBoxService;

void MainWindow::buildDiscClicked() {
    click();
    if (!m_state.projectFolder.isEmpty())
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, message(u"M26"));
    const QString folder = m_services.choosers.chooseFolder(
        m_state.language.text(u"T59"), {}, itemrules::chooserStartFolder(m_state.projectFolder));
    if (folder.isEmpty())
        return;
    const DiscTexts& texts = m_burnDialog->discCommands().texts();
    // Lumbrel's own folders, the design's and the categories' would be overwritten by the disc.
    if (discbuild::isRefusedTarget(folder, m_state)) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 texts[DiscTexts::BuildRefused].arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_wait->begin();
    const discbuild::Result result = discbuild::build(folder, m_state, m_items);
    m_wait->end();
    if (!result.written) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 message(u"M58").arg(result.failedFolder));
        return;
    }
    // A menu without its program, texts or icons shows nothing: say what is missing instead of
    // offering to start it.
    if (!result.missingFiles.isEmpty()) {
        m_services.messages.show(Msg::Kind::Warning, Msg::Buttons::Ok,
                                 DiscTexts::missingFilesMessage(message(u"M60"), result.missingFiles));
        return;
    }
    // The user's own files stay where the disc's runtime would go; the disc does without it.
    if (!result.keptFiles.isEmpty()) {
        m_services.messages.show(Msg::Kind::Warning, Msg::Buttons::Ok,
                                 texts.keptFilesMessage(result.keptFiles));
        return;
    }
    const QString disc = common::withTrailingSeparator(QDir::toNativeSeparators(folder));
    if (m_services.messages.show(Msg::Kind::Question, Msg::Buttons::YesNo, message(u"M27")) ==
        Msg::Answer::Yes)
        m_services.shell.startProgram(disc + QStringLiteral("tiv.exe"), disc);
}

void MainWindow::burnerClicked() {
    click();
    m_burnDialog->exec();
}

void MainWindow::writeImageClicked() {
    m_burnDialog->writeImageClicked();
}

void MainWindow::burnDiscClicked() {
    m_burnDialog->burnDiscClicked();
}
