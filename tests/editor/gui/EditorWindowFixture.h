#pragma once
// The main window on a program folder of its own, with the test doubles of the services: what the
// editor's window suites start from.

#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "tests/editor/EditorTestSupport.h"
#include "ui/testing/FakeServices.h"

#include <QTemporaryDir>

#include <initializer_list>
#include <memory>

namespace editortest {

struct EditorWindowFixture {
    QTemporaryDir dir;
    ui::testing::FakeServices fakes;
    EditorState state;
    std::unique_ptr<MainWindow> form;

    // The program folder inside `dir`, with these folders and the shipped language files. The window
    // comes with startEditor(), once a suite's own files are in place.
    explicit EditorWindowFixture(std::initializer_list<const char*> folders = {}) {
        state.programFolder = QDir::toNativeSeparators(dir.path() + QStringLiteral("/program/"));
        for (const char* folder : folders)
            QDir().mkpath(state.programFolder + QLatin1String(folder));
        installLanguageFiles(state.programFolder);
    }

    void startEditor() {
        form = std::make_unique<MainWindow>(state, fakes.services());
        form->startUp();
    }

    QString program(const QString& rest) const {
        return QDir::toNativeSeparators(state.programFolder + rest);
    }
    QString message(const char16_t* key) const { return state.language.message(QStringView(key)); }
    QString lastMessage() const {
        return fakes.messages.shown.isEmpty() ? QString() : fakes.messages.shown.last().text;
    }
};

} // namespace editortest
