// Start-up of the menu program on a disc of 200 categories and 10,000 and 100,000 items,
// and choosing a category that holds all of them, each size in a process of its own. Prints the
// milliseconds beside their goals.
#include "bench/Growth.h"
#include "common/IniFile.h"
#include "menu/gui/MenuWindow.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/FillList.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kCategories = 200;
constexpr int kGoalItems = 100000;

void writeDisc(const QString& root, int items) {
    const QString cfg = root + QStringLiteral("cfg/");
    QDir(root).mkpath(QStringLiteral("cfg/membersd"));
    QFile(root + QStringLiteral("tiv.exe")).open(QIODevice::WriteOnly);

    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::darkCyan);
    common::IniFile genre(cfg + QStringLiteral("genre.cfg"));
    genre.writeInteger(u"general", u"anz_items", kCategories);
    for (int c = 0; c < kCategories; ++c) {
        genre.writeString(QString::number(c), u"caption", QStringLiteral("Category %1").arg(c));
        genre.writeInteger(QString::number(c), u"icon_number", c);
        icon.save(cfg + QStringLiteral("%1.ico").arg(c), "ICO");
    }
    genre.save();
    for (int k = 1; k <= 14; ++k)
        icon.save(cfg + QStringLiteral("m%1.ico").arg(k), "ICO");

    common::IniFile members(cfg + QStringLiteral("members.cfg"));
    members.writeString(u"general", u"cdname", QStringLiteral("Benchmark"));
    members.writeString(u"general", u"rootname", QDir::toNativeSeparators(root));
    members.writeInteger(u"0", u"anz_items", items);
    for (int i = 0; i < items; ++i) {
        const QString section = QStringLiteral("0-%1").arg(i);
        members.writeString(section, u"caption", QStringLiteral("Item number %1").arg(i));
        members.writeInteger(section, u"icon_number", i % 14);
        // Plain writes: ten thousand atomic saves would time the disk rather than the menu.
        QFile detail(cfg + QStringLiteral("membersd/m%1.dat").arg(section));
        if (detail.open(QIODevice::WriteOnly))
            detail.write(QStringLiteral("[%1]\r\npfad=\\files\\item%2.zip\r\ncopy=1\r\nexecute=1\r\n"
                                        "desc=An item of the benchmark disc\r\n")
                             .arg(section)
                             .arg(i)
                             .toLatin1());
    }
    members.save();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto size = bench::runSize(argc, argv);
    if (!size) {
        // Ten times the size is beyond what the menu program reads of one category.
        const std::vector<int> sizes = {kGoalItems / 10, kGoalItems};
        std::vector<bench::Figures> runs;
        for (const int n : sizes)
            runs.push_back(bench::runChild({QStringLiteral("--size"), QString::number(n)}));
        bench::report(sizes, runs,
                      {{"start_ms", "menu program start-up", "ms", 500, kGoalItems},
                       {"category_ms", "choosing a category that holds every item", "ms", 500, kGoalItems},
                       {"item_ms", "choosing an item", "ms", 0, kGoalItems},
                       {"hide_ms", "hiding the details (icon view of every item)", "ms", 0, kGoalItems}});
        return 0;
    }
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    const int items = *size;
    writeDisc(root, items);

    ui::testing::FakeServices fakes;
    QElapsedTimer timer;
    timer.start();
    MenuWindow form(fakes.services(), menu::DiscFolders::forExecutable(root + QStringLiteral("tiv.exe")));
    form.show();
    QApplication::processEvents();
    bench::printFigure("start_ms", double(timer.elapsed()));

    auto* genre = ui::testing::control<ui::FillList>(form, QStringLiteral("genre"));
    auto* members = ui::testing::control<ui::FillList>(form, QStringLiteral("members"));
    // A category clicked while an item is chosen is read again.
    ui::testing::clickRow(*members, 0);
    timer.restart();
    ui::testing::clickRow(*genre, 0);
    QApplication::processEvents();
    bench::printFigure("category_ms", double(timer.elapsed()));
    if (members->count() != items) {
        std::fprintf(stderr, "listed %d items instead of %d\n", members->count(), items);
        return 1;
    }

    timer.restart();
    ui::testing::clickRow(*members, items - 1);
    bench::printFigure("item_ms", double(timer.elapsed()));

    timer.restart();
    ui::testing::press(form, QStringLiteral("hidedetail"));
    QApplication::processEvents();
    bench::printFigure("hide_ms", double(timer.elapsed()));
    return 0;
}
