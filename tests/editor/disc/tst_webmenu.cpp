// The web menu that the disc build writes beside the menu program, opened in a real browser.
#include "common/IniFile.h"
#include "editor/disc/DiscBuild.h"
#include "editor/disc/web/RichTextRuns.h"
#include "editor/disc/web/WebMenu.h"
#include "editor/disc/web/WebMenuItems.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/HeadlessBrowser.h"
#include "tests/support/SkipUnlessCi.h"

#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

namespace {

void writeIcon(const QString& path, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(colour);
    QVERIFY(icon.save(path, "ICO"));
}

ItemRecord located(const QString& name, const QString& category, const QString& fileName,
                   const QString& cdPath) {
    ItemRecord r = item(name, category);
    r[fieldIndex(ItemField::FileName)] = fileName;
    r[fieldIndex(ItemField::CdPath)] = cdPath;
    return r;
}

// How many pixels of the picture have this colour, give or take a little for smoothing.
int pixelsOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                12)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestWebMenu : public QObject {
    Q_OBJECT

    // A program folder with real icons and the shipped menu language files, a project whose disc
    // folder is its own folder.
    struct Fixture {
        QTemporaryDir dir;
        EditorState state;
        ItemTable items;
        QString disc;

        explicit Fixture(int language = 1, const QByteArray& designKeys = {}) {
            state.programFolder = dir.path() + u"/program/"_qs;
            const QString files = state.programFolder + u"Files/"_qs;
            QDir().mkpath(files);
            for (const char* l : {"0.0", "0.1", "1.0", "1.1"})
                QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/language") + QLatin1String(l),
                            files + u"language"_qs + QLatin1String(l));
            writeFile(files + u"tiv.exe"_qs, "\x7f"
                                             "ELF");
            writeFile(files + u"Unzdll.dll"_qs);
            writeFile(files + u"autorun.inf"_qs, "[autorun]\r\nopen=tiv.exe\r\nicon=CFG\\tiv.ico\r\n");
            writeIcon(files + u"tiv.ico"_qs, Qt::blue);
            for (int m = 1; m <= discbuild::kItemIconCount; ++m)
                writeIcon(files + discbuild::itemIconName(m), QColor(10 * m, 100, 50));
            state.cdName = u"Demo CD"_qs;
            disc = dir.path() + u"/project/"_qs;
            state.projectFolder = QDir::toNativeSeparators(disc);
            state.categories = {u"Games"_qs, u"Tools"_qs};
            const QString lbc = writeCategoryFile(dir.filePath(u"genre/cats.lbc"_qs), state.categories);
            writeIcon(dir.filePath(u"genre/0.ico"_qs), Qt::red);
            writeIcon(dir.filePath(u"genre/1.ico"_qs), Qt::green);
            state.files.categoryFile.set(lbc);
            state.files.designFile.set(writeFile(dir.filePath(u"design/d.lbd"_qs),
                                                 "[Language]\r\nLanguage=" + QByteArray::number(language) +
                                                     "\r\nStyle=1\r\n" + designKeys));
        }
        discbuild::Result build() { return discbuild::build(disc, state, items); }
        QString page() const { return disc + u"index.html"_qs; }
    };

    HeadlessBrowser m_browser;

    bool haveBrowser() { return m_browser.found(); }

