#include "editor/cli/CommandSession.h"
#include "editor/cli/Commands.h"
#include "editor/project/ProjectCheck.h"
#include "editor/project/ProjectFile.h"
#include "editor/project/UnstorableText.h"

#include <QFileInfo>

namespace cli {
namespace {

// The folders where a file turned up, for the one who decides.
QString folderList(const QStringList& folders) {
    return QStringLiteral("\n") + folders.join(u'\n');
}

// Writes the checked items into the project file; false after saying why not.
bool saveProject(CommandSession& session, int& status) {
    const QString project = session.state.files.projectFile.path();
    if (QFileInfo(project).isSymLink()) {
        status = session.fail(session.texts[CommandTexts::IsLink].arg(project));
        return false;
    }
    const unstorable::Findings findings = unstorable::inProject(session.state, session.items);
    if (!findings.empty() && !session.options.acceptLostCharacters) {
        status = session.fail(
            session.texts[CommandTexts::LostCharacters].arg(project, unstorable::listing(findings)) +
                QStringLiteral("\n") + session.texts[CommandTexts::AddAcceptLostCharacters],
            BadCommandLine);
        return false;
    }
    if (!projectfile::save(project, session.state, session.items)) {
        status = session.fail(session.state.language.message(u"M57"));
        return false;
    }
    session.console.step(session.texts[CommandTexts::ProjectSaved].arg(project));
    return true;
}

} // namespace

int check(CommandSession& session) {
    if (!session.openProject())
        return Failed;
    const CommandTexts& t = session.texts;
    const Options& options = session.options;
    // Without --first-found nothing is chosen: the check goes on with the first folder only to
    // find out what else it would do, and nothing is written.
    QStringList undecided;
    const projectcheck::Report report = projectcheck::run(
        session.items, session.state.projectFolder, session.state.language.jumpPointText(),
        [&](const QString& name, const QString& fileName, const QStringList& folders) {
            if (!options.firstFound)
                undecided << t[CommandTexts::SeveralFolders].arg(fileName, name, folderList(folders));
            return 0;
        });
    if (report.projectFolderMissing)
        return session.fail(session.state.language.message(u"M84").arg(session.state.projectFolder));
    for (const projectcheck::Replacement& r : report.replaced)
        session.console.result(
            t[CommandTexts::Replaced].arg(r.name, r.fileName, r.oldSourceLocation, r.newSourceLocation));
    // Items whose files are gone are warnings: the disc will lack them.
    for (const projectcheck::Removal& r : report.removed)
        session.warn(t[CommandTexts::Removed].arg(r.name, r.fileName, r.sourceLocation));
    session.console.step(t[CommandTexts::CheckDone].arg(report.replaced.size()).arg(report.removed.size()));
    if (options.dryRun) {
        for (const QString& question : undecided)
            session.warn(question);
        session.console.step(t[CommandTexts::DryRun]);
        return session.finished();
    }
    if (!undecided.isEmpty())
        return session.fail(undecided.join(u'\n') + QStringLiteral("\n") + t[CommandTexts::AddFirstFound],
                            BadCommandLine);
    if (!report.changedAnything()) {
        session.console.step(t[CommandTexts::NothingChanged]);
        return session.finished();
    }
    int status = Failed;
    return saveProject(session, status) ? session.finished() : status;
}

} // namespace cli
