// Start-up of the menu program on a disc of 200 categories and 10,000 items, and choosing a
// category that holds all 10,000 items. Prints milliseconds.
#include "common/IniFile.h"
#include "menu/gui/MenuWindow.h"
#include "ui/testing/FakeServices.h"
#include "ui/widgets/FillList.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kCategories = 200;
constexpr int kItems = 10000;

void writeDisc(const QString& root) {
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
    members.writeInteger(u"0", u"anz_items", kItems);
    for (int i = 0; i < kItems; ++i) {
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
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    writeDisc(root);

    ui::testing::FakeServices fakes;
    QElapsedTimer timer;
    timer.start();
    MenuWindow form(fakes.services(), menu::DiscFolders::forExecutable(root + QStringLiteral("tiv.exe")));
    form.show();
    QApplication::processEvents();
    const qint64 startMs = timer.elapsed();

    auto* genre = form.findChild<ui::FillList*>(QStringLiteral("genre"));
    auto* members = form.findChild<ui::FillList*>(QStringLiteral("members"));
    genre->setCurrentRow(0);
    timer.restart();
    form.chooseCategory();
    QApplication::processEvents();
    const qint64 categoryMs = timer.elapsed();

    members->setCurrentRow(kItems - 1);
    timer.restart();
    form.chooseItem();
    const qint64 itemMs = timer.elapsed();

    timer.restart();
    form.toggleDetailsClicked();
    QApplication::processEvents();
    const qint64 hideMs = timer.elapsed();

    std::printf("menu start-up, %d categories, %d items: %lld ms\n", kCategories, kItems,
                static_cast<long long>(startMs));
    std::printf("choosing a category of %d items (%d listed): %lld ms\n", kItems, members->count(),
                static_cast<long long>(categoryMs));
    std::printf("choosing an item: %lld ms\n", static_cast<long long>(itemMs));
    std::printf("hiding the details (icon view of %d items): %lld ms\n", kItems,
                static_cast<long long>(hideMs));
    return 0;
}
