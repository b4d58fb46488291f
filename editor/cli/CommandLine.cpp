#include "editor/cli/CommandLine.h"

#include "editor/export/GridExport.h"

#include <array>

namespace cli {
namespace {

struct CommandName {
    const char16_t* name;
    Command command;
};

constexpr std::array<CommandName, 6> kCommands{{
    {u"build", Command::Build},
    {u"image", Command::Image},
    {u"check", Command::Check},
    {u"export", Command::Export},
    {u"--help", Command::Help},
    {u"--version", Command::Version},
}};

// Which commands take an option.
enum Takers : unsigned {
    BuildTaker = 1u << int(Command::Build),
    ImageTaker = 1u << int(Command::Image),
    CheckTaker = 1u << int(Command::Check),
    ExportTaker = 1u << int(Command::Export),
    ProjectCommandTakers = BuildTaker | ImageTaker | CheckTaker | ExportTaker,
};

struct Option {
    const char16_t* name;
    unsigned takers;
    QString Options::*value; // null for a switch
    bool Options::*flag;     // null for an option with a value
};

const std::array<Option, 11> kOptions{{
    {u"--to", BuildTaker | ExportTaker, &Options::to, nullptr},
    {u"--iso", ImageTaker, &Options::iso, nullptr},
    {u"--medium", ImageTaker, &Options::medium, nullptr},
    {u"--dry-run", CheckTaker, nullptr, &Options::dryRun},
    {u"--category-file", ProjectCommandTakers, &Options::categoryFile, nullptr},
    {u"--design-file", ProjectCommandTakers, &Options::designFile, nullptr},
    {u"--replace", ImageTaker | ExportTaker, nullptr, &Options::replace},
    {u"--accept-renamed", ImageTaker, nullptr, &Options::acceptRenamed},
    {u"--accept-left-out-links", ImageTaker, nullptr, &Options::acceptLeftOutLinks},
    {u"--accept-lost-characters", CheckTaker, nullptr, &Options::acceptLostCharacters},
    {u"--first-found", CheckTaker, nullptr, &Options::firstFound},
}};

const Option* findOption(const QString& name) {
    for (const Option& option : kOptions) {
        if (name == QStringView(option.name))
            return &option;
    }
    return nullptr;
}

Parsed failed(CommandTexts::Key text, const QString& word, const QString& other = {}) {
    Parsed parsed;
    parsed.error = ParseError{text, word, other};
    return parsed;
}

} // namespace

bool isCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty())
        return false;
    const QString& first = arguments.front();
    return !first.startsWith(u'-') || first.startsWith(QStringLiteral("--"));
}

Parsed parse(const QStringList& arguments) {
    if (arguments.isEmpty())
        return failed(CommandTexts::NoCommand, {});
    const QString& word = arguments.front();
    const auto named = std::find_if(kCommands.begin(), kCommands.end(),
                                    [&word](const CommandName& c) { return word == QStringView(c.name); });
    if (named == kCommands.end())
        return failed(CommandTexts::UnknownCommand, word);
    Parsed parsed;
    Options& options = parsed.options;
    options.command = named->command;
    const unsigned taker = 1u << int(options.command);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const Option* option = findOption(argument);
        if (option && (option->takers & taker)) {
            if (option->flag) {
                options.*(option->flag) = true;
                continue;
            }
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty())
                return failed(CommandTexts::NeedsValue, argument);
            QString& value = options.*(option->value);
            if (!value.isEmpty())
                return failed(CommandTexts::GivenTwice, argument);
            value = arguments[++i];
            continue;
        }
        if (option || argument.startsWith(u'-'))
            return failed(CommandTexts::UnknownOption, argument, word);
        if (!(taker & ProjectCommandTakers) || !options.project.isEmpty())
            return failed(CommandTexts::UnexpectedArgument, argument);
        options.project = argument;
    }
    if ((taker & ProjectCommandTakers) && options.project.isEmpty())
        return failed(CommandTexts::NeedsProject, word);
    if (options.command == Command::Image && options.iso.isEmpty())
        return failed(CommandTexts::NeedsOption, word, QStringLiteral("--iso FILE.iso"));
    if (options.command == Command::Export && options.to.isEmpty())
        return failed(CommandTexts::NeedsOption, word, QStringLiteral("--to FILE"));
    if (options.command == Command::Export && !exportFormatOfFile(options.to))
        return failed(CommandTexts::NoExportFormat, options.to);
    if (!options.medium.isEmpty() && options.medium != u"cd" && options.medium != u"dvd")
        return failed(CommandTexts::BadMedium, options.medium);
    return parsed;
}

} // namespace cli
