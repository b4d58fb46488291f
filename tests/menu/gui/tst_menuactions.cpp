// The item actions: starting, the copy in blocks, the copy dialog copying and unzipping, and the
// new-folder dialog, on disc folders written by the tests.
#include "menu/content/BlockCopy.h"
#include "menu/gui/CopyDialog.h"
#include "menu/gui/MenuWindow.h"
#include "menu/gui/NewFolderDialog.h"
#include "tests/menu/DiscFixture.h"
#include "tests/menu/HostileFiles.h"
#include "tests/menu/MenuDriver.h"
#include "tests/menu/ZipFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/GaugeBar.h"
#include "ui/widgets/ShadowButton.h"

#include <QLibrary>
#include <QLineEdit>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using ui::testing::control;
using ui::testing::FakeServices;
using ui::testing::press;
using Verb = ui::testing::FakeShell::Verb;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data, const QDateTime& modified = {}) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
    if (modified.isValid())
        f.setFileTime(modified, QFileDevice::FileModificationTime);
}

// Every file and folder in `folder`, sorted: what a copy or unzip left there.
QStringList entries(const QString& folder) {
    QStringList names =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QByteArray pattern(int size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 31 + i / 256);
    return bytes;
}

enum Item { Archive, Program, Folder, Web, Empty };

// A disc with the five sounds and one category: a zip archive (copy and start allowed), a program
// (copy only), a jump point, a web address and an empty archive (unzip only). The unzip module
// lies in the configuration folder unless asked otherwise.
void writeActionsDisc(DiscFixture& disc, bool withModule = true, int language = 0) {
    disc.set(QStringLiteral("members.cfg"), QStringLiteral("general"), QStringLiteral("rootname"),
             QDir::toNativeSeparators(disc.root()));
    disc.addCategory(QStringLiteral("Tools"));
    auto item = [&](const QString& caption, const QString& path, const QString& copy,
                    const QString& execute) {
        disc.addItem(0, caption,
                     {{QStringLiteral("pfad"), path},
                      {QStringLiteral("copy"), copy},
                      {QStringLiteral("execute"), execute}});
    };
    item(QStringLiteral("Archive"), QStringLiteral("\\tools\\setup.zip"), QStringLiteral("1"),
         QStringLiteral("1"));
    item(QStringLiteral("Program"), QStringLiteral("\\tools\\run.exe"), QStringLiteral("1"),
         QStringLiteral("0"));
    item(QStringLiteral("Folder"), QStringLiteral("\\tools\\JUMP POINT"), QStringLiteral("0"),
         QStringLiteral("1"));
    item(QStringLiteral("Web"), QStringLiteral("http://example.org/"), QStringLiteral("0"),
         QStringLiteral("1"));
    item(QStringLiteral("Empty"), QStringLiteral("\\tools\\empty.zip"), QStringLiteral("0"),
         QStringLiteral("0"));
    for (int n = 1; n <= 5; ++n)
        disc.set(QStringLiteral("design.cfg"), QStringLiteral("Sound"), QStringLiteral("Sound%1").arg(n),
                 QStringLiteral("x"));
    disc.set(QStringLiteral("language.zol"), QStringLiteral("Language"), QStringLiteral("Language"),
             QString::number(language));
    disc.save();
    for (int n = 1; n <= 5; ++n)
        disc.writeRaw(QStringLiteral("Sound%1.wav").arg(n), "RIFF");

    QDir(disc.root()).mkpath(QStringLiteral("tools"));
    writeFile(disc.root() + QStringLiteral("tools/run.exe"), pattern(20000));
    QVERIFY(writeZip(disc.root() + QStringLiteral("tools/setup.zip"),
                     {{QStringLiteral("setup.exe"), "program", {}},
                      {QStringLiteral("docs/"), {}, {}},
                      {QStringLiteral("docs/readme.txt"), "read me", {}}}));
    QVERIFY(writeZip(disc.root() + QStringLiteral("tools/empty.zip"), {}));
    if (withModule)
        QVERIFY(QFile::copy(QStringLiteral(LUMBREL_UNZIP_MODULE), disc.cfg() + QStringLiteral("Unzdll.dll")));
}

} // namespace

class TestMenuActions : public QObject {
    Q_OBJECT

private:
    FakeServices m_fakes;

