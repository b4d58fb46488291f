#include "editor/cli/CommandRunner.h"

#include "common/Paths.h"
#include "editor/cli/CommandLine.h"
#include "editor/cli/CommandSession.h"
#include "editor/cli/Commands.h"

#include <QCoreApplication>

namespace cli {

int run(const QStringList& arguments) {
    Console console;
    const Parsed parsed = parse(arguments);
    CommandSession session(parsed.options, console);
    if (parsed.error) {
        const ParseError& e = *parsed.error;
        QString text = session.texts[e.text];
        if (text.contains(QStringLiteral("%2")))
            text = text.arg(e.word, e.other);
        else if (text.contains(QStringLiteral("%1")))
            text = text.arg(e.word);
        return session.fail(text + u' ' + session.texts[CommandTexts::SeeHelp], BadCommandLine);
    }
    switch (parsed.options.command) {
    case Command::Help:
        console.result(session.texts.help());
        return Done;
    case Command::Version:
        console.result(QStringLiteral("Lumbrel ") + QCoreApplication::applicationVersion());
        return Done;
    case Command::Build:
        return build(session);
    case Command::Image:
        return image(session);
    case Command::Check:
        return check(session);
    case Command::Export:
        return exportItems(session);
    }
    return BadCommandLine;
}

} // namespace cli
