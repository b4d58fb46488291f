#include "editor/gui/mainwindow/CommandContext.h"

#include "editor/project/EditorState.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/SoundService.h"

void CommandContext::click() const {
    services.sound.play(ProjectFiles::clickSound());
}

QString CommandContext::message(const char16_t* key) const {
    return state.language.message(QStringView(key));
}

void CommandContext::inform(const char16_t* messageKey) const {
    services.messages.show(ui::MessageBoxService::Kind::Information, ui::MessageBoxService::Buttons::Ok,
                           message(messageKey));
}

QString CommandContext::settingsFile() const {
    return state.programFolder + QStringLiteral("lumbrel.dat");
}
