#pragma once
// The main window on a program folder of its own, with the test doubles of the services: what the
// editor's window suites start from.

#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "tests/editor/EditorTestSupport.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <initializer_list>
#include <memory>

namespace editortest {

// A button of the main window's tool bars, pressed as a user would: only when it shows and is enabled.
inline bool pressToolButton(MainWindow& form, const char* button) {
    const QString name = QLatin1String(button);
    for (const char* bar : {"toolbararea", "itemtoolbar"}) {
        auto* toolBar = form.findChild<QToolBar*>(QLatin1String(bar));
        if (toolBar && toolBar->findChild<QAbstractButton*>(name)) {
            // The tool bar shows its buttons once it is laid out, as it is when the window shows.
            form.layout()->activate();
            toolBar->layout()->activate();
            return ui::testing::press(*toolBar, name);
        }
    }
    qWarning() << "no tool bar button" << name;
    return false;
}

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

    bool pressTool(const char* button) const { return pressToolButton(*form, button); }
    // A menu entry of the window by its name, chosen as a user would: only when it is enabled.
    bool trigger(const char* entry) const { return ui::testing::trigger(*form, QLatin1String(entry)); }
    bool trigger(const QString& entry) const { return ui::testing::trigger(*form, entry); }
    // A project file opened as a user opens it: the Open button and the file chosen in its dialog.
    bool openProject(const QString& file) {
        fakes.choosers.queueOpenFile(file);
        const bool opened = pressTool("zGradBtn1") && form->projectOpen();
        // The opening is the set-up's, not the test's: its dialog counts for no test.
        fakes.choosers.requests.clear();
        return opened;
    }

    // The current cell's editor, opened as the space key opens it.
    void editCurrentCell() const { QTest::keyClick(form->grid(), Qt::Key_Space); }
    // The grid's popup menu, opened over the current cell by a right-click and closed again: its
    // entries stay as the opening left them.
    QMenu* openPopup() const {
        ItemGrid* grid = form->grid();
        const QPoint pos = grid->visualRect(grid->currentIndex()).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, pos, grid->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(grid->viewport(), &click);
        auto* popup = form->findChild<QMenu*>(QStringLiteral("gridpopup"));
        popup->close();
        return popup;
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
