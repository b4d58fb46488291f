#pragma once

#include "ui/services/Services.h"

#include <QString>

class ItemTable;
class ProjectSession;
class QWidget;
class TranslatableWindow;
class WaitWindow;
struct EditorState;

// What the command classes ask of the window that holds them: the frame keeps the enabled state of
// the commands, the title and the status line.
class CommandHost {
public:
    // The window that the commands' dialogs belong to.
    virtual QWidget* dialogParent() = 0;
    virtual bool projectOpen() const = 0;
    virtual void setProjectOpen(bool open) = 0;
    virtual void updateWindowTitle() = 0;
    virtual void showCurrentRowInStatusLine() = 0;
    // Windows join the language application in the order they register.
    virtual void registerTranslatable(TranslatableWindow* window) = 0;

protected:
    ~CommandHost() = default;
};

// The editor's state and services as every command class shares them.
struct CommandContext {
    EditorState& state;
    ItemTable& items;
    ProjectSession& session;
    ui::Services services;
    WaitWindow& wait;
    CommandHost& host;

    // Every command plays the click sound first.
    void click() const;
    QString message(const char16_t* key) const;
    void inform(const char16_t* messageKey) const;
    QString settingsFile() const;
};
