// Opens, scrolls and saves a project through the main window, as the user's commands do, and adds a
// folder of as many files through the folder dialog: at 10,000, 100,000 and 1,000,000 items, each
// in a process of its own. Prints every figure beside its goal.
#include "bench/Growth.h"
#include "common/IniFile.h"
#include "editor/gui/items/AddFolderDialog.h"
#include "editor/gui/mainwindow/ItemGrid.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFile.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace {

// A folder of this many files is made only up to this size: beyond, making it times the disk.
constexpr int kMaxFolderFiles = 100000;
constexpr int kScrollSteps = 40;

QString categoryFile(const QString& dir) {
    return dir + QStringLiteral("/cats.lbc");
}
QString projectFile(const QString& dir) {
    return dir + QStringLiteral("/bench.lbp");
}

// The project of `count` items with its category and design files, written as a save writes it.
int writeProject(int count, const QString& dir) {
    {
        common::IniFile lbc(categoryFile(dir));
        lbc.writeInteger(u"general", u"anz_items", 20);
        for (int i = 0; i < 20; ++i)
            lbc.writeString(QString::number(i), u"caption", QStringLiteral("Category %1").arg(i));
        lbc.save();
    }
    const QString designFile = dir + QStringLiteral("/design.lbd");
    common::IniFile(designFile).save();
    EditorState author;
    author.cdName = QStringLiteral("Benchmark");
    author.projectFolder = dir + QDir::separator();
    author.files.categoryFile.set(categoryFile(dir));
    author.files.designFile.set(designFile);
    author.categories = loadCategoryList(categoryFile(dir));
    std::vector<ItemRecord> rows(count);
    for (int i = 0; i < count; ++i) {
        ItemRecord& r = rows[i];
        r[0] = QStringLiteral("Item %1").arg(i);
        r[1] = QStringLiteral("setup%1.exe").arg(i);
        r[2] = QStringLiteral("\\Tools\\Sub%1\\").arg(i % 50);
        r[3] = QStringLiteral("n/a");
        r[4] = QStringLiteral("1.2 MB");
        r[5] = QStringLiteral("n/a");
        r[6] = QStringLiteral("Description of item %1").arg(i);
        r[7] = QStringLiteral("Category %1").arg(i % 20);
        r[8] = QStringLiteral("yes");
        r[9] = QStringLiteral("n/a");
        r[10] = QStringLiteral("http://www.example.org/");
        r[11] = QStringLiteral("no");
    }
    ItemTable table;
    table.setRecords(std::move(rows));
    return projectfile::save(projectFile(dir), author, table) ? 0 : 1;
}

// A button of the window's upper tool bar, pressed as a user presses it.
bool pressTool(MainWindow& form, const char* name) {
    auto* bar = form.findChild<QToolBar*>(QStringLiteral("toolbararea"));
    if (bar && ui::testing::press(*bar, QLatin1String(name)))
        return true;
    std::fprintf(stderr, "could not press %s\n", name);
    return false;
}

int measure(int count, const QString& dir) {
    ui::testing::FakeServices fakes;
    EditorState state;
    state.programFolder = dir + QDir::separator();
    MainWindow form(state, fakes.services());
    form.startUp();
    form.show();
    QApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    fakes.choosers.queueOpenFile(projectFile(dir));
    if (!pressTool(form, "zGradBtn1"))
        return 1;
    QApplication::processEvents();
    bench::printFigure("open_ms", double(timer.elapsed()));
    bench::printFigure("open_peak_mb", bench::peakResidentMegabytes());
    if (form.items().itemCount() != count) {
        std::fprintf(stderr, "opened %d items instead of %d\n", form.items().itemCount(), count);
        return 1;
    }

    // The grid scrolled from top to bottom in even steps, each painted: the longest step is a stall.
    QScrollBar* scroll = form.grid()->verticalScrollBar();
    qint64 longestStep = 0;
    for (int step = 1; step <= kScrollSteps; ++step) {
        timer.restart();
        scroll->setValue(int(qint64(scroll->maximum()) * step / kScrollSteps));
        form.grid()->viewport()->repaint();
        longestStep = std::max(longestStep, timer.elapsed());
    }
    bench::printFigure("scroll_step_ms", double(longestStep));

    form.items().setField(0, ItemField::Name, QStringLiteral("Changed"));
    state.modified = true;
    timer.restart();
    if (!pressTool(form, "save"))
        return 1;
    bench::printFigure("save_ms", double(timer.elapsed()));

    if (count > kMaxFolderFiles)
        return 0;
    const QString folder = dir + QStringLiteral("/big");
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(folder + QStringLiteral("/file%1.txt").arg(i));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
    }
    ::sync();                   // the files' writing is not the folder dialog's time
    state.prefs.showFt = false; // no tip window to wait for
    auto* addFolder = form.findChild<AddFolderDialog*>();
    addFolder->prepare();
    timer.restart();
    fakes.choosers.queueFolder(folder);
    ui::testing::press(*addFolder, QStringLiteral("selfilebtn")); // scan, list and select
    ui::testing::press(*addFolder, QStringLiteral("add"));
    bench::printFigure("add_folder_ms", double(timer.elapsed()));
    if (form.items().itemCount() != 2 * count) {
        std::fprintf(stderr, "added %d items instead of %d\n", form.items().itemCount() - count, count);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--write")
        return writeProject(QByteArray(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]));
    if (const auto size = bench::runSize(argc, argv); size && argc == 4)
        return measure(*size, QString::fromLocal8Bit(argv[3]));

    const std::vector<int> sizes = {10000, 100000, 1000000};
    std::vector<bench::Figures> runs;
    for (const int size : sizes) {
        QTemporaryDir dir;
        const QString count = QString::number(size);
        bench::runChild({QStringLiteral("--write"), count, dir.path()});
        runs.push_back(bench::runChild({QStringLiteral("--size"), count, dir.path()}));
    }
    bench::report(sizes, runs,
                  {{"open_ms", "open a project through the main window", "ms", 1000, 100000},
                   {"save_ms", "save it", "ms", 1000, 100000},
                   {"add_folder_ms", "add a folder of as many files", "ms", 1000, 100000},
                   {"open_ms", "open a project of a million items", "ms", 10000, 1000000},
                   {"open_peak_mb", "  resident memory at its peak", "MB", 1024, 1000000},
                   {"scroll_step_ms", "  the longest step scrolling its grid", "ms", 100, 1000000},
                   {"save_ms", "  save it", "ms", 10000, 1000000}});
    return 0;
}
