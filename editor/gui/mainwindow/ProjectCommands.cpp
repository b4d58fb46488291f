#include "editor/gui/mainwindow/ProjectCommands.h"

#include "common/Paths.h"
#include "editor/disc/DiscBuild.h"
#include "editor/export/ExportTable.h"
#include "editor/export/GridExport.h"
#include "editor/gui/UnstorableQuestion.h"
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/check/CheckChoiceDialog.h"
#include "editor/gui/check/CheckSummaryDialog.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/gui/disc/BurnerDialog.h"
#include "editor/gui/disc/DiscCommands.h"
#include "editor/gui/mainwindow/GridController.h"
#include "editor/gui/mainwindow/ItemCommands.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/WaitWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemRules.h"
#include "editor/project/ProjectCheck.h"
#include "editor/project/ProjectSession.h"
#include "ui/services/ChooserService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"

#include <QDir>
#include <QHeaderView>

using Msg = ui::MessageBoxService;

ProjectCommands::ProjectCommands(const CommandContext& context, ItemCommands& itemCommands,
                                 GridController& grid, CategoryEditor* categoryEditor,
                                 DesignEditor* designEditor, QWidget* window)
    : QObject(window), m_context(context), m_itemCommands(itemCommands), m_grid(grid),
      m_projectFiles(context.session, context.state, context.items, context.services),
      m_categoryEditor(categoryEditor), m_designEditor(designEditor) {
    ItemDialogContext& c = itemCommands.dialogContext();
    m_burnDialog = new BurnerDialog(
        c, [this] { buildDisc(); },
        [this](bool busy) { busy ? m_context.wait.begin() : m_context.wait.end(); }, window);
    m_checkChoice = new CheckChoiceDialog(c, window);
    m_checkSummary = new CheckSummaryDialog(c, window);
    for (TranslatableWindow* w :
         std::initializer_list<TranslatableWindow*>{m_burnDialog, m_checkChoice, m_checkSummary})
        m_context.host.registerTranslatable(w);
    createNewProjectWindows(window);
}

bool ProjectCommands::askToSave(const char16_t* messageKey, bool offerCancel) {
    if (!m_context.state.modified)
        return true;
    switch (m_context.services.messages.show(Msg::Kind::Question,
                                             offerCancel ? Msg::Buttons::YesNoCancel : Msg::Buttons::YesNo,
                                             m_context.message(messageKey))) {
    case Msg::Answer::Yes:
        return m_projectFiles.save(m_titles.save);
    case Msg::Answer::Cancel:
        return false;
    default:
        return true;
    }
}

bool ProjectCommands::openProject(const QString& file) {
    const bool opened = m_projectFiles.open(file);
    if (opened) {
        m_context.host.setProjectOpen(true);
        m_context.host.updateWindowTitle();
    }
    m_context.host.showCurrentRowInStatusLine();
    return opened;
}

void ProjectCommands::open() {
    m_context.click();
    if (!askToSave(u"M28"))
        return;
    const QString file = m_context.services.choosers.openFile(
        {m_titles.open,
         m_context.state.programFolder + QStringLiteral("projects") + QDir::separator(),
         QStringLiteral("Tavik - Lumbrel - Project|*.lbp"),
         QStringLiteral("lbp"),
         {}});
    if (!file.isEmpty())
        openProject(file);
}

void ProjectCommands::save() {
    m_context.click();
    m_projectFiles.save(m_titles.save);
    m_context.host.showCurrentRowInStatusLine();
}

void ProjectCommands::saveAs() {
    m_context.click();
    m_projectFiles.saveAs(m_titles.save);
}

void ProjectCommands::checkProject() {
    m_context.click();
    EditorState& state = m_context.state;
    const projectcheck::Report report =
        projectcheck::run(m_context.items, state.projectFolder, state.language.jumpPointText(),
                          [this](const QString& name, const QString& fileName, const QStringList& folders) {
                              return m_checkChoice->choose(name, fileName, folders);
                          });
    if (report.projectFolderMissing) {
        m_context.services.messages.show(
            Msg::Kind::Error, Msg::Buttons::Ok,
            state.language.message(u"M84").arg(QDir::toNativeSeparators(state.projectFolder)));
        return;
    }
    m_checkSummary->prepare(report);
    m_checkSummary->exec();
    // The grid has changed however the summary was closed, so the project must count as modified.
    if (report.changedAnything()) {
        state.modified = true;
        m_grid.recomputeRowColours();
    }
    m_context.host.showCurrentRowInStatusLine();
}

