#include "editor/cli/CommandTexts.h"

#include "editor/language/WindowTexts.h"

#include <iterator>

namespace {

const QString kSection = QStringLiteral("CommandLine");

const char* const kEnglish[] = {
    "Usage: Lumbre COMMAND PROJECT.lbp [OPTIONS]",
    "Commands:",
    "build the disc folder (without --to: into the project folder)",
    "build into the project folder, then write the disc image",
    "run the project check and save the project; --dry-run changes nothing",
    "write the item list; the extension chooses the format",
    "show this help",
    "show the version",
    "Answers to the questions that the windows ask (without them the command refuses):",
    "the category file to use when the project's cannot be found",
    "the design file to use when the project's cannot be found",
    "replace an existing image or export file",
    "write the image although Windows will see names shortened or changed",
    "write the image although links are left out",
    "check: save the project although characters become question marks",
    "check: take the first folder where a file turned up in several",
    "Other options:",
    "refuse an image that does not fit on a CD or a DVD",
    "Exit status: 0 done, 1 done with warnings, 2 bad command line, 3 failure.",
    "No command given.",
    "Unknown command %1.",
    "%1 is not an option of %2.",
    "%1 needs a value.",
    "%1 is given twice.",
    "Unexpected argument %1.",
    "%1 needs a project file (PROJECT.lbp).",
    "%1 needs %2.",
    "The medium %1 is not known: use cd or dvd.",
    "%1 has no export format: end the name in .txt, .csv, .html, .docx or .xlsx.",
    "Lumbre --help lists the commands.",
    "The project file %1 does not exist. Nothing has been written.",
    "The project file %1 cannot be read. Nothing has been written.",
    "%1 is not a Lumbrel project file. Nothing has been written.",
    "The category file %1 of the project cannot be found. Nothing has been written. Name the one to use "
    "with --category-file FILE.lbc.",
    "The design file %1 of the project cannot be found. Nothing has been written. Name the one to use with "
    "--design-file FILE.lbd.",
    "The design names these files, but they lie outside its folders, so the disc goes without them:%1",
    "The project names no project folder, so there is no disc folder. Nothing has been written.",
    "%1 exists already. Nothing has been written. Add --replace to replace it.",
    "%1 is a symbolic link, and Lumbrel writes nothing through a link. Nothing has been written.",
    "Add --accept-renamed to write the image all the same.",
    "Add --accept-left-out-links to write the image all the same.",
    "The file %1 of the item %2 turned up in several folders:%3",
    "Add --first-found to take the first of them. Nothing has been written.",
    "Some characters cannot be stored in %1, because it holds Windows-1252 text only. They would be written "
    "as question marks:%2",
    "Nothing has been written. Add --accept-lost-characters to write all the same.",
    "Project read: %1 (%2 items)",
    "Building the disc folder ...",
    "Disc folder built: %1",
    "Replaced: %1 (%2): %3 -> %4",
    "Removed, its file is gone: %1 (%2, %3)",
    "Check done: %1 replaced, %2 removed",
    "Nothing has been changed (--dry-run).",
    "The check changed nothing; the project file stays as it is.",
    "Project saved: %1",
    "Export written: %1",
};
static_assert(std::size(kEnglish) == CommandTexts::LastKey);

struct HelpLine {
    const char* synopsis;
    CommandTexts::Key text;
};

// The commands and options are the same words in every language; what they do is translated.
const HelpLine kCommandLines[] = {
    {"build  PROJECT.lbp [--to DISC_FOLDER]", CommandTexts::BuildHelp},
    {"image  PROJECT.lbp --iso FILE.iso", CommandTexts::ImageHelp},
    {"check  PROJECT.lbp [--dry-run]", CommandTexts::CheckHelp},
    {"export PROJECT.lbp --to FILE.{txt,csv,html,docx,xlsx}", CommandTexts::ExportHelp},
    {"--help", CommandTexts::HelpHelp},
    {"--version", CommandTexts::VersionHelp},
};
const HelpLine kAnswerLines[] = {
    {"--category-file FILE.lbc", CommandTexts::CategoryFileHelp},
    {"--design-file FILE.lbd", CommandTexts::DesignFileHelp},
    {"--replace", CommandTexts::ReplaceHelp},
    {"--accept-renamed", CommandTexts::AcceptRenamedHelp},
    {"--accept-left-out-links", CommandTexts::AcceptLeftOutLinksHelp},
    {"--accept-lost-characters", CommandTexts::AcceptLostCharactersHelp},
    {"--first-found", CommandTexts::FirstFoundHelp},
};
const HelpLine kOtherLines[] = {
    {"--medium cd|dvd", CommandTexts::MediumHelp},
};

} // namespace

CommandTexts::CommandTexts() {
    for (int key = 1; key <= LastKey; ++key)
        m_texts.insert(key, QString::fromUtf8(kEnglish[key - 1]));
}

void CommandTexts::read(const common::IniFile& file) {
    for (int key = 1; key <= LastKey; ++key) {
        const QString text = windowText(file, kSection, key);
        m_texts.insert(key, text.isEmpty() ? QString::fromUtf8(kEnglish[key - 1]) : text);
    }
}

QString CommandTexts::help() const {
    const CommandTexts& t = *this;
    QString text = t[Usage] + QStringLiteral("\n");
    const auto block = [&](Key heading, const auto& lines) {
        text += QStringLiteral("\n") + t[heading] + QStringLiteral("\n");
        for (const HelpLine& line : lines)
            text += QStringLiteral("  ") + QString::fromUtf8(line.synopsis) + QStringLiteral("\n      ") +
                    t[line.text] + u'\n';
    };
    block(CommandsHeading, kCommandLines);
    block(AnswersHeading, kAnswerLines);
    block(OtherHeading, kOtherLines);
    return text + QStringLiteral("\n") + t[ExitHelp] + QStringLiteral("\n");
}
