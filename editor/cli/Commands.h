#pragma once

#include <QString>

class CommandSession;

// The commands, each on the logic that the editor's windows use. Each returns its exit status.
namespace cli {

int build(CommandSession& session);
int image(CommandSession& session);
int check(CommandSession& session);
int exportItems(CommandSession& session);

// Builds the project into `target` and says what the disc lacks; false when the disc folder could
// not be written or may not be used.
bool buildDisc(CommandSession& session, const QString& target);

} // namespace cli
