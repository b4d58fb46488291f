#include "editor/gui/mainwindow/ProjectFileCommands.h"

#include "editor/gui/UnstorableQuestion.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectSession.h"
#include "ui/services/ChooserService.h"
#include "ui/services/MessageBoxService.h"

using Msg = ui::MessageBoxService;

namespace {

const QString kCategoryFilter = QStringLiteral("Tavik - Lumbrel - Categoryfile|*.lbc");
const QString kDesignFilter = QStringLiteral("Tavik - Lumbrel - Designfile|*.lbd");
const QString kProjectFilter = QStringLiteral("Tavik - Lumbrel - Project|*.lbp");

} // namespace

ProjectFileCommands::ProjectFileCommands(ProjectSession& session, EditorState& state, const ItemTable& items,
                                         ui::Services services)
    : m_session(session), m_state(state), m_items(items), m_services(services) {}

bool ProjectFileCommands::open(const QString& projectFile) {
    using Missing = ProjectSession::Missing;
    ProjectSession::ChosenFiles chosen;
    // Each round settles one more file, so this ends after the design file at the latest.
    for (;;) {
        const ProjectSession::OpenResult result = m_session.open(projectFile, chosen);
        if (result.missing == Missing::Nothing) {
            if (!result.count.agrees())
                m_services.messages.show(
                    Msg::Kind::Warning, Msg::Buttons::Ok,
                    m_state.language.message(u"M85").arg(result.count.stored).arg(result.count.read));
            return true;
        }
        const bool category = result.missing == Missing::CategoryFile;
        if (m_services.messages.show(Msg::Kind::Error, Msg::Buttons::OkCancel,
                                     m_state.language.message(category ? u"M29" : u"M30")) != Msg::Answer::Ok)
            return false;
        const QString file =
            m_services.choosers.openFile({{},
                                          result.searchFolder,
                                          category ? kCategoryFilter : kDesignFilter,
                                          category ? QStringLiteral("lbc") : QStringLiteral("lbd"),
                                          {}});
        if (file.isEmpty())
            return false;
        (category ? chosen.categoryFile : chosen.designFile) = file;
    }
}

bool ProjectFileCommands::storableOrAccepted() const {
    return unstorable::confirm(m_services.messages, m_state.language,
                               unstorable::inProject(m_state, m_items));
}

void ProjectFileCommands::reportNotSaved() const {
    m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok, m_state.language.message(u"M57"));
}

bool ProjectFileCommands::save(const QString& saveDialogTitle) {
    if (!m_session.hasProjectFile())
        return saveAs(saveDialogTitle);
    if (!storableOrAccepted())
        return false;
    if (!m_session.save()) {
        reportNotSaved();
        return false;
    }
    return true;
}

bool ProjectFileCommands::saveAs(const QString& saveDialogTitle, bool askAboutCharacters) {
    const QString chosen =
        m_services.choosers.saveFile({saveDialogTitle, m_session.projectsFolder(), kProjectFilter,
                                      QStringLiteral("lbp"), m_state.saveDialogFileName});
    if (chosen.isEmpty() || (askAboutCharacters && !storableOrAccepted()))
        return false;
    if (!m_session.saveAs(chosen)) {
        reportNotSaved();
        return false;
    }
    return true;
}