    std::unique_ptr<MenuWindow> open(const DiscFixture& disc) {
        m_fakes = {};
        auto form = std::make_unique<MenuWindow>(m_fakes.services(), disc.folders());
        form->show();
        return form;
    }
    static void choose(MenuWindow& f, int row) {
        menudriver::chooseCategory(f, 0);
        menudriver::chooseItem(f, row);
    }
    static CopyDialog* copyDialog(MenuWindow& f) { return control<CopyDialog>(f, QStringLiteral("Tfcform")); }
    // Opens the copy dialog by the copy or the unzip button.
    static CopyDialog* openCopyDialog(MenuWindow& f, const QString& button) {
        if (!press(f, button))
            return nullptr;
        CopyDialog* dialog = copyDialog(f);
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }
    bool played(int n) const {
        const QString wave = QStringLiteral("Sound%1.wav").arg(n);
        return std::any_of(m_fakes.sound.played.begin(), m_fakes.sound.played.end(),
                           [&](const QString& file) { return file.endsWith(wave); });
    }
    static bool buttonsEnabled(const CopyDialog& dialog) {
        for (const char16_t* name : {u"start", u"newd", u"cancel", u"browsebtn"}) {
            if (!control<ui::ShadowButton>(dialog, QString::fromUtf16(name))->isEnabled())
                return false;
        }
        return true;
    }

private Q_SLOTS:
    void copyInBlocksKeepsTheTimeAndReplaces() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("source.bin"));
        const QString target = dir.filePath(QStringLiteral("target.bin"));
        const QDateTime when(QDate(2010, 5, 6), QTime(7, 8, 9));
        writeFile(source, pattern(20000), when);
        writeFile(target, "an older copy");

        QList<int> percents;
        const menu::CopyResult result =
            menu::copyInBlocks(source, target, [&](int percent) { percents.append(percent); });
        QCOMPARE(result.outcome, menu::CopyOutcome::Copied);
        QCOMPARE(readAll(target), pattern(20000));
        QCOMPARE(QFileInfo(target).lastModified(), when);
        // 8192, 16384 and 20000 of 20000 bytes.
        QCOMPARE(percents, (QList<int>{41, 82, 100}));

        // Blocks grow while the disc keeps up and stay small while it does not.
        const QString large = dir.filePath(QStringLiteral("large.bin"));
        writeFile(large, pattern(1 << 20));
        percents.clear();
        QCOMPARE(menu::copyInBlocks(large, target, [&](int p) { percents.append(p); },
                                    {.first = 8192, .largest = 65536, .quickMs = 60000, .slowMs = 60000})
                     .outcome,
                 menu::CopyOutcome::Copied);
        QCOMPARE(percents.size(), 3 + 16); // 8, 16 and 32 KiB, then 64 KiB blocks
        QCOMPARE(readAll(target), pattern(1 << 20));
        percents.clear();
        menu::copyInBlocks(large, target, [&](int p) { percents.append(p); },
                           {.first = 8192, .largest = 65536, .quickMs = -1, .slowMs = -1});
        QCOMPARE(percents.size(), 128);

        // An empty file is copied too, and the bar ends full.
        const QString empty = dir.filePath(QStringLiteral("empty"));
        writeFile(empty, {});
        percents.clear();
        QCOMPARE(menu::copyInBlocks(empty, dir.filePath(QStringLiteral("empty copy")),
                                    [&](int p) { percents.append(p); })
                     .outcome,
                 menu::CopyOutcome::Copied);
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("empty copy"))).isFile());
        QCOMPARE(percents, QList<int>{100});
    }

    void copyLeavesWhatItMustNotTouch() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("source.bin"));
        writeFile(source, pattern(5000));

        const QString readOnly = dir.filePath(QStringLiteral("locked.bin"));
        writeFile(readOnly, "keep me");
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup);
        QCOMPARE(menu::copyInBlocks(source, readOnly, {}).outcome, menu::CopyOutcome::DestinationKept);
        QCOMPARE(readAll(readOnly), QByteArray("keep me"));

        // Copying a file onto itself would delete it first.
        QCOMPARE(menu::copyInBlocks(source, source, {}).outcome, menu::CopyOutcome::AlreadyThere);
        QCOMPARE(readAll(source), pattern(5000));

        const QString folder = dir.filePath(QStringLiteral("folder"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(menu::copyInBlocks(source, folder, {}).outcome, menu::CopyOutcome::DestinationKept);
        QCOMPARE(
            menu::copyInBlocks(dir.filePath(QStringLiteral("missing")), dir.filePath(QStringLiteral("x")), {})
                .outcome,
            menu::CopyOutcome::SourceUnreadable);
        QCOMPARE(menu::copyInBlocks(source, dir.filePath(QStringLiteral("no/such/folder/x")), {}).outcome,
                 menu::CopyOutcome::DestinationBlocked);
    }

    void aFailedCopyKeepsTheViewersFile() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("readme.txt"));
        writeFile(target, "the viewer's own text");
        // A source whose reading fails part way, as a bad sector of a disc does: the memory file
        // of this process reads with an input/output error at its first byte.
        const QString badSector = QStringLiteral("/proc/self/mem");
        if (!QFileInfo(badSector).isFile())
            QSKIP("no file here that fails while it is read");
        const menu::CopyResult result = menu::copyInBlocks(badSector, target, {});
        QCOMPARE(result.outcome, menu::CopyOutcome::Interrupted);
        QCOMPARE(readAll(target), QByteArray("the viewer's own text"));
        // Said in the disc's language, with what became of the file that lay there.
        QVERIFY(
            menu::copyFailureMessage(result, badSector, target, 1).contains(QStringLiteral("unverändert")));
        QVERIFY(menu::copyFailureMessage(menu::copyInBlocks(dir.filePath(QStringLiteral("gone")), target, {}),
                                         dir.filePath(QStringLiteral("gone")), target, 1)
                    .contains(QStringLiteral("Diese Datei gibt es nicht.")));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("readme.txt")});

        // Stopped after its first block: the old file stays, nothing half is left.
        const QString source = dir.filePath(QStringLiteral("new.bin"));
        writeFile(source, pattern(100000));
        std::atomic<bool> stop{false};
        const menu::CopyResult stopped = menu::copyInBlocks(
            source, target, [&](int) { stop = true; }, {}, &stop);
        QCOMPARE(stopped.outcome, menu::CopyOutcome::Stopped);
        QCOMPARE(readAll(target), QByteArray("the viewer's own text"));
        QCOMPARE(entries(dir.path()), (QStringList{QStringLiteral("new.bin"), QStringLiteral("readme.txt")}));

        // A link in the destination's place is replaced itself; what it points to stays.
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere.txt"));
        writeFile(elsewhere, "not the copy's to change");
        const QString link = dir.filePath(QStringLiteral("link.bin"));
        QVERIFY(QFile::link(elsewhere, link));
        QCOMPARE(menu::copyInBlocks(source, link, {}).outcome, menu::CopyOutcome::Copied);
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(readAll(link), pattern(100000));
        QCOMPARE(readAll(elsewhere), QByteArray("not the copy's to change"));

        // A pipe or a device is no file to copy, and is refused without waiting on it.
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        QVERIFY(makePipe(pipe));
        const Watchdog watchdog("copying a pipe", std::chrono::seconds(20));
        QCOMPARE(menu::copyInBlocks(pipe, target, {}).outcome, menu::CopyOutcome::SourceUnreadable);
        QCOMPARE(menu::copyInBlocks(QStringLiteral("/dev/zero"), target, {}).outcome,
                 menu::CopyOutcome::SourceUnreadable);
        QCOMPARE(readAll(target), QByteArray("the viewer's own text"));
    }

    void copyAndUnzipRunWithAStopButton() {
        DiscFixture disc;
        writeActionsDisc(disc);
        QTemporaryDir target;
        // An endless copy in all but name: 1 GiB that the disc holds as a hole.
        QFile large(disc.root() + QStringLiteral("tools/run.exe"));
        QVERIFY(large.open(QIODevice::ReadWrite) && large.resize(qint64(1) << 30));
        large.close();
        writeFile(target.filePath(QStringLiteral("run.exe")), "kept");
        auto f = open(disc);
        choose(*f, Program);
        CopyDialog* dialog = openCopyDialog(*f, QStringLiteral("copybtn"));
        QVERIFY(dialog);
        dialog->selectFolder(target.path());
        auto* stop = control<ui::ShadowButton>(*dialog, QStringLiteral("stopbtn"));
        QVERIFY(!stop->isVisible());

        // The window keeps answering while the copy runs: the stop button is pressed from its
        // event loop, and the copy ends promptly with the viewer's file as it was.
        bool pressedWhileBusy = false;
        QTimer::singleShot(30, this, [&] {
            pressedWhileBusy = stop->isVisible();
            QVERIFY(!control<ui::ShadowButton>(*dialog, QStringLiteral("start"))->isVisible());
            QVERIFY(press(*dialog, QStringLiteral("stopbtn")));
        });
        QElapsedTimer timer;
        timer.start();
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QVERIFY(pressedWhileBusy);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(readAll(target.filePath(QStringLiteral("run.exe"))), QByteArray("kept"));
        QCOMPARE(entries(target.path()), QStringList{QStringLiteral("run.exe")});
        QVERIFY(!played(4));
        QVERIFY(m_fakes.messages.shown.isEmpty());
        QVERIFY(buttonsEnabled(*dialog));
        QVERIFY(!stop->isVisible());
        QVERIFY(press(*dialog, QStringLiteral("cancel")));

        // The same for an unzip: a few hundred kilobytes that unpack to 256 MiB.
        QVERIFY(writeZip(disc.root() + QStringLiteral("tools/setup.zip"),
                         {{QStringLiteral("setup.exe"), QByteArray(256 * 1024 * 1024, '\0'), {}}}));
        writeFile(target.filePath(QStringLiteral("setup.exe")), "also kept");
        choose(*f, Archive);
        QCOMPARE(openCopyDialog(*f, QStringLiteral("zip")), dialog);
        dialog->selectFolder(target.path());
        QTimer::singleShot(30, this, [&] { QVERIFY(press(*dialog, QStringLiteral("stopbtn"))); });
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(readAll(target.filePath(QStringLiteral("setup.exe"))), QByteArray("also kept"));
        QCOMPARE(entries(target.path()),
                 (QStringList{QStringLiteral("run.exe"), QStringLiteral("setup.exe")}));
        QVERIFY(!played(5));
        QVERIFY(m_fakes.messages.shown.isEmpty());
        QVERIFY(buttonsEnabled(*dialog));
    }

    void unzipThatDoesNotFitIsRefused() {
        DiscFixture disc;
        writeActionsDisc(disc, true, 1);
        QTemporaryDir target;
        // Entries that claim 4 GB each, enough of them to outgrow the free space.
        const qint64 claimed = 0xFFFFFFF0LL;
        const int count = int(QStorageInfo(target.path()).bytesAvailable() / claimed) + 2;
        std::vector<ZipEntry> bombs;
        for (int i = 0; i < count; ++i)
            bombs.push_back({QStringLiteral("part%1.bin").arg(i), "x", {}});
        const QString archive = disc.root() + QStringLiteral("tools/setup.zip");
        QVERIFY(writeZip(archive, bombs));
        QByteArray bytes = readAll(archive);
        for (qsizetype at = bytes.indexOf("PK\x01\x02"); at >= 0; at = bytes.indexOf("PK\x01\x02", at + 4))
            qToLittleEndian<quint32>(quint32(claimed), bytes.data() + at + 24);
        writeFile(archive, bytes);
        QVERIFY(menu::totalStoredSize(archive) > QStorageInfo(target.path()).bytesAvailable());

        auto f = open(disc);
        choose(*f, Archive);
        CopyDialog* dialog = openCopyDialog(*f, QStringLiteral("zip"));
        QVERIFY(dialog);
        dialog->selectFolder(target.path());
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(m_fakes.messages.shown.size(), 1);
        const QString message = m_fakes.messages.shown[0].text;
        QVERIFY2(message.contains(QStringLiteral("nicht entpackt")) &&
                     message.contains(QDir::toNativeSeparators(target.path())),
                 qPrintable(message));
        QVERIFY(entries(target.path()).isEmpty());
        QVERIFY(!played(5));
    }

    void onlyAddressesGoToTheBrowser() {
        DiscFixture disc;
        writeActionsDisc(disc);
        disc.addItem(0, QStringLiteral("Looks like an address"),
                     {{QStringLiteral("pfad"), QStringLiteral("http/x.sh")}});
        disc.addItem(0, QStringLiteral("Home page"),
                     {{QStringLiteral("pfad"), QStringLiteral("\\tools\\run.exe")},
                      {QStringLiteral("url"), QStringLiteral("http/x.sh")}});
        disc.save();
        auto f = open(disc);
        choose(*f, Empty + 1);
        QVERIFY(press(*f, QStringLiteral("ausf")));
        QCOMPARE(m_fakes.shell.calls.size(), 1);
        QCOMPARE(m_fakes.shell.calls[0].target,
                 QDir::toNativeSeparators(disc.root() + QStringLiteral("http/x.sh")));
        choose(*f, Empty + 2);
        auto* homePage = control<ui::EffectLabel>(*f, QStringLiteral("hpurl"));
        QCOMPARE(homePage->text(), QStringLiteral("n/a"));
        QVERIFY(!homePage->isLink());
    }

    void aFolderThatCannotBeShownIsNamed() {
        DiscFixture disc;
        writeActionsDisc(disc, true, 1);
        auto f = open(disc);
        m_fakes.shell.canExplore = false;
        choose(*f, Folder);
        QVERIFY(press(*f, QStringLiteral("ausf")));
        QCOMPARE(m_fakes.messages.shown.size(), 1);
        const QString folder = QDir::toNativeSeparators(disc.root() + QStringLiteral("tools/"));
        QVERIFY2(m_fakes.messages.shown[0].text.contains(folder), qPrintable(m_fakes.messages.shown[0].text));
        QVERIFY(m_fakes.messages.shown[0].text.startsWith(QStringLiteral("Der Ordner")));
    }

    void startingOpensExploresOrStarts() {
        DiscFixture disc;
        writeActionsDisc(disc);
        auto f = open(disc);
        choose(*f, Folder);
        QVERIFY(press(*f, QStringLiteral("ausf")));
        // An item that may not be started offers no start.
        choose(*f, Program);
        QVERIFY(!control<ui::ShadowButton>(*f, QStringLiteral("ausf"))->isEnabled());
        choose(*f, Archive);
        QVERIFY(press(*f, QStringLiteral("ausf")));
        choose(*f, Web);
        QVERIFY(press(*f, QStringLiteral("ausf")));
        const QList<ui::testing::FakeShell::Call> expected{
            {Verb::Explore, QDir::toNativeSeparators(disc.root() + QStringLiteral("tools/")), {}},
            {Verb::Open, QDir::toNativeSeparators(disc.root() + QStringLiteral("tools/setup.zip")), {}},
            {Verb::Open, QStringLiteral("http://example.org/"), {}}};
        QCOMPARE(m_fakes.shell.calls, expected);
        QVERIFY(played(3));
    }

    void doubleClickTakesTheFirstEnabledCommand() {
        DiscFixture disc;
        writeActionsDisc(disc);
        auto f = open(disc);
        CopyDialog* dialog = copyDialog(*f);
        ui::FillList& items = menudriver::items(*f);
        const auto doubleClickRow = [&](int row) {
            choose(*f, row);
            QTest::mouseDClick(items.viewport(), Qt::LeftButton, {},
                               items.visualItemRect(items.item(row)).center());
        };
        // Copy alone: the copy dialog.
        doubleClickRow(Program);
        QVERIFY(dialog->isVisible());
        QCOMPARE(f->state().copyMode, menu::CopyMode::Copy);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Copy the selected file to..."));
        QVERIFY(press(*dialog, QStringLiteral("cancel")));
        QVERIFY(!dialog->isVisible());
        // An archive that may also be started: unzip comes first.
        doubleClickRow(Archive);
        QCOMPARE(f->state().copyMode, menu::CopyMode::Unzip);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Unzip the selected file to..."));
        QVERIFY(m_fakes.shell.calls.isEmpty());
        QVERIFY(press(*dialog, QStringLiteral("cancel")));
        // Start alone.
        doubleClickRow(Web);
        QCOMPARE(m_fakes.shell.calls.size(), 1);
        QVERIFY(!dialog->isVisible());
    }

    void copyDialogIsWideEnoughForItsCaption() {
        DiscFixture disc;
        writeActionsDisc(disc, false, 1);
        auto f = open(disc);
        choose(*f, Program);
        CopyDialog* dialog = openCopyDialog(*f, QStringLiteral("copybtn"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Kopiere die ausgewählte Datei nach..."));
        QFont titleFace = dialog->font();
        titleFace.setBold(true);
        // The long German caption widens the dialog, within the screen; its controls go with it.
        QVERIFY(dialog->width() > 273);
        QVERIFY(dialog->width() >= QFontMetrics(titleFace).horizontalAdvance(dialog->windowTitle()));
        QVERIFY(dialog->width() <= dialog->screen()->availableGeometry().width());
        QCOMPARE(dialog->height(), 309);
        for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(dialog->rect().contains(control->geometry()), qPrintable(control->objectName()));
        QCOMPARE(control<ui::ShadowButton>(*dialog, QStringLiteral("cancel"))->geometry().right(),
                 dialog->width() - 8 - 1);
        QVERIFY(press(*dialog, QStringLiteral("cancel")));
    }

    void copyDialogCopiesIntoTheSelectedFolder() {
        DiscFixture disc;
        writeActionsDisc(disc);
        QTemporaryDir target;
        auto f = open(disc);
        CopyDialog* dialog = copyDialog(*f);
        QCOMPARE(dialog->size(), QSize(273, 309));
        choose(*f, Program);
        QCOMPARE(openCopyDialog(*f, QStringLiteral("copybtn")), dialog);
        dialog->selectFolder(target.path());
        QCOMPARE(dialog->selectedFolder(), QDir::toNativeSeparators(target.path()));

        QList<int> values;
        auto* gauge = control<ui::GaugeBar>(*dialog, QStringLiteral("copyanz"));
        connect(gauge, &ui::GaugeBar::valueChanged, this, [&](int v) { values.append(v); });
        writeFile(target.filePath(QStringLiteral("run.exe")), "an older copy");
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(readAll(target.filePath(QStringLiteral("run.exe"))), pattern(20000));
        // The first block is 8 KiB; later ones may grow with the speed of the disc.
        QCOMPARE(values.first(), 41);
        QCOMPARE(values.last(), 100);
        QVERIFY(std::is_sorted(values.begin(), values.end()));
        QVERIFY(played(4));
        QVERIFY(buttonsEnabled(*dialog));
        QVERIFY(dialog->isVisible());

        // A copy that cannot start is no finished copy: the viewer is told why, and the finished
        // sound stays silent. First a read-only file of that name, which stays as it is.
        QVERIFY(m_fakes.messages.shown.isEmpty());
        const auto failsWith = [&](const QString& reason) {
            m_fakes.sound.played.clear();
            m_fakes.messages.shown.clear();
            QVERIFY(press(*dialog, QStringLiteral("start")));
            QVERIFY(!played(4));
            QVERIFY(played(3));
            QCOMPARE(m_fakes.messages.shown.size(), 1);
            QVERIFY2(m_fakes.messages.shown.front().text.contains(reason),
                     qPrintable(m_fakes.messages.shown.front().text));
            QVERIFY(buttonsEnabled(*dialog));
        };
        const QString locked = target.filePath(QStringLiteral("run.exe"));
        writeFile(locked, "read-only");
        QFile::setPermissions(locked, QFile::ReadOwner);
        failsWith(QStringLiteral("cannot be replaced"));
        QCOMPARE(readAll(locked), QByteArray("read-only"));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner);
        // A folder that went away after it was chosen.
        const QString vanished = target.filePath(QStringLiteral("vanished"));
        QVERIFY(QDir().mkpath(vanished));
        dialog->selectFolder(vanished);
        QVERIFY(QDir().rmdir(vanished));
        failsWith(QStringLiteral("cannot be created"));
        // A source that went missing.
        dialog->selectFolder(target.path());
        QVERIFY(QFile::rename(disc.root() + QStringLiteral("tools/run.exe"),
                              disc.root() + QStringLiteral("gone")));
        failsWith(QStringLiteral("cannot be read"));
        QVERIFY(!QFileInfo::exists(target.filePath(QStringLiteral("run.exe"))) ||
                readAll(target.filePath(QStringLiteral("run.exe"))) == QByteArray("read-only"));

        // The tree keeps its place for the next opening.
        QVERIFY(press(*dialog, QStringLiteral("cancel")));
        QCOMPARE(openCopyDialog(*f, QStringLiteral("copybtn")), dialog);
        QCOMPARE(dialog->selectedFolder(), QDir::toNativeSeparators(target.path()));
        QCOMPARE(gauge->value(), 0);
    }

    void driveRootsGetNoSecondSeparator() {
        DiscFixture disc;
        writeActionsDisc(disc);
        auto f = open(disc);
        CopyDialog* dialog = copyDialog(*f);
        QVERIFY(!dialog->drives().isEmpty());
        const QString root = dialog->drives().front();
        dialog->selectFolder(root);
        QCOMPARE(dialog->destinationFolder(), root);
        QVERIFY(root.endsWith(QDir::separator()));
        QVERIFY(!root.endsWith(QString(2, QDir::separator())));
        dialog->selectFolder(disc.root() + QStringLiteral("tools"));
        QCOMPARE(dialog->destinationFolder(),
                 QDir::toNativeSeparators(disc.root() + QStringLiteral("tools/")));
    }

    void unzipAdvancesTheBarPerEntry() {
        DiscFixture disc;
        writeActionsDisc(disc);
        QTemporaryDir target;
        auto f = open(disc);
        choose(*f, Archive);
        CopyDialog* dialog = openCopyDialog(*f, QStringLiteral("zip"));
        QVERIFY(dialog);
        dialog->selectFolder(target.path());
        QList<QPair<int, int>> steps; // value, maximum
        auto* gauge = control<ui::GaugeBar>(*dialog, QStringLiteral("copyanz"));
        connect(gauge, &ui::GaugeBar::valueChanged, this, [&](int v) {
            steps.append({v, gauge->maximum()});
        });
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(steps, (QList<QPair<int, int>>{{1, 3}, {2, 3}, {3, 3}, {100, 100}}));
        QCOMPARE(readAll(target.filePath(QStringLiteral("docs/readme.txt"))), QByteArray("read me"));
        QCOMPARE(readAll(target.filePath(QStringLiteral("setup.exe"))), QByteArray("program"));
        QVERIFY(played(5));
        QVERIFY(m_fakes.messages.shown.isEmpty());

        // Again over the same files: they are overwritten without a word.
        writeFile(target.filePath(QStringLiteral("setup.exe")), "changed");
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(readAll(target.filePath(QStringLiteral("setup.exe"))), QByteArray("program"));
        QVERIFY(m_fakes.messages.shown.isEmpty());
        QVERIFY(buttonsEnabled(*dialog));
    }

    void unzipOfNothingOrOfHostileNames() {
        DiscFixture disc;
        writeActionsDisc(disc);
        QTemporaryDir target;
        const QString dest = target.filePath(QStringLiteral("dest"));
        QVERIFY(QDir().mkpath(dest));
        auto f = open(disc);
        choose(*f, Empty);
        CopyDialog* dialog = openCopyDialog(*f, QStringLiteral("zip"));
        QVERIFY(dialog);
        dialog->selectFolder(dest);
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(m_fakes.messages.shown.size(), 1);
        QCOMPARE(m_fakes.messages.shown[0].text, QStringLiteral("Error - no files in the Zip file"));
        QVERIFY(!played(5));
        QVERIFY(buttonsEnabled(*dialog));

        // Not an archive at all: the same message.
        writeFile(disc.root() + QStringLiteral("tools/empty.zip"), "no archive");
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(m_fakes.messages.shown.size(), 2);
        QCOMPARE(m_fakes.messages.shown[1].text, QStringLiteral("Error - no files in the Zip file"));

        // An archive from an untrusted disc: what would leave the folder is refused and named.
        QVERIFY(writeZip(disc.root() + QStringLiteral("tools/empty.zip"),
                         {{QStringLiteral("../evil"), "x", {}},
                          {QStringLiteral("/abs-evil"), "x", {}},
                          {QStringLiteral("C:\\x"), "x", {}},
                          {QStringLiteral("fine.txt"), "fine", {}}}));
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(m_fakes.messages.shown.size(), 3);
        QVERIFY(m_fakes.messages.shown[2].text.contains(QStringLiteral("../evil")));
        QVERIFY(m_fakes.messages.shown[2].text.contains(QStringLiteral("outside the destination folder")));
        QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("dest")});
        QCOMPARE(QDir(dest).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("fine.txt")});
        QVERIFY(!QFileInfo::exists(QStringLiteral("/abs-evil")));
        QVERIFY(played(5));
    }

    void unzipWithoutTheModule() {
        if (QLibrary(QStringLiteral("Unzdll")).load())
            QSKIP("the library search finds an unzip module on this machine");
        DiscFixture disc;
        writeActionsDisc(disc, false, 1);
        QTemporaryDir target;
        auto f = open(disc);
        QVERIFY(!f->unzipModule().isLoaded());
        choose(*f, Archive);
        CopyDialog* dialog = openCopyDialog(*f, QStringLiteral("zip"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Entpacke die ausgewählte Datei nach..."));
        dialog->selectFolder(target.path());
        QVERIFY(press(*dialog, QStringLiteral("start")));
        QCOMPARE(m_fakes.messages.shown.size(), 1);
        QVERIFY(m_fakes.messages.shown[0].text.contains(QStringLiteral("Unzdll.dll")));
        QVERIFY(QDir(target.path()).isEmpty());
        QVERIFY(!played(5));
        QVERIFY(buttonsEnabled(*dialog));
    }

    void newFolderDialog() {
        DiscFixture disc;
        writeActionsDisc(disc);
        QTemporaryDir target;
        QVERIFY(QDir(target.path()).mkdir(QStringLiteral("existing")));
        writeFile(target.filePath(QStringLiteral("plainfile")), "x");
        auto f = open(disc);
        auto* dialog = control<NewFolderDialog>(*f, QStringLiteral("Tddform"));
        auto* name = control<QLineEdit>(*dialog, QStringLiteral("dirname"));
        QCOMPARE(dialog->size(), QSize(182, 73));
        choose(*f, Program);
        CopyDialog* copy = openCopyDialog(*f, QStringLiteral("copybtn"));
        QVERIFY(copy);
        copy->selectFolder(target.path());
        QVERIFY(press(*copy, QStringLiteral("newd")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->parentFolder(), QDir::toNativeSeparators(target.path()));
        QCOMPARE(name->text(), QString());

        // No name, or a folder that exists: nothing happens and the dialog stays.
        QVERIFY(press(*dialog, QStringLiteral("okbtn")));
        QVERIFY(dialog->isVisible());
        QTest::keyClicks(name, QStringLiteral("existing"));
        QVERIFY(press(*dialog, QStringLiteral("okbtn")));
        QVERIFY(dialog->isVisible());
        QVERIFY(m_fakes.messages.shown.isEmpty());
        // A file in the way cannot become a folder: the system's reason, and the dialog stays.
        name->setText(QStringLiteral("plainfile"));
        QVERIFY(press(*dialog, QStringLiteral("okbtn")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_fakes.messages.shown.size(), 1);

        name->setText(QStringLiteral("fresh"));
        QVERIFY(press(*dialog, QStringLiteral("okbtn")));
        QVERIFY(!dialog->isVisible());
        QVERIFY(QFileInfo(target.filePath(QStringLiteral("fresh"))).isDir());
        QCOMPARE(copy->selectedFolder(), QDir::toNativeSeparators(target.filePath(QStringLiteral("fresh"))));

        // Enter in the field does the same, without the button's click sound.
        QVERIFY(press(*copy, QStringLiteral("newd")));
        QCOMPARE(name->text(), QString());
        name->setText(QStringLiteral("by enter"));
        const qsizetype sounds = m_fakes.sound.played.size();
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(QFileInfo(target.filePath(QStringLiteral("fresh/by enter"))).isDir());
        QCOMPARE(m_fakes.sound.played.size(), sounds);
        QVERIFY(!dialog->isVisible());

        QVERIFY(press(*copy, QStringLiteral("browsebtn")));
        QCOMPARE(m_fakes.shell.calls.last(),
                 (ui::testing::FakeShell::Call{
                     Verb::Explore,
                     QDir::toNativeSeparators(target.filePath(QStringLiteral("fresh/by enter"))),
                     {}}));
    }
};

QTEST_MAIN(TestMenuActions)
#include "tst_menuactions.moc"
