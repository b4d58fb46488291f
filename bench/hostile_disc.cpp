// The menu program on a disc made of hostile files: every icon lists 65,535 pictures, members.cfg
// ends in 4 MiB of empty lines, an item's information text is 4 MiB of line ends, another's is
// rich text with a font number at the integer limit, and a zip archive holds a 64 MiB NFO text
// packed into a few kilobytes. A second disc holds pipes and links to /dev/zero in place of its
// module, icons, bitmaps, sound and pictures, markup in its captions and a sound of 2 GB; a third
// 1,000 categories without icons beside 30,000 files. Prints the time of each step and the
// resident memory after it.
#include "common/IniFile.h"
#include "menu/gui/InfoWindow.h"
#include "menu/gui/MenuWindow.h"
#include "menu/gui/PictureWindow.h"
#include "tests/menu/HostileFiles.h"
#include "tests/menu/ZipFixture.h"
#include "ui/services/DesktopSound.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/FillList.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QToolTip>

#include <cstdio>
#include <functional>

namespace {

constexpr qint64 kMiB = 1024 * 1024;
enum Item { IconItem, LongText, RichText, PackedNfo };

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void writeDisc(const QString& root) {
    const QString cfg = root + QStringLiteral("cfg/");
    QDir(root).mkpath(QStringLiteral("cfg/membersd"));
    QDir(root).mkpath(QStringLiteral("tools"));
    writeFile(root + QStringLiteral("tiv.exe"), {});

    const QByteArray icon = manyPictureIcon();
    constexpr int kCategories = 3;
    common::IniFile genre(cfg + QStringLiteral("genre.cfg"));
    genre.writeInteger(u"general", u"anz_items", kCategories);
    for (int c = 0; c < kCategories; ++c) {
        genre.writeString(QString::number(c), u"caption", QStringLiteral("Category %1").arg(c));
        genre.writeInteger(QString::number(c), u"icon_number", c);
        writeFile(cfg + QStringLiteral("%1.ico").arg(c), icon);
    }
    genre.save();
    for (int k = 1; k <= 14; ++k)
        writeFile(cfg + QStringLiteral("m%1.ico").arg(k), icon);

    const char* const targets[] = {"\\tools\\many.ico", "\\tools\\long.exe", "\\tools\\rich.exe",
                                   "\\tools\\packed.zip"};
    QByteArray members =
        "[general]\r\ncdname=Hostile\r\nrootname=" + QDir::toNativeSeparators(root).toUtf8() +
        "\r\n[0]\r\nanz_items=4\r\n";
    for (int i = 0; i < 4; ++i) {
        const QByteArray section = "0-" + QByteArray::number(i);
        members += "[" + section + "]\r\ncaption=Item " + QByteArray::number(i) +
                   "\r\nicon_number=" + QByteArray::number(i) + "\r\n";
        writeFile(cfg + QStringLiteral("membersd/m0-%1.dat").arg(i),
                  "[" + section + "]\r\npfad=" + targets[i] + "\r\ncopy=1\r\nexecute=1\r\n");
    }
    writeFile(cfg + QStringLiteral("members.cfg"), members + lineEnds(4 * kMiB));

    writeFile(root + QStringLiteral("tools/many.ico"), icon);
    writeFile(root + QStringLiteral("tools/long.exe"), {});
    writeFile(root + QStringLiteral("tools/long.txt"), lineEnds(4 * kMiB));
    writeFile(root + QStringLiteral("tools/rich.exe"), {});
    writeFile(root + QStringLiteral("tools/rich.txt"), fontAtIntegerLimit());
    writeZip(root + QStringLiteral("tools/packed.zip"),
             {{QStringLiteral("small.nfo"), "small", {}},
              {QStringLiteral("packed.nfo"), QByteArray(64 * kMiB, ' '), {}}});
    QFile::copy(QStringLiteral(LUMBREL_UNZIP_MODULE), cfg + QStringLiteral("Unzdll.dll"));
}

// Markup that Qt's automatic text format would take for rich text, and so read /dev/zero.
const QByteArray kMarkup = "<img src=\"/dev/zero\">Programs";

void writePipesDisc(const QString& root) {
    const QString cfg = root + QStringLiteral("cfg/");
    QDir(root).mkpath(QStringLiteral("cfg/membersd"));
    QDir(root).mkpath(QStringLiteral("tools"));
    writeFile(root + QStringLiteral("tiv.exe"), {});
    writeFile(cfg + QStringLiteral("genre.cfg"), "[general]\r\nanz_items=2\r\n[0]\r\ncaption=" + kMarkup +
                                                     "\r\nicon_number=0\r\n[1]\r\ncaption=" + kMarkup +
                                                     "\r\nicon_number=1\r\n");
    writeFile(cfg + QStringLiteral("design.cfg"),
              "[general]\r\ndesign_mode=bmp\r\nbutton_mode=bmp\r\n[Splash]\r\nenabled=1\r\nd=10\r\n"
              "[Sound]\r\nSound1=x\r\nSound2=x\r\n");
    writeFile(cfg + QStringLiteral("language.zol"),
              "[Hints]\r\n7=" + kMarkup + "\r\n[Heading]\r\n3=" + kMarkup + "\r\n");
    QByteArray members = "[general]\r\ncdname=" + kMarkup + "\r\n[0]\r\nanz_items=3\r\n";
    const char* const targets[] = {"\\tools\\pipe.gif", "\\tools\\zero.jpg", "\\tools\\shot.exe"};
    for (int i = 0; i < 3; ++i) {
        const QByteArray section = "0-" + QByteArray::number(i);
        members += "[" + section + "]\r\ncaption=" + kMarkup + "\r\nicon_number=0\r\n";
        writeFile(cfg + QStringLiteral("membersd/m0-%1.dat").arg(i),
                  "[" + section + "]\r\npfad=" + targets[i] + "\r\ndesc=" + kMarkup + "\r\n");
    }
    writeFile(cfg + QStringLiteral("members.cfg"), members);
    for (const char* pipe : {"cfg/Unzdll.dll", "cfg/0.ico", "cfg/back.bmp", "cfg/splash.bmp",
                             "cfg/Sound2.wav", "tools/pipe.gif"})
        makePipe(root + QString::fromLatin1(pipe));
    for (const char* zero : {"cfg/1.ico", "cfg/m1.ico", "cfg/button.bmp", "tools/zero.jpg", "tools/shot.jpg"})
        QFile::link(QStringLiteral("/dev/zero"), root + QString::fromLatin1(zero));
    QFile sound(cfg + QStringLiteral("Sound1.wav"));
    if (sound.open(QIODevice::WriteOnly))
        sound.resize(qint64(2) << 30); // a hole: no disc space taken
}

void writeManyFilesDisc(const QString& root) {
    const QString cfg = root + QStringLiteral("cfg/");
    QDir(root).mkpath(QStringLiteral("cfg"));
    writeFile(root + QStringLiteral("tiv.exe"), {});
    QByteArray genre = "[general]\r\nanz_items=1000\r\n";
    for (int n = 0; n < 1000; ++n)
        genre += "[" + QByteArray::number(n) + "]\r\ncaption=C" + QByteArray::number(n) +
                 "\r\nicon_number=" + QByteArray::number(n) + "\r\n";
    writeFile(cfg + QStringLiteral("genre.cfg"), genre);
    for (int n = 0; n < 30000; ++n)
        writeFile(cfg + QStringLiteral("file%1.dat").arg(n), {});
}

// Resident memory now and at its peak, in MB, from the kernel's figures for the process.
std::pair<long, long> residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    long now = -1, peak = -1;
    if (!status.open(QIODevice::ReadOnly))
        return {now, peak};
    for (const QByteArray& line : status.readAll().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() >= 2 && words[0] == "VmRSS:")
            now = words[1].toLong() / 1024;
        else if (words.size() >= 2 && words[0] == "VmHWM:")
            peak = words[1].toLong() / 1024;
    }
    return {now, peak};
}

