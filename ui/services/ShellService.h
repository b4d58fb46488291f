#pragma once

#include <QString>

namespace ui {

// Hands targets to the desktop. Results are not reported, like the shell's, except whether a folder
// could be shown: without a file manager nothing at all would happen.
class ShellService {
public:
    virtual ~ShellService() = default;

    // Opens a document, folder or web address with its associated program; starts a program.
    virtual void open(const QString& target) = 0;
    // Shows a folder in the file manager; false when the desktop has nothing to show it with.
    virtual bool explore(const QString& folder) = 0;
    // Starts a program without waiting for it, in the given working folder (its own when empty).
    virtual void startProgram(const QString& program, const QString& workingFolder = {}) = 0;
};

} // namespace ui
