#pragma once

#include "editor/cli/CommandLine.h"
#include "editor/cli/CommandTexts.h"
#include "editor/cli/Console.h"
#include "editor/disc/DiscTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"
#include "editor/project/SettingsFile.h"

// What every command works with: the program folder's settings and language, the project, and
// the console. A warning makes the command end with DoneWithWarnings.
class CommandSession {
public:
    CommandSession(const cli::Options& options, Console& console);

    // Reads the project named on the command line; false after saying why it could not be read.
    bool openProject();
    void warn(const QString& text);
    // Whether `file` may be written: not through a link, and one that exists only with --replace.
    // Says why not, and puts the status to end with into `status`.
    bool mayWrite(const QString& file, int& status);
    // Says why the command stops; `status` is Failed or BadCommandLine.
    int fail(const QString& text, cli::ExitStatus status = cli::Failed);
    // Done, or DoneWithWarnings after a warning.
    int finished() const { return m_warned ? cli::DoneWithWarnings : cli::Done; }
    // A path of the command line as the user's files are named: absolute, with native separators.
    static QString absolute(const QString& path);

    const cli::Options& options;
    Console& console;
    EditorSettings settings;
    EditorState state;
    ItemTable items;
    CommandTexts texts;
    DiscTexts discTexts;

private:
    bool m_warned = false;
};

// The editor's language for the command line: the one the settings file names, else German when
// the environment's locale (LC_ALL, LC_MESSAGES, LANG) is German, else English. 1 English, 2 German.
int commandLanguage(const QString& programFolder);
