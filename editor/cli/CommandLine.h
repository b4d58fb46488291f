#pragma once

#include "editor/cli/CommandTexts.h"

#include <QString>
#include <QStringList>

#include <optional>

// The editor's commands without a window: what the command line asks for.
namespace cli {

enum class Command { Build, Image, Check, Export, Help, Version };

// How a command ended, as its exit status says.
enum ExitStatus : int {
    Done = 0,
    DoneWithWarnings = 1, // done; what is missing is named
    BadCommandLine = 2,   // not understood, or an answer that the command needs is not given
    Failed = 3,           // nothing or not all was done; the reason is named
};

struct Options {
    Command command = Command::Help;
    QString project;
    QString to;  // build: the disc folder; export: the file
    QString iso; // image: the image file
    QString medium;
    bool dryRun = false;
    // Answers to the questions that the windows ask.
    QString categoryFile; // in place of the project's, when that cannot be found
    QString designFile;   // in place of the project's, when that cannot be found
    bool replace = false;
    bool acceptRenamed = false;
    bool acceptLeftOutLinks = false;
    bool acceptLostCharacters = false;
    bool firstFound = false;
};

// Why a command line was not understood: the text and the words it names.
struct ParseError {
    CommandTexts::Key text;
    QString word;
    QString other;
};

struct Parsed {
    Options options;
    std::optional<ParseError> error;
};

// Reads the arguments that follow the program's name.
Parsed parse(const QStringList& arguments);

// Whether the arguments ask for a command rather than the window. Qt's own options for a window
// ("-platform", "-style") start with one dash and leave the window to start.
bool isCommandLine(const QStringList& arguments);

} // namespace cli
