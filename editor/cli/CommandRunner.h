#pragma once

#include <QStringList>

namespace cli {

// Runs the command that `arguments` (without the program's name) ask for and returns its exit
// status. Needs a QCoreApplication, no display.
int run(const QStringList& arguments);

} // namespace cli