void step(const char* what, const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    QApplication::processEvents();
    const qint64 ms = timer.elapsed();
    const auto [now, peak] = residentMb();
    std::printf("%-58s %6lld ms   resident %4ld MB (peak %4ld MB)\n", what, static_cast<long long>(ms), now,
                peak);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    writeDisc(root);
    std::printf("a disc of hostile files in %s\n", qPrintable(root));

    // The figures are the menu program's alone, not those of writing the disc.
    writeFile(QStringLiteral("/proc/self/clear_refs"), "5");
    ui::testing::FakeServices fakes;
    MenuWindow form(fakes.services(), menu::DiscFolders::forExecutable(root + QStringLiteral("tiv.exe")));
    // The viewer's clicks; a category clicked while an item is chosen is read again.
    const auto press = [](QWidget& window, const QString& name) {
        if (!ui::testing::press(window, name))
            std::printf("  %s cannot be pressed\n", qPrintable(name));
    };
    const auto chooseCategory = [](MenuWindow& window) {
        auto* band = ui::testing::control<ui::FillList>(window, QStringLiteral("genre"));
        ui::testing::clickRow(*ui::testing::control<ui::FillList>(window, QStringLiteral("members")), 0);
        ui::testing::clickRow(*band, 0);
    };
    const auto chooseItem = [](MenuWindow& window, int row) {
        ui::testing::clickRow(*ui::testing::control<ui::FillList>(window, QStringLiteral("members")), row);
    };
    const auto closeInformation = [](MenuWindow& window) {
        ui::testing::control<QWidget>(window, QStringLiteral("TInfoform"))->close();
    };

    step("start-up (17 icons of 65,535 pictures, members.cfg 4 MiB)", [&] { form.show(); });
    step("choosing a category", [&] { chooseCategory(form); });
    step("choosing the item that is such an icon", [&] { chooseItem(form, IconItem); });
    step("choosing the item with 4 MiB of line ends as its text", [&] { chooseItem(form, LongText); });
    step("showing that text", [&] { press(form, QStringLiteral("info")); });
    closeInformation(form);
    step("showing rich text with a font at the integer limit", [&] {
        chooseItem(form, RichText);
        press(form, QStringLiteral("info"));
    });
    closeInformation(form);
    step("showing the 64 MiB NFO text packed in a zip archive", [&] {
        chooseItem(form, PackedNfo);
        press(form, QStringLiteral("nfo"));
        ui::testing::trigger(*ui::testing::control<QWidget>(form, QStringLiteral("zipmenu")),
                             QStringLiteral("Zipfornfofile1"));
    });
    closeInformation(form);
    // The costliest lines a configuration file can hold within its limits: a section each.
    writeFile(root + QStringLiteral("cfg/members.cfg"),
              QByteArray("[s]\r\n").repeated(menu::kMaxConfigBytes / 5));
    MenuWindow second(fakes.services(), menu::DiscFolders::forExecutable(root + QStringLiteral("tiv.exe")));
    step("start-up again, members.cfg 8 MiB of section headers", [&] { second.show(); });
    step("choosing a category", [&] { chooseCategory(second); });
    // Counts beyond what the files hold: every missing category and item reads "Fehler".
    writeFile(root + QStringLiteral("cfg/genre.cfg"), "[general]\r\nanz_items=2000000000\r\n");
    writeFile(root + QStringLiteral("cfg/members.cfg"), "[0]\r\nanz_items=2000000000\r\n");
    MenuWindow third(fakes.services(), menu::DiscFolders::forExecutable(root + QStringLiteral("tiv.exe")));
    step("start-up again, genre.cfg claims 2,000,000,000 categories", [&] { third.show(); });
    step("choosing a category that claims 2,000,000,000 items", [&] { chooseCategory(third); });

    // Pipes, devices, markup and a sound of 2 GB, played by the desktop's own sound service.
    const QString pipesRoot = dir.path() + QStringLiteral("/pipes/");
    writePipesDisc(pipesRoot);
    ui::DesktopSound desktopSound;
    ui::Services withSound = fakes.services();
    ui::Services pipesServices{withSound.messages,  withSound.choosers, withSound.shell, desktopSound,
                               withSound.clipboard, withSound.help,     withSound.print};
    MenuWindow fourth(pipesServices, menu::DiscFolders::forExecutable(pipesRoot + QStringLiteral("tiv.exe")));
    step("start-up, module, icons, bitmaps, sounds pipes or /dev/zero", [&] { fourth.show(); });
    auto* fourthGenre = ui::testing::control<ui::FillList>(fourth, QStringLiteral("genre"));
    step("the category's tool tip: <img src=\"/dev/zero\">", [&] {
        QToolTip::showText(fourthGenre->mapToGlobal(QPoint(4, 4)), fourthGenre->item(0)->toolTip(),
                           fourthGenre);
    });
    QToolTip::hideText();
    press(fourth, QStringLiteral("about"));
    ui::testing::trigger(*ui::testing::control<QWidget>(fourth, QStringLiteral("aboutmenu")),
                         QStringLiteral("Always1"));
    step("choosing a category with markup", [&] { chooseCategory(fourth); });
    const char* const pictureSteps[] = {"choosing a picture item that is a pipe",
                                        "choosing a picture item that links to /dev/zero",
                                        "choosing an item whose screenshot links to /dev/zero"};
    for (int row = 0; row < 3; ++row)
        step(pictureSteps[row], [&] { chooseItem(fourth, row); });
    step("the information message that quotes the markup", [&] { press(fourth, QStringLiteral("info")); });

    const QString manyRoot = dir.path() + QStringLiteral("/many/");
    writeManyFilesDisc(manyRoot);
    MenuWindow fifth(fakes.services(),
                     menu::DiscFolders::forExecutable(manyRoot + QStringLiteral("tiv.exe")));
    step("start-up, 1,000 categories without icons beside 30,000 files", [&] { fifth.show(); });

    for (const auto& shown : fakes.messages.shown)
        std::printf("  message: %s\n", qPrintable(shown.text.left(200)));
    return 0;
}
