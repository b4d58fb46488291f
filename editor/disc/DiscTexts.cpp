#include "editor/disc/DiscTexts.h"

#include "common/IniFile.h"
#include "editor/language/WindowTexts.h"

#include <QDir>

namespace {

using Outcome = DiscJobResult::Outcome;

const QString kSection = QStringLiteral("DiscImage");
constexpr double kBytesPerMegabyte = 1000.0 * 1000.0;
// A message names at most this many files of one list, and says how many more there are.
constexpr qsizetype kListedNames = 30;

const char* const kEnglish[] = {
    "Write Disc Image",
    "Burn Disc",
    "Medium:",
    "CD (700 MB)",
    "DVD (4.7 GB)",
    "Writer:",
    "Cancel",
    "Preparing ...",
    "Writing the image",
    "Burning the disc",
    "Checking the disc",
    "%1 MB of %2 MB",
    "Disc Image",
    "Tavik - Lumbrel - Disc Image",
    "The disc image %1 has been written.",
    "The disc image could not be written to %1. Check that you may write there and that there is enough "
    "free space, then try again.",
    "The disc folder could not be read completely, so nothing has been written. Build the project again "
    "and try once more.",
    "The disc needs %1 MB, but the medium holds only %2 MB. Nothing has been written. Remove files from "
    "the project or choose a larger medium.",
    "Writing was cancelled. No disc image has been written.",
    "No disc writer was found. Connect a writer, check that you may use it, and try again.",
    "Several writers were found. Choose one in the list and press Burn Disc again.",
    "There is no disc in the writer. Insert a blank or appendable disc and try again.",
    "The disc in the writer cannot be written: it already holds data, is closed or is of a kind that this "
    "writer cannot write. Insert a blank disc and try again.",
    "The disc could not be burned. It is not complete and must not be used.",
    "The burned disc does not match the image. It must not be used.",
    "Burning was cancelled. If writing had begun, the disc is not complete and must not be used.",
    "The disc has been burned and checked against the image. It is ready to use.",
    "The image cannot be saved inside the disc folder, because it would then hold itself. Choose a place "
    "outside the folder.",
    "The disc cannot be built into %1: it is the folder of Lumbrel or its Files folder, the folder of the "
    "design or of the category file, or the top folder of a drive. Nothing has been written. Choose another "
    "folder.",
    "The disc folder has been built, but these files of yours lie where Lumbrel puts files of its own. They "
    "have been kept, so the disc lacks Lumbrel's files. Move them away, then build again.%1",
    "These files or folders cannot be read, or cannot be put on a disc (pipes and devices), so nothing has "
    "been written. Make them readable or move them out of the disc folder, then try again.%1",
    "Not everything in the disc folder reaches the disc as it is.",
    "Windows will see these names shortened or changed, because they are longer than 103 characters or hold "
    "characters that Windows does not allow in names:",
    "These links are stored as the files and folders they point to:",
    "These links point outside the disc folder, to nothing, or to a folder that holds them, and are left "
    "out:",
    "Write the disc anyway?",
    "The disc in %1 (%2) already holds data. Burning erases all of it. Erase the disc and burn?",
    "Burn the disc folder onto the disc in %1 (%2)?",
    "The disc in the writer holds data and has not been erased. Nothing has been written.",
};
static_assert(std::size(kEnglish) == DiscTexts::LastKey);

QString megabytes(std::int64_t bytes) {
    return QString::number(double(bytes) / kBytesPerMegabyte, 'f', 1);
}

// Names below a message's text, one a line.
QString nameList(const QStringList& names) {
    QString list = QStringLiteral("\n\n") + names.mid(0, kListedNames).join(u'\n');
    if (names.size() > kListedNames)
        list += QStringLiteral("\n… (+%1)").arg(names.size() - kListedNames);
    return list;
}

} // namespace

DiscTexts::DiscTexts() {
    for (int key = 1; key <= LastKey; ++key)
        m_texts.insert(key, QString::fromUtf8(kEnglish[key - 1]));
}

void DiscTexts::read(const common::IniFile& file) {
    for (int key = 1; key <= LastKey; ++key) {
        const QString text = windowText(file, kSection, key);
        m_texts.insert(key, text.isEmpty() ? QString::fromUtf8(kEnglish[key - 1]) : text);
    }
}

QString DiscTexts::outcomeMessage(const DiscJobResult& result, const QString& imageFile, bool burning) const {
    const DiscTexts& t = *this;
    QString text;
    switch (result.outcome) {
    case Outcome::Done:
        text = burning ? t[Burned] : t[ImageWritten].arg(QDir::toNativeSeparators(imageFile));
        break;
    case Outcome::Cancelled:
        text = burning ? t[BurnCancelled] : t[ImageCancelled];
        break;
    case Outcome::SourceUnreadable:
        text = t[SourceUnreadable];
        break;
    case Outcome::TargetFailed:
        text = t[TargetFailed].arg(QDir::toNativeSeparators(imageFile));
        break;
    case Outcome::NoWriter:
        text = t[NoWriter];
        break;
    case Outcome::NoMedium:
        text = t[NoMedium];
        break;
    case Outcome::MediumNotWritable:
        text = t[MediumNotWritable];
        break;
    case Outcome::MediumHoldsData:
        text = t[HoldsDataRefused];
        break;
    case Outcome::TooSmall:
        text = t[TooSmall].arg(megabytes(result.needed), megabytes(result.available));
        break;
    case Outcome::WriteFailed:
        text = t[WriteFailed];
        break;
    case Outcome::VerifyFailed:
        text = t[VerifyFailed];
        break;
    }
    // The library's or the system's own words help whoever has to find the cause.
    if (!result.ok() && !result.detail.trimmed().isEmpty())
        text += QStringLiteral("\n\n") + result.detail.trimmed();
    return text;
}

QString DiscTexts::unreadableMessage(const discimage::ImagePlan& plan) const {
    return (*this)[Unreadable].arg(nameList(plan.unreadable));
}

QString DiscTexts::changesMessage(const discimage::ImagePlan& plan) const {
    QString text = (*this)[ChangesIntro];
    const std::pair<Key, const QStringList*> lists[] = {
        {RenamedNames, &plan.renamed}, {LinksLeftOut, &plan.linksLeftOut}, {LinksStored, &plan.linksStored}};
    for (const auto& [heading, names] : lists) {
        if (!names->isEmpty())
            text += QStringLiteral("\n\n") + (*this)[heading] + nameList(*names);
    }
    return text;
}

QString DiscTexts::missingFilesMessage(const QString& text, const QStringList& files) {
    const QString list = nameList(files);
    return text.contains(QStringLiteral("%1")) ? text.arg(list) : text + list;
}

QString DiscTexts::keptFilesMessage(const QStringList& files) const {
    return (*this)[KeptFiles].arg(nameList(files));
}
