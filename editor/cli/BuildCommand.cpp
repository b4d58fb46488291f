#include "editor/cli/CommandSession.h"
#include "editor/cli/Commands.h"
#include "editor/disc/DiscBuild.h"

#include <QDir>
#include <QFileInfo>

namespace cli {

bool buildDisc(CommandSession& session, const QString& target) {
    const QString folder = QDir::toNativeSeparators(target);
    // Lumbrel's own folders, the design's and the categories' would be overwritten by the disc.
    if (discbuild::isRefusedTarget(target, session.state)) {
        session.fail(session.discTexts[DiscTexts::BuildRefused].arg(folder));
        return false;
    }
    session.console.progress(session.texts[CommandTexts::Building]);
    const discbuild::Result result = discbuild::build(target, session.state, session.items);
    if (!result.written) {
        session.fail(session.state.language.message(u"M58").arg(result.failedFolder));
        return false;
    }
    session.console.step(session.texts[CommandTexts::DiscBuilt].arg(folder));
    if (!result.missingFiles.isEmpty())
        session.warn(
            DiscTexts::missingFilesMessage(session.state.language.message(u"M60"), result.missingFiles));
    if (!result.keptFiles.isEmpty())
        session.warn(session.discTexts.keptFilesMessage(result.keptFiles));
    return true;
}

int build(CommandSession& session) {
    if (!session.openProject())
        return Failed;
    const QString target = session.options.to.isEmpty() ? session.state.projectFolder
                                                        : CommandSession::absolute(session.options.to);
    if (target.isEmpty())
        return session.fail(session.texts[CommandTexts::NoProjectFolder]);
    return buildDisc(session, target) ? session.finished() : Failed;
}

} // namespace cli
