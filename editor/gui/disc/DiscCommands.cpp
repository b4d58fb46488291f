#include "editor/gui/disc/DiscCommands.h"

#include "common/FileSafeName.h"
#include "editor/disc/DiscBurner.h"
#include "editor/disc/DiscImage.h"
#include "editor/gui/ItemDialog.h"
#include "editor/project/EditorState.h"
#include "ui/services/ChooserService.h"
#include "ui/services/MessageBoxService.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using Msg = ui::MessageBoxService;
using Outcome = DiscJobResult::Outcome;

DiscProgressTexts progressTexts(const DiscTexts& t) {
    return {t[DiscTexts::Cancel],  t[DiscTexts::Preparing], t[DiscTexts::WritingImage],
            t[DiscTexts::Burning], t[DiscTexts::Verifying], t[DiscTexts::Amount]};
}

} // namespace

DiscCommands::DiscCommands(ItemDialogContext& context, QWidget* parent)
    : m_context(context), m_progress(new DiscProgressDialog(parent)) {}

void DiscCommands::applyTexts(const common::IniFile& file) {
    m_texts.read(file);
    m_progress->setTexts(progressTexts(m_texts));
}

bool DiscCommands::discFolderReady() const {
    if (!m_context.gate())
        return false;
    if (!QFileInfo(m_context.state.projectFolder + QStringLiteral("tiv.exe")).isFile()) {
        m_context.error(u"M9");
        return false;
    }
    return true;
}

void DiscCommands::writeImage(std::int64_t capacity) {
    if (!discFolderReady())
        return;
    const EditorState& state = m_context.state;
    ui::ChooserService::FileRequest request;
    request.title = m_texts[DiscTexts::WriteImage];
    request.folder = QFileInfo(QDir::cleanPath(state.projectFolder)).absolutePath();
    request.filter = m_texts[DiscTexts::ImageFilter] + QStringLiteral("|*.iso");
    request.defaultSuffix = QStringLiteral("iso");
    request.fileName = common::fileSafeName(state.cdName.isEmpty() ? QStringLiteral("disc") : state.cdName) +
                       QStringLiteral(".iso");
    const QString imageFile = m_context.services.choosers.saveFile(request);
    if (imageFile.isEmpty())
        return;
    if (discimage::isInsideFolder(imageFile, state.projectFolder)) {
        m_context.services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                         m_texts[DiscTexts::ImageInsideDisc]);
        return;
    }
    const QString folder = state.projectFolder;
    const QString cdName = state.cdName;
    if (!agreeToImage(folder))
        return;
    const DiscJobResult result = m_progress->run(m_texts[DiscTexts::Title], [=](DiscJobProgress& progress) {
        return discimage::writeImage(folder, cdName, imageFile, capacity, progress);
    });
    report(result, imageFile, false);
}

bool DiscCommands::agreeToImage(const QString& folder) {
    discimage::ImagePlan plan;
    m_progress->run(m_texts[DiscTexts::Title], [&plan, folder](DiscJobProgress&) {
        plan = discimage::planImage(folder);
        return DiscJobResult{};
    });
    Msg& messages = m_context.services.messages;
    if (!plan.unreadable.isEmpty()) {
        messages.show(Msg::Kind::Error, Msg::Buttons::Ok, m_texts.unreadableMessage(plan));
        return false;
    }
    if (!plan.needsConsent())
        return true;
    const QString text = m_texts.changesMessage(plan) + QStringLiteral("\n\n") + m_texts[DiscTexts::GoOn];
    return messages.show(Msg::Kind::Question, Msg::Buttons::YesNo, text) == Msg::Answer::Yes;
}

std::vector<discburner::Writer> DiscCommands::findWriters() {
    std::vector<discburner::Writer> writers;
    m_progress->run(m_texts[DiscTexts::Title], [this, &writers](DiscJobProgress&) {
        writers = scanWriters();
        return DiscJobResult{};
    });
    return writers;
}

void DiscCommands::burn(const discburner::Writer& writer) {
    if (!discFolderReady())
        return;
    const QString address = writer.address;
    discburner::Medium medium;
    m_progress->run(m_texts[DiscTexts::Title], [&medium, address](DiscJobProgress&) {
        medium = discburner::inspectMedium(address);
        return DiscJobResult{};
    });
    if (medium.usable != Outcome::Done) {
        report(DiscJobResult::failed(medium.usable, medium.detail), {}, true);
        return;
    }
    // Nothing is written before the user has seen which writer and which medium.
    const QString writerName =
        writer.name.isEmpty() ? address : writer.name + QStringLiteral(" (") + address + u')';
    const QString kind = medium.kind.isEmpty() ? QStringLiteral("?") : medium.kind;
    const QString question = m_texts[medium.holdsData ? DiscTexts::MediumHoldsData : DiscTexts::ConfirmBurn];
    if (m_context.services.messages.show(medium.holdsData ? Msg::Kind::Warning : Msg::Kind::Question,
                                         Msg::Buttons::YesNo,
                                         question.arg(writerName, kind)) != Msg::Answer::Yes)
        return;
    const bool mayErase = medium.holdsData;
    QTemporaryDir scratch;
    const QString imageFile = scratch.filePath(QStringLiteral("disc.iso"));
    const QString folder = m_context.state.projectFolder;
    const QString cdName = m_context.state.cdName;
    if (!scratch.isValid()) {
        report(DiscJobResult::failed(Outcome::TargetFailed, scratch.errorString()), imageFile, false);
        return;
    }
    if (!agreeToImage(folder))
        return;
    const DiscJobResult result = m_progress->run(m_texts[DiscTexts::Title], [=](DiscJobProgress& progress) {
        const DiscJobResult image = discimage::writeImage(folder, cdName, imageFile, 0, progress);
        if (!image.ok())
            return image;
        return discburner::burnImage(address, imageFile, true, mayErase, progress);
    });
    report(result, imageFile, true);
}

void DiscCommands::report(const DiscJobResult& result, const QString& imageFile, bool burning) {
    const Msg::Kind kind = result.ok()                            ? Msg::Kind::Information
                           : result.outcome == Outcome::Cancelled ? Msg::Kind::Warning
                                                                  : Msg::Kind::Error;
    m_context.services.messages.show(kind, Msg::Buttons::Ok,
                                     m_texts.outcomeMessage(result, imageFile, burning));
}
