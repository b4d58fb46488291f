#include "editor/cli/CommandSession.h"
#include "editor/cli/Commands.h"
#include "editor/export/ExportTable.h"
#include "editor/export/GridExport.h"
#include "editor/project/UnstorableText.h"

namespace cli {
namespace {

// The grid's title row and row headers without a window to take their colour from: a light grey.
const QColor kFixedColour(0xF0, 0xF0, 0xF0);

} // namespace

int exportItems(CommandSession& session) {
    const QString file = CommandSession::absolute(session.options.to);
    const std::optional<ExportFormat> format = exportFormatOfFile(file);
    if (!format)
        return session.fail(session.texts[CommandTexts::NoExportFormat].arg(file), kBadCommandLine);
    if (!session.openProject())
        return kFailed;
    int status = kFailed;
    if (!session.mayWrite(file, status))
        return status;
    const ExportTable table = exportTableOf(session.items, session.settings.shownFields(), kFixedColour);
    if (isCodePageFormat(*format)) {
        const unstorable::Findings findings = unstorable::inRows(table.rows);
        if (!findings.empty() && !session.options.acceptLostCharacters)
            return session.fail(session.texts[CommandTexts::LostCharacters].arg(file, unstorable::listOf(findings)) +
                                    QStringLiteral("\n") + session.texts[CommandTexts::AddAcceptLostCharacters],
                                kBadCommandLine);
    }
    const QString failure = writeGridExport(*format, table, file);
    if (!failure.isEmpty())
        return session.fail(file + QStringLiteral("\n") + failure);
    session.console.step(session.texts[CommandTexts::ExportWritten].arg(file));
    return session.finished();
}

} // namespace cli