private Q_SLOTS:
    // Categories, items and details as the project has them, in the disc's language; a file, a
    // folder and an address each lead where they should.
    void pageShowsTheProject() {
        if (!haveBrowser())
            SKIP_UNLESS_CI("no headless Chromium (Debian package chromium-headless-shell)");
        Fixture f;
        ItemRecord setup = located(u"Setup"_qs, u"Tools"_qs, u"setup program.exe"_qs, u"\\tools\\"_qs);
        setup[fieldIndex(ItemField::Serial)] = u"SN-1234"_qs;
        setup[fieldIndex(ItemField::CdSize)] = u"3 MB"_qs;
        setup[fieldIndex(ItemField::Description)] = u"Installs it"_qs;
        setup[fieldIndex(ItemField::Homepage)] = u"www.example.org"_qs;
        writeFile(f.disc + u"tools/setup program.exe"_qs);
        writeFile(f.disc + u"tools/setup program.txt"_qs, "First line\r\nZweite Zeile \xfc");
        QImage shot(40, 30, QImage::Format_RGB32);
        shot.fill(Qt::magenta);
        shot.save(f.disc + u"tools/setup program.jpg"_qs, "JPG");
        const ItemRecord jump = located(u"Drivers"_qs, u"Tools"_qs, u"Jump Point"_qs, u"\\drivers\\"_qs);
        const ItemRecord web = located(u"Site"_qs, u"Games"_qs, u"https://example.org/a?b=1"_qs, QString());
        f.items.setRecords({setup, jump, web});
        QVERIFY(f.build().written);

        const QString tools = m_browser.dumpDom(f.page(), u"c1-0"_qs);
        QVERIFY2(tools.contains(u"<html lang=\"de\""_qs), qPrintable(tools.left(300)));
        for (const QString& text : {u"Kategorien"_qs, u"Games"_qs, u"Tools"_qs, u"Dateien in Tools"_qs,
                                    u"Details zu Setup"_qs, u"Seriennummer"_qs, u"SN-1234"_qs, u"3 MB"_qs,
                                    u"Installs it"_qs, u"Drivers"_qs, u"Zweite Zeile \u00fc"_qs})
            QVERIFY2(tools.contains(text), qPrintable(text));
        QVERIFY(tools.contains(u"href=\"tools/setup%20program.exe\""_qs));
        QVERIFY(tools.contains(u"src=\"tools/setup%20program.jpg\""_qs));
        QVERIFY(tools.contains(u"href=\"http://www.example.org\""_qs));
        QVERIFY(tools.contains(u"src=\"CFG/web/c1.png\""_qs));

        const QString drivers = m_browser.dumpDom(f.page(), u"c1-1"_qs);
        QVERIFY(drivers.contains(u"href=\"drivers/\""_qs));
        QVERIFY(drivers.contains(u"Ordner öffnen"_qs));
        QVERIFY(drivers.contains(u"Kein Screenshot verfügbar"_qs));

        const QString site = m_browser.dumpDom(f.page(), u"c0-0"_qs);
        QVERIFY(site.contains(u"href=\"https://example.org/a?b=1\""_qs));
        QVERIFY(site.contains(u"target=\"_blank\""_qs));
        QVERIFY(!site.contains(u"Dateien in Tools"_qs));
    }

    // Names, descriptions and texts that look like markup show as text; nothing of them runs.
    void hostileTextsStayText() {
        if (!haveBrowser())
            SKIP_UNLESS_CI("no headless Chromium (Debian package chromium-headless-shell)");
        Fixture f(0);
        const QString hostile = u"<img src=x onerror=\"document.title='owned'\">"_qs;
        f.state.cdName = u"</title><script>document.title='owned'</script>"_qs;
        f.state.categories = {hostile, u"Tools"_qs};
        writeCategoryFile(f.state.files.categoryFile.path(), f.state.categories);
        ItemRecord bad = located(hostile, hostile, u"x.exe"_qs, u"\\"_qs);
        bad[fieldIndex(ItemField::Description)] = u"<b>bold</b>"_qs;
        bad[fieldIndex(ItemField::Homepage)] = u"javascript:alert(1)"_qs;
        const ItemRecord script = located(u"Evil"_qs, hostile, u"javascript:alert(1)"_qs, QString());
        f.items.setRecords({bad, script});
        QVERIFY(f.build().written);

        const QString dom = m_browser.dumpDom(f.page(), u"c0-0"_qs);
        QVERIFY(!dom.contains(u"owned</title>"_qs));
        QVERIFY(!dom.contains(u"<img src=\"x\""_qs));
        QVERIFY(!dom.contains(u"<b>bold"_qs));
        QVERIFY(!dom.contains(u"href=\"javascript"_qs));
        QVERIFY(dom.contains(u"&lt;img src=x onerror=\"document.title='owned'\"&gt;"_qs));
        QVERIFY(dom.contains(u"&lt;b&gt;bold&lt;/b&gt;"_qs));
        // The English texts of the disc.
        QVERIFY(dom.contains(u"Categories"_qs));
        QVERIFY(dom.contains(u"<html lang=\"en\""_qs));
    }

    // The design's colours lie where the menu program has them: background, the three boxes.
    void screenshotShowsTheDesign() {
        if (!haveBrowser())
            SKIP_UNLESS_CI("no headless Chromium (Debian package chromium-headless-shell)");
        Fixture f(0, "[general]\r\ndesign_mode=band\r\n[Back]\r\nbc=clMaroon\r\nbec=clMaroon\r\n"
                     "[Boxes]\r\nboxc_c=clYellow\r\nboxf_c=clLime\r\nboxd_c=clAqua\r\n");
        f.items.setRecords({item(u"Chess"_qs, u"Games"_qs)});
        QVERIFY(f.build().written);
        const QImage shot = m_browser.screenshot(f.page(), {1000, 700}, u"c0-0"_qs);
        QVERIFY(!shot.isNull());
        QCOMPARE(shot.pixelColor(2, 2), QColor(128, 0, 0));
        QVERIFY(pixelsOf(shot, Qt::yellow) > 10000);
        QVERIFY(pixelsOf(shot, Qt::green) > 10000); // clLime
        QVERIFY(pixelsOf(shot, Qt::cyan) > 10000);  // clAqua
        QVERIFY(pixelsOf(shot, Qt::red) > 100);     // the category icon
    }

    // A disc of 10,000 items opens and shows its last item in well under the browser's patience.
    void tenThousandItemsOpenQuickly() {
        if (!haveBrowser())
            SKIP_UNLESS_CI("no headless Chromium (Debian package chromium-headless-shell)");
        Fixture f;
        std::vector<ItemRecord> rows;
        for (int i = 0; i < 10000; ++i)
            rows.push_back(item(QStringLiteral("Item %1").arg(i), i % 2 ? u"Tools"_qs : u"Games"_qs));
        f.items.setRecords(rows);
        QElapsedTimer buildTime;
        buildTime.start();
        QVERIFY(f.build().written);
        qInfo("build of 10,000 items: %lld ms", buildTime.elapsed());
        QElapsedTimer openTime;
        openTime.start();
        const QString dom = m_browser.dumpDom(f.page(), u"c1-4999"_qs);
        const qint64 ms = openTime.elapsed();
        qInfo("browser start, page open and last item shown: %lld ms", ms);
        QVERIFY(dom.contains(u"Details zu Item 9999"_qs));
        QVERIFY(ms < 20000); // a browser warns of a slow page after about 20 s
    }

    // The option decides; switched off, exactly what the web menu was goes away, and autorun.inf
    // goes back to starting the program. A file of the user where the page would go stays.
    void optionWritesAndRemovesTheWebMenu() {
        Fixture f;
        f.items.setRecords({item(u"Chess"_qs, u"Games"_qs)});
        writeFile(f.disc + u"CFG/web/mine.txt"_qs, "mine");
        QVERIFY(f.build().written);
        QVERIFY(QFileInfo::exists(f.page()));
        for (const char* name : {"data.js", "menu.js", "menu.css", "c0.png", "m1.png", "disc.png"})
            QVERIFY2(QFileInfo::exists(f.disc + u"CFG/web/"_qs + QLatin1String(name)), name);
        const QString lst = QString::fromUtf8(readBytes(f.disc + u"CFG/build.lst"_qs));
        QVERIFY(lst.contains(u"index.html\n"_qs) && lst.contains(u"CFG/web/data.js\n"_qs));
        QVERIFY(!lst.contains(u"mine.txt"_qs));
        const common::IniFile inf(f.disc + u"autorun.inf"_qs);
        QCOMPARE(inf.readString(u"autorun", u"shellexecute"), u"index.html"_qs);
        QCOMPARE(inf.readString(u"autorun", u"icon"), u"CFG\\tiv.ico"_qs);
        QCOMPARE(inf.readString(u"autorun", u"label"), u"Demo CD"_qs);
        QVERIFY(!inf.hasKey(u"autorun", u"open"));

        f.state.prefs.writeWebMenu = false;
        QVERIFY(f.build().written);
        QVERIFY(!QFileInfo::exists(f.page()));
        QVERIFY(!QFileInfo::exists(f.disc + u"CFG/web/data.js"_qs));
        QCOMPARE(readBytes(f.disc + u"CFG/web/mine.txt"_qs), QByteArray("mine"));
        QCOMPARE(readBytes(f.disc + u"autorun.inf"_qs),
                 readBytes(f.state.programFolder + u"Files/autorun.inf"_qs));

        writeFile(f.page(), "my own page");
        f.state.prefs.writeWebMenu = true;
        const discbuild::Result kept = f.build();
        QCOMPARE(kept.keptFiles, QStringList{QDir::toNativeSeparators(f.page())});
        QCOMPARE(readBytes(f.page()), QByteArray("my own page"));
    }

    // A disc whose menu program is a Windows program keeps starting it.
    void windowsMenuProgramKeepsItsAutostart() {
        Fixture f;
        writeFile(f.state.programFolder + u"Files/tiv.exe"_qs, "MZ\x90");
        QVERIFY(f.build().written);
        QCOMPARE(readBytes(f.disc + u"autorun.inf"_qs),
                 readBytes(f.state.programFolder + u"Files/autorun.inf"_qs));
        QVERIFY(QFileInfo::exists(f.page()));
    }

    // Disc paths become addresses relative to the page; none leads off the disc.
    void discPathsBecomeRelativeAddresses() {
        using webmenu::discPathSegments;
        QCOMPARE(webmenu::relativeAddress(*discPathSegments(u"\\a b\\c#d%.exe"_qs)),
                 u"a%20b/c%23d%25.exe"_qs);
        QCOMPARE(webmenu::relativeAddress(*discPathSegments(u"\\"_qs), true), u"./"_qs);
        QVERIFY(!discPathSegments(u"\\..\\..\\etc\\passwd"_qs));
        QVERIFY(!discPathSegments(u"\\a\\.\\b"_qs));
    }

    // Rich text keeps its formatting as classes; a face name that would break out of its rule
    // is left out.
    void richTextBecomesClassedRuns() {
        webmenu::RichTextStyles styles;
        const QJsonArray paragraphs = webmenu::richTextParagraphs(
            "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 x;}body{color:red}}\\qc\\f0 plain {\\b bold}\\par\\f1 evil}",
            styles);
        QCOMPARE(paragraphs.size(), 2);
        const QJsonObject first = paragraphs[0].toObject();
        QCOMPARE(first[u"a"_qs].toString(), u"c"_qs);
        const QJsonArray runs = first[u"r"_qs].toArray();
        QCOMPARE(runs.size(), 2);
        QCOMPARE(runs[1].toArray()[0].toString(), u"bold"_qs);
        const QString css = QString::fromUtf8(styles.styleSheet());
        QVERIFY(css.contains(u"font-weight:bold"_qs));
        QVERIFY(!css.contains(u"color:red"_qs));
        QCOMPARE(css.count(u'{'), css.count(u'}'));
    }

    // The desktop's autostart opens the page when the menu program cannot start here.
    void autostartFallsBackToThePage() {
        QTemporaryDir dir;
        const QString disc = dir.filePath(u"disc"_qs);
        QVERIFY(
            QFile::copy(QStringLiteral(LUMBREL_SOURCE_DIR "/menu/runtime/autorun"), disc + u"/autorun"_qs) ||
            (QDir().mkpath(disc) &&
             QFile::copy(QStringLiteral(LUMBREL_SOURCE_DIR "/menu/runtime/autorun"), disc + u"/autorun"_qs)));
        writeFile(disc + u"/index.html"_qs, "page");
        const QString opened = dir.filePath(u"opened"_qs);
        writeFile(dir.filePath(u"bin/xdg-open"_qs), "#!/bin/sh\necho \"$1\" > \"" + opened.toUtf8() + "\"\n");
        QFile(dir.filePath(u"bin/xdg-open"_qs))
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const auto run = [&] {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"PATH"_qs, dir.filePath(u"bin"_qs) + u":/usr/bin:/bin"_qs);
            p.setProcessEnvironment(env);
            p.start(u"/bin/sh"_qs, {disc + u"/autorun"_qs});
            p.waitForFinished(10000);
            return p.exitCode();
        };
        // A program that cannot be run (here: one for another system).
        writeFile(disc + u"/tiv.exe"_qs, "MZ not for here");
        QFile(disc + u"/tiv.exe"_qs).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        run();
        QCOMPARE(readBytes(opened).trimmed(), QByteArray("index.html"));
        // A program that ran and ended by itself is left alone.
        QFile::remove(opened);
        writeFile(disc + u"/tiv.exe"_qs, "#!/bin/sh\nexit 0\n");
        QCOMPARE(run(), 0);
        QVERIFY(!QFileInfo::exists(opened));
    }
};

QTEST_MAIN(TestWebMenu)
#include "tst_webmenu.moc"
