#pragma once
// The main window with an open project whose folder is a fresh disc folder, for suites that work on
// the items of a project.

#include "editor/gui/mainwindow/ItemGrid.h"
#include "tests/editor/gui/EditorWindowFixture.h"

#include <QAction>

struct OpenProjectFixture : editortest::EditorWindowFixture {
    QString disc; // the project folder, ending in the separator

    explicit OpenProjectFixture(int language = 1, const QStringList& categories = {QStringLiteral("Tools")}) {
        if (language != 1)
            editortest::writeFile(state.programFolder + QStringLiteral("lumbrel.dat"),
                                  "[settings]\r\nlanguage=" + QByteArray::number(language) + "\r\n");
        disc = QDir::toNativeSeparators(dir.path() + QStringLiteral("/disc/"));
        QDir().mkpath(disc);
        startEditor();

        EditorState author;
        author.cdName = QStringLiteral("Disc");
        author.projectFolder = disc;
        author.files.categoryFile.set(
            editortest::writeCategoryFile(dir.filePath(QStringLiteral("c/cats.lbc")), categories));
        author.files.designFile.set(editortest::writeFile(dir.filePath(QStringLiteral("c/design.lbd"))));
        author.categories = categories;
        QVERIFY(EditorWindowFixture::openProject(
            editortest::writeProject(dir.filePath(QStringLiteral("p.lbp")), author)));
    }

    // The project's items as if they had been added and saved.
    void setItems(const std::vector<ItemRecord>& rows) {
        items().setRecords(rows);
        form->session().recomputeRowColours();
        state.modified = false;
    }
    // A host path below the project folder, written with forward slashes.
    QString path(const QString& relative) const { return QDir::toNativeSeparators(disc + relative); }
    template <typename T> T* find(const QString& name = {}) const { return form->findChild<T*>(name); }
    ItemTable& items() const { return form->items(); }
    void makeCurrent(int row) const { form->grid()->setCurrentIndex(items().index(row, 0)); }
    // The main menu entry that a key runs.
    QAction* commandWithShortcut(const QKeySequence& key) const {
        for (QAction* a : form->findChildren<QAction*>()) {
            if (a->shortcut() == key)
                return a;
        }
        return nullptr;
    }
    QStringList messages() const {
        QStringList texts;
        for (const auto& shown : fakes.messages.shown)
            texts.append(shown.text);
        return texts;
    }
};
