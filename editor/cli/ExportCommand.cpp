#include "editor/cli/CommandSession.h"
#include "editor/cli/Commands.h"
#include "editor/export/ExportTable.h"
#include "editor/export/GridExport.h"

namespace cli {
namespace {

// The grid's title row and row headers without a window to take their colour from: a light grey.
const QColor kFixedColour(0xF0, 0xF0, 0xF0);

} // namespace

// A project file holds Windows-1252 text only, so the text exports lose no character of it and
// need not ask, as the window does, whether to write all the same.
int exportItems(CommandSession& session) {
    const QString file = CommandSession::absolute(session.options.to);
    // The command line is read only with a known format.
    const ExportFormat format = *exportFormatOfFile(file);
    if (!session.openProject())
        return Failed;
    int status = Failed;
    if (!session.mayWrite(file, status))
        return status;
    const ExportTable table = exportTableOf(session.items, session.settings.shownFields(), kFixedColour);
    const QString failure = writeGridExport(format, table, file);
    if (!failure.isEmpty())
        return session.fail(file + QStringLiteral("\n") + failure);
    session.console.step(session.texts[CommandTexts::ExportWritten].arg(file));
    return session.finished();
}

} // namespace cli