void ProjectCommands::editCategories() {
    m_context.click();
    m_context.state.newProjectCancelled = false;
    // Through the working copy, so that every item's category is resolved again against the list
    // the dialog leaves behind.
    m_context.session.workingCopyCycle([this] { m_categoryEditor->execute(); });
    m_context.host.showCurrentRowInStatusLine();
}

void ProjectCommands::editDesign() {
    m_context.click();
    m_designEditor->execute();
    // The project now names the design the dialog left behind.
    if (m_context.state.modified)
        m_context.session.saveGeneralToWorkingCopy();
}

void ProjectCommands::buildDisc() {
    m_context.click();
    EditorState& state = m_context.state;
    const ui::Services& services = m_context.services;
    if (!state.projectFolder.isEmpty())
        m_context.inform(u"M26");
    const QString folder = services.choosers.chooseFolder(state.language.text(u"T59"), {},
                                                          itemrules::chooserStartFolder(state.projectFolder));
    if (folder.isEmpty())
        return;
    const DiscTexts& texts = m_burnDialog->discCommands().texts();
    // Lumbrel's own folders, the design's and the categories' would be overwritten by the disc.
    if (discbuild::isRefusedTarget(folder, state)) {
        services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                               texts[DiscTexts::BuildRefused].arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_context.wait.begin();
    const discbuild::Result result = discbuild::build(folder, state, m_context.items);
    m_context.wait.end();
    if (!result.written) {
        services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                               m_context.message(u"M58").arg(result.failedFolder));
        return;
    }
    // A menu without its program, texts or icons shows nothing: say what is missing instead of
    // offering to start it.
    if (!result.missingFiles.isEmpty()) {
        services.messages.show(
            Msg::Kind::Warning, Msg::Buttons::Ok,
            DiscTexts::missingFilesMessage(m_context.message(u"M60"), result.missingFiles));
        return;
    }
    // The user's own files stay where the disc's runtime would go; the disc does without it.
    if (!result.keptFiles.isEmpty()) {
        services.messages.show(Msg::Kind::Warning, Msg::Buttons::Ok,
                               texts.keptFilesMessage(result.keptFiles));
        return;
    }
    const QString disc = common::withTrailingSeparator(QDir::toNativeSeparators(folder));
    if (services.messages.show(Msg::Kind::Question, Msg::Buttons::YesNo, m_context.message(u"M27")) ==
        Msg::Answer::Yes)
        services.shell.startProgram(disc + QStringLiteral("tiv.exe"), disc);
}

void ProjectCommands::openBurner() {
    m_context.click();
    m_burnDialog->exec();
}

void ProjectCommands::writeImage() {
    m_burnDialog->writeImageClicked();
}

void ProjectCommands::burnDisc() {
    m_burnDialog->burnDiscClicked();
}

QString ProjectCommands::writeImageText() const {
    return m_burnDialog->writeImageText();
}

QString ProjectCommands::burnDiscText() const {
    return m_burnDialog->burnDiscText();
}

void ProjectCommands::exportGrid(int format) {
    m_context.click();
    const auto chosenFormat = static_cast<ExportFormat>(format);
    const ExportFormatInfo info = exportFormatInfo(chosenFormat);
    const QString file =
        m_context.services.choosers.saveFile({m_titles.exportTitle, {}, info.filter, info.defaultSuffix, {}});
    if (file.isEmpty())
        return;
    // The fixed cells as the grid paints them.
    const ExportTable table =
        exportTableOf(m_context.items, m_grid.shownFields(),
                      m_grid.grid()->horizontalHeader()->palette().color(QPalette::Button));
    if (isCodePageFormat(chosenFormat) &&
        !unstorable::confirm(m_context.services.messages, m_context.state.language,
                             unstorable::inRows(table.rows)))
        return;
    const QString failure = writeGridExport(chosenFormat, table, file);
    if (!failure.isEmpty())
        m_context.services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                         QDir::toNativeSeparators(file) + QStringLiteral("\n\n") + failure);
}
