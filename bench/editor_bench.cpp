// Opens and saves a project of 10,000 items through the main window, as the user's commands do,
// then adds a folder of 10,000 files through the folder dialog, and prints the milliseconds of each.
#include "common/IniFile.h"
#include "editor/gui/items/AddFolderDialog.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "ui/testing/FakeServices.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kItems = 10000;
    QTemporaryDir dir;
    const QString categoryFile = dir.filePath(QStringLiteral("cats.lbc"));
    {
        common::IniFile lbc(categoryFile);
        lbc.writeInteger(u"general", u"anz_items", 20);
        for (int i = 0; i < 20; ++i)
            lbc.writeString(QString::number(i), u"caption", QStringLiteral("Category %1").arg(i));
        lbc.save();
    }
    const QString designFile = dir.filePath(QStringLiteral("design.lbd"));
    common::IniFile(designFile).save();

    EditorState author;
    author.cdName = QStringLiteral("Benchmark");
    author.projectFolder = dir.path() + QDir::separator();
    author.files.categoryFile.set(categoryFile);
    author.files.designFile.set(designFile);
    author.categories = loadCategoryList(categoryFile);
    ItemTable table;
    std::vector<ItemRecord> rows(kItems);
    for (int i = 0; i < kItems; ++i) {
        ItemRecord& r = rows[i];
        r[0] = QStringLiteral("Item number %1").arg(i);
        r[1] = QStringLiteral("setup%1.exe").arg(i);
        r[2] = QStringLiteral("\\Tools\\Sub%1\\").arg(i % 50);
        r[3] = QStringLiteral("SERIAL-%1").arg(i);
        r[4] = QStringLiteral("1.2 MB");
        r[5] = QStringLiteral("n/a");
        r[6] = QStringLiteral("A description of item %1 that is a little longer than the others").arg(i);
        r[7] = QStringLiteral("Category %1").arg(i % 20);
        r[8] = QStringLiteral("yes");
        r[9] = QStringLiteral("C:\\Sources\\Tools\\setup%1.exe").arg(i);
        r[10] = QStringLiteral("http://www.example.org/%1").arg(i);
        r[11] = QStringLiteral("no");
    }
    table.setRecords(rows);
    const QString project = dir.filePath(QStringLiteral("bench.lbp"));
    {
        common::IniFile file(project);
        projectfile::write(file, author, table);
        file.save();
    }

    ui::testing::FakeServices fakes;
    EditorState state;
    state.programFolder = dir.path() + QDir::separator();
    MainWindow form(state, fakes.services());
    form.startUp();

    QElapsedTimer timer;
    timer.start();
    fakes.choosers.queueOpenFile(project);
    form.openClicked();
    const qint64 openMs = timer.elapsed();
    if (form.items().itemCount() != kItems) {
        std::fprintf(stderr, "opened %d items instead of %d\n", form.items().itemCount(), kItems);
        return 1;
    }
    form.items().setField(0, ItemField::Name, QStringLiteral("Changed"));
    state.modified = true;
    timer.restart();
    form.saveClicked();
    const qint64 saveMs = timer.elapsed();
    std::printf("editor: open %d items %lld ms, save %lld ms\n", kItems, static_cast<long long>(openMs),
                static_cast<long long>(saveMs));

    const QString folder = dir.filePath(QStringLiteral("big"));
    QDir().mkpath(folder);
    for (int i = 0; i < kItems; ++i) {
        QFile file(folder + QStringLiteral("/file%1.txt").arg(i));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
    }
    state.prefs.showFt = false; // no tip window to wait for
    auto* addFolder = form.findChild<AddFolderDialog*>();
    addFolder->prepare();
    timer.restart();
    fakes.choosers.queueFolder(folder);
    addFolder->chooseFolderClicked(); // scan, list and select
    addFolder->addClicked();
    const qint64 addMs = timer.elapsed();
    if (form.items().itemCount() != 2 * kItems) {
        std::fprintf(stderr, "added %d items instead of %d\n", form.items().itemCount() - kItems, kItems);
        return 1;
    }
    std::printf("editor: add a folder of %d files %lld ms\n", kItems, static_cast<long long>(addMs));
    return 0;
}
