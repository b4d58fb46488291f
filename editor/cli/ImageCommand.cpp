#include "editor/cli/CommandSession.h"
#include "editor/cli/Commands.h"
#include "editor/disc/DiscImage.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace cli {
namespace {

constexpr unsigned long kProgressMilliseconds = 200;

// Whether the image may be written as planned; says why not.
bool agreedToPlan(CommandSession& session, const discimage::ImagePlan& plan, int& status) {
    const DiscTexts& t = session.discTexts;
    if (!plan.unreadable.isEmpty()) {
        status = session.fail(t.unreadableMessage(plan));
        return false;
    }
    const bool renamedRefused = !plan.renamed.isEmpty() && !session.options.acceptRenamed;
    const bool linksRefused = !plan.linksLeftOut.isEmpty() && !session.options.acceptLeftOutLinks;
    if (!renamedRefused && !linksRefused) {
        // Files left out of the image are named as a warning; names changed as the user agreed are told.
        if (!plan.linksLeftOut.isEmpty())
            session.warn(t.changesMessage(plan));
        else if (plan.needsConsent())
            session.console.step(t.changesMessage(plan));
        return true;
    }
    QString text = t.changesMessage(plan);
    if (renamedRefused)
        text += QStringLiteral("\n") + session.texts[CommandTexts::AddAcceptRenamed];
    if (linksRefused)
        text += QStringLiteral("\n") + session.texts[CommandTexts::AddAcceptLeftOutLinks];
    status = session.fail(text, BadCommandLine);
    return false;
}

QString stageText(const DiscTexts& t, DiscJobProgress::Stage stage) {
    return stage == DiscJobProgress::Stage::Preparing ? t[DiscTexts::Preparing] : t[DiscTexts::WritingImage];
}

} // namespace

int image(CommandSession& session) {
    if (!session.openProject())
        return Failed;
    const QString folder = session.state.projectFolder;
    if (folder.isEmpty())
        return session.fail(session.texts[CommandTexts::NoProjectFolder]);
    const QString imageFile = CommandSession::absolute(session.options.iso);
    if (discimage::isInsideFolder(imageFile, folder))
        return session.fail(session.discTexts[DiscTexts::ImageInsideDisc]);
    int status = Failed;
    if (!session.mayWrite(imageFile, status))
        return status;
    // Asked before the build, so that a refusal leaves the disc folder as it was; the build adds
    // only names and files that reach the image as they are.
    if (QFileInfo(folder).isDir() && !agreedToPlan(session, discimage::planImage(folder), status))
        return status;
    if (!buildDisc(session, folder))
        return Failed;
    const std::int64_t capacity = session.options.medium == u"cd"    ? discimage::kCdBytes
                                  : session.options.medium == u"dvd" ? discimage::kDvdBytes
                                                                     : 0;
    const QString cdName = session.state.cdName;
    DiscJobProgress progress;
    DiscJobResult result;
    QThread* worker = QThread::create(
        [&] { result = discimage::writeImage(folder, cdName, imageFile, capacity, progress); });
    worker->start();
    while (!worker->wait(kProgressMilliseconds))
        session.console.progress(stageText(session.discTexts, progress.stage), progress.done, progress.total);
    delete worker;
    const QString outcome = session.discTexts.outcomeMessage(result, imageFile, false);
    if (!result.ok())
        return session.fail(outcome);
    session.console.step(outcome);
    return session.finished();
}

} // namespace cli
