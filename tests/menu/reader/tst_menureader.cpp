// The menu program's reading of a disc: folders, the design, the language, categories, items,
// details and where an item's target lies.
#include "common/DesignKeys.h"
#include "common/FileSafeName.h"
#include "common/Paths.h"
#include "menu/reader/DesignSettings.h"
#include "menu/reader/DiscEntries.h"
#include "menu/reader/ItemTarget.h"
#include "menu/reader/LanguageTexts.h"
#include "tests/menu/DiscFixture.h"

#include <QtTest>

using namespace menu;

class TestMenuReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void foldersLieBesideTheExecutableInAnyLetterCase() {
        DiscFixture disc(QStringLiteral("CFG"));
        QDir(disc.root()).mkdir(QStringLiteral("TavikDat"));
        disc.writeRaw(QStringLiteral("Genre.CFG"), "[general]\r\nanz_items=2\r\n");
        QFile(disc.root() + QStringLiteral("TavikDat/a_b_c.txt")).open(QIODevice::WriteOnly);

        const DiscFolders f = disc.folders();
        QCOMPARE(f.programFolder, QDir::toNativeSeparators(disc.root()));
        QCOMPARE(f.configFolder, QDir::toNativeSeparators(disc.root() + QStringLiteral("CFG/")));
        QCOMPARE(f.itemDataFolder, QDir::toNativeSeparators(disc.root() + QStringLiteral("TavikDat/")));
        QVERIFY(f.drivePrefix.endsWith(QDir::separator()));
        QVERIFY(f.programFolder.startsWith(f.drivePrefix));
        QCOMPARE(categoryCount(common::IniFile(f.configFile(u"genre.cfg"))), 2);
        QVERIFY(
            QFileInfo(f.itemDataFile(common::fileSafeName(QStringLiteral("a/b:c")) + QStringLiteral(".txt")))
                .isFile());
        // A missing file keeps the spelling asked for, in the configuration folder.
        QCOMPARE(f.configFile(u"MembersD\\m0-0.dat"),
                 QDir::toNativeSeparators(disc.cfg() + QStringLiteral("membersd/m0-0.dat")));
    }

    void projectRootRestDropsDriveAndTrailingSeparator() {
        QCOMPARE(projectRootRest(QStringLiteral("C:\\"), QStringLiteral("C:\\")), QString());
        QCOMPARE(projectRootRest(QStringLiteral("C:\\Discs\\Issue5\\"), QStringLiteral("C:\\")),
                 QStringLiteral("Discs\\Issue5"));
        QCOMPARE(projectRootRest(QString(), QStringLiteral("/")), QString());
#ifndef Q_OS_WIN
        QCOMPARE(projectRootRest(QStringLiteral("/home/ann/discs/issue5/"), QStringLiteral("/")),
                 QStringLiteral("home/ann/discs/issue5"));
        QCOMPARE(projectRootRest(QStringLiteral("/data/discs/x/"), QStringLiteral("/data/")),
                 QStringLiteral("discs/x"));
        // Another file system than the executable's: only the leading separator goes.
        QCOMPARE(projectRootRest(QStringLiteral("/mnt/x/"), QStringLiteral("/media/cd/")),
                 QStringLiteral("mnt/x"));
#endif
    }

    void readOnlyMeansNoOwnerWritePermission() {
        DiscFixture disc;
        const QString exe = disc.root() + QStringLiteral("tiv.exe");
        QVERIFY(!isReadOnlyExecutable(exe));
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ReadOther);
        QVERIFY(isReadOnlyExecutable(exe));
    }

    void targetsResolveBelowTheDrive_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("rootRest");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("kind");
        const int file = int(ItemTarget::Kind::File), folder = int(ItemTarget::Kind::Folder),
                  address = int(ItemTarget::Kind::Address);
        QTest::newRow("file") << "\\tools\\setup.exe"
                              << ""
                              << "D/tools/setup.exe" << file;
        QTest::newRow("below project root") << "\\tools\\setup.exe"
                                            << "Discs\\Issue5"
                                            << "D/Discs/Issue5/tools/setup.exe" << file;
        QTest::newRow("jump point") << "\\tools\\JUMP POINT"
                                    << ""
                                    << "D/tools/" << folder;
        QTest::newRow("jump point lower case") << "\\tools\\jump point"
                                               << ""
                                               << "D/tools/" << folder;
        QTest::newRow("jump point to the root") << "\\Jump Point"
                                                << ""
                                                << "D/" << folder;
        QTest::newRow("jump point below root") << "\\a\\Jump Point"
                                               << "Discs\\X"
                                               << "D/Discs/X/a/" << folder;
        QTest::newRow("HTTP") << "HTTP://EXAMPLE.COM/setup.exe"
                              << "Discs"
                              << "HTTP://EXAMPLE.COM/setup.exe" << address;
        QTest::newRow("Ftp") << "Ftp://example.com/pub"
                             << ""
                             << "Ftp://example.com/pub" << address;
        QTest::newRow("mailto") << "mailto:viewer@example.org"
                                << "Discs"
                                << "mailto:viewer@example.org" << address;
        // Only an address goes to the browser: a path that merely begins like one is a path on
        // the disc, never a program started relative to the working folder.
        QTest::newRow("http folder") << "\\http\\x.sh"
                                     << ""
                                     << "D/http/x.sh" << file;
        QTest::newRow("path without its leading backslash") << "http/x.sh"
                                                            << "Discs"
                                                            << "D/Discs/http/x.sh" << file;
        QTest::newRow("ftp host without scheme") << "\\ftp.example.com\\pub\\"
                                                 << "Discs"
                                                 << "D/Discs/ftp.example.com/pub/" << folder;
        QTest::newRow("missing pfad") << "n/a"
                                      << ""
                                      << "D/n/a" << file;
    }
    void targetsResolveBelowTheDrive() {
        QFETCH(QString, raw);
        QFETCH(QString, rootRest);
        QFETCH(QString, expected);
        QFETCH(int, kind);
        const QString drive = QStringLiteral("D") + QDir::separator();
        const ItemTarget t = resolveTarget(raw, drive, rootRest);
        const QString want = int(ItemTarget::Kind::Address) == kind ? expected : common::toHostPath(expected);
        QCOMPARE(t.path, QDir::toNativeSeparators(want));
        QCOMPARE(int(t.kind), kind);
    }

    void targetIsFoundInAnyLetterCase() {
        DiscFixture disc;
        QDir(disc.root()).mkpath(QStringLiteral("Tools"));
        QFile(disc.root() + QStringLiteral("Tools/Setup.EXE")).open(QIODevice::WriteOnly);
        const QString drive = QDir::toNativeSeparators(disc.root());
        const ItemTarget t =
            locateTarget(resolveTarget(QStringLiteral("\\tools\\setup.exe"), drive, {}), drive);
        QCOMPARE(t.path, QDir::toNativeSeparators(disc.root() + QStringLiteral("Tools/Setup.EXE")));
        const ItemTarget folder =
            locateTarget(resolveTarget(QStringLiteral("\\TOOLS\\Jump Point"), drive, {}), drive);
        QCOMPARE(folder.path, QDir::toNativeSeparators(disc.root() + QStringLiteral("Tools/")));
        // Nothing to find: the resolved spelling stays.
        const ItemTarget missing =
            locateTarget(resolveTarget(QStringLiteral("\\x\\y.txt"), drive, {}), drive);
        QCOMPARE(missing.path, QDir::toNativeSeparators(disc.root() + QStringLiteral("x/y.txt")));
    }

    void companionFilesAndExtensions() {
        QCOMPARE(companionBesideTarget(QStringLiteral("/d/tools/setup.exe"), QStringLiteral(".txt")),
                 QStringLiteral("/d/tools/setup.txt"));
        QCOMPARE(companionBesideTarget(QStringLiteral("/d/my.tools/readme"), QStringLiteral(".jpg")),
                 QStringLiteral("/d/my.tools/readme.jpg"));
        QCOMPARE(targetExtension(QStringLiteral("/d/tools/setup.ZIP")), QStringLiteral("ZIP"));
        QCOMPARE(targetExtension(QStringLiteral("/d/v1.2/setup")), QString());
    }

    void designDefaultsWithoutAFile() {
        const DesignSettings d = readDesignSettings(common::IniFile());
        QCOMPARE(d.designMode, DesignMode::Band);
        QCOMPARE(d.buttonMode, ButtonMode::Band);
        QCOMPARE(d.buttonStart, QColor(Qt::black));
        QCOMPARE(d.buttonShadowDepth, 5);
        QCOMPARE(d.buttonBevelWidth, 1);
        QCOMPARE(d.buttonEffect, TextEffect::Sunken);
        QVERIFY(!d.buttonBold);
        QCOMPARE(d.categoryBox.color, QColor(Qt::white));
        QCOMPARE(d.itemBox.textColor, QColor(Qt::black));
        QCOMPARE(d.detailsBox.fill, BoxFill::Color);
        QVERIFY(d.headings.bold && d.detailLabels.bold && !d.detailValues.bold);
        QCOMPARE(d.headings.effect, TextEffect::Sunken);
        QCOMPARE(d.detailValues.effect, TextEffect::None);
        QCOMPARE(d.tileMode, TileMode::Tile);
        QCOMPARE(d.sounds, (std::array<bool, 5>{}));
        QVERIFY(!d.splash.enabled);
        QCOMPARE(d.splash.frameColor, QColor(Qt::white));
        QCOMPARE(d.splash.frameWidth, 1);
        QCOMPARE(d.splash.displayMs, 1000);
    }

    void designWordsAreExactExceptTheTileMode() {
        namespace keys = designkeys;
        common::IniFile ini;
        // The editor writes these keys; the menu program reads them under the same names.
        const auto put = [](common::IniFile& file, designkeys::Key key, const char* value) {
            file.writeString(key.section, key.name, QLatin1String(value));
        };
        put(ini, keys::kDesignMode, "Band");
        put(ini, keys::kButtonMode, "trans");
        put(ini, keys::kButtonStyle, "sbinset");
        put(ini, keys::kButtonEffect, "sbs3D");
        put(ini, keys::kButtonFontEffect, "tdraised");
        put(ini, keys::kButtonFontFormat, "Bold");
        put(ini, keys::kShadowDepth, "0x0A");
        put(ini, keys::kBorderWidth, "lots");
        put(ini, keys::kButtonFont, "clwhite");
        put(ini, keys::kButtonStart, "clTeal");
        put(ini, keys::kFilesBoxFill, "$2");
        put(ini, keys::kDetailsBoxFill, "7");
        put(ini, keys::kLabelEffect, "tdSunkenShadow");
        put(ini, keys::kHeadingFormat, "normal");
        put(ini, keys::kTileMode, "TMStretch");
        put(ini, keys::kSounds[1], "C:\\x.wav");
        put(ini, keys::kSplashEnabled, "2");
        put(ini, keys::kSplashDelay, "2500");
        const DesignSettings d = readDesignSettings(ini);
        QCOMPARE(d.designMode, DesignMode::Other);
        QCOMPARE(d.buttonMode, ButtonMode::Transparent);
        QCOMPARE(d.bevelStyle, BevelStyle::Normal);
        QCOMPARE(d.buttonShape, ButtonShape::ThreeD);
        QCOMPARE(d.buttonEffect, TextEffect::None);
        QVERIFY(!d.buttonBold);
        QCOMPARE(d.buttonShadowDepth, 10);
        QCOMPARE(d.buttonBevelWidth, 1);
        QCOMPARE(d.buttonText, QColor(Qt::white)); // an unknown name reads as white
        QCOMPARE(d.buttonStart, QColor(0, 128, 128));
        QCOMPARE(d.itemBox.fill, BoxFill::ButtonBitmap);
        QCOMPARE(d.detailsBox.fill, BoxFill::Color);
        QCOMPARE(d.detailLabels.effect, TextEffect::SunkenShadow);
        QVERIFY(!d.headings.bold);
        QCOMPARE(d.tileMode, TileMode::Stretch);
        QCOMPARE(d.sounds, (std::array<bool, 5>{false, true, false, false, false}));
        QVERIFY(d.splash.enabled);
        QCOMPARE(d.splash.displayMs, 2500);

        common::IniFile other;
        put(other, keys::kTileMode, "tiled");
        put(other, keys::kButtonStyle, "sbOffset");
        QCOMPARE(readDesignSettings(other).tileMode, TileMode::None);
        QCOMPARE(readDesignSettings(other).bevelStyle, BevelStyle::Offset);
    }

    void categoriesAndItemsWithTheirDefaults() {
        common::IniFile genre;
        genre.writeString(u"general", u"anz_items", QStringLiteral("3"));
        genre.writeString(u"0", u"caption", QStringLiteral("Games"));
        genre.writeString(u"0", u"icon_number", QStringLiteral("0"));
        genre.writeString(u"2", u"caption", QStringLiteral("Tools"));
        genre.writeString(u"3", u"caption", QStringLiteral("left over from a longer save"));
        const std::vector<CategoryEntry> c = readCategories(genre);
        QCOMPARE(c.size(), std::size_t(3));
        QCOMPARE(c[0].caption, QStringLiteral("Games"));
        QCOMPARE(c[0].iconNumber, 0);
        QCOMPARE(c[1].caption, QStringLiteral("Fehler"));
        QCOMPARE(c[1].iconNumber, -1);
        QCOMPARE(c[2].index, 2);

        genre.writeString(u"general", u"anz_items", QStringLiteral("-4"));
        QVERIFY(readCategories(genre).empty());
        // A damaged count does not make the reader fill memory.
        genre.writeString(u"general", u"anz_items", QStringLiteral("2000000000"));
        QCOMPARE(categoryCount(genre), kMaxCategories);

        common::IniFile members;
        members.writeString(u"1", u"anz_items", QStringLiteral("2"));
        members.writeString(u"1-0", u"caption", QStringLiteral("Setup"));
        members.writeString(u"1-0", u"icon_number", QStringLiteral("0"));
        const std::vector<ItemEntry> items = readItems(members, 1);
        QCOMPARE(items.size(), std::size_t(2));
        QCOMPARE(items[0].caption, QStringLiteral("Setup"));
        QCOMPARE(items[1].caption, QStringLiteral("Fehler"));
        QCOMPARE(items[1].iconNumber, -1);
        QVERIFY(readItems(members, 0).empty());
        QCOMPARE(readDiscIdentity(members).discName, QString());
    }

    void itemDetailsWithTheirDefaults() {
        common::IniFile file;
        const ItemDetails none = readItemDetails(file, 0, 0);
        QCOMPARE(none.rawTarget, QStringLiteral("n/a"));
        QVERIFY(!none.copyAllowed);
        QVERIFY(none.startAllowed);
        QCOMPARE(none.serial, QStringLiteral("n/a"));
        QVERIFY(!none.hasHomePage());

        file.writeString(u"2-5", u"pfad", QStringLiteral("\\a.exe"));
        file.writeString(u"2-5", u"copy", QStringLiteral("1"));
        file.writeString(u"2-5", u"execute", QStringLiteral("0"));
        file.writeString(u"2-5", u"desc", QString(3000, u'x'));
        file.writeString(u"2-5", u"url", QStringLiteral("Www.example.com"));
        const ItemDetails d = readItemDetails(file, 2, 5);
        QCOMPARE(d.rawTarget, QStringLiteral("\\a.exe"));
        QVERIFY(d.copyAllowed);
        QVERIFY(!d.startAllowed);
        QCOMPARE(d.description.size(), 2047);
        QVERIFY(d.hasHomePage());
        ItemDetails other;
        for (const char16_t* url : {u"HTTPS://x", u"ftp.x.org", u"http://x"}) {
            other.homePage = QString::fromUtf16(url);
            QVERIFY(other.hasHomePage());
        }
        for (const char16_t* notAnAddress : {u"example.com", u"http/x.sh", u"ftpfoo/x.sh", u"https:x"}) {
            other.homePage = QString::fromUtf16(notAnAddress);
            QVERIFY2(!other.hasHomePage(), qPrintable(other.homePage));
        }
        QCOMPARE(homePageAddress(QStringLiteral("Www.example.com")),
                 QStringLiteral("http://Www.example.com"));
        QCOMPARE(homePageAddress(QStringLiteral("ftp.x.org")), QStringLiteral("ftp://ftp.x.org"));
        QCOMPARE(homePageAddress(QStringLiteral("MAILTO:a@b")), QStringLiteral("MAILTO:a@b"));
        QCOMPARE(detailFileName(2, 5), QStringLiteral("membersd\\m2-5.dat"));
    }

    void languageFileSectionsAndBuiltInTexts() {
        common::IniFile ini;
        ini.writeString(u"Language", u"Language", QStringLiteral("1"));
        ini.writeString(u"Language", u"no_info_lang", QStringLiteral("keine Info"));
        ini.writeString(u"Cover", u"Cover_Header", QStringLiteral("Inhalt"));
        ini.writeString(u"Buttons", u"25", QStringLiteral("ende"));
        ini.writeString(u"Heading", u"3_2", QStringLiteral("Vorschau"));
        ini.writeString(u"Heading", u"2", QStringLiteral("Dateien"));
        ini.writeString(u"Details", u"25", QStringLiteral("logo"));
        ini.writeString(u"Forms", u"6", QStringLiteral("Information"));
        ini.writeString(u"Hints", u"26", QStringLiteral("zeigen"));
        ini.writeString(u"Hints", u"29", QStringLiteral("andocken"));
        const LanguageFile f = readLanguageFile(ini);
        QCOMPARE(f.texts.language, 1);
        QCOMPARE(f.texts.noInfo, QStringLiteral("keine Info"));
        QCOMPARE(f.texts.noNfo, QString());
        QCOMPARE(f.texts.coverHeader, QStringLiteral("Inhalt"));
        QCOMPARE(f.buttons[25], QStringLiteral("ende"));
        QCOMPARE(f.buttons[7], QString());
        QCOMPARE(f.texts.itemListHeading, QStringLiteral("Dateien"));
        QCOMPARE(f.texts.thumbnailHeading, QStringLiteral("Vorschau"));
        QCOMPARE(f.details[25], QStringLiteral("logo"));
        QCOMPARE(f.texts.informationCaption, QStringLiteral("Information"));
        QCOMPARE(f.texts.detailsHiddenHint, QStringLiteral("zeigen"));
        QCOMPARE(f.texts.pictureUndockedHint, QStringLiteral("andocken"));
        QCOMPARE(readLanguageFile(common::IniFile()).texts.language, 0);

        QCOMPARE(builtInTexts(0)->noPicture, QStringLiteral("No Screenshot available"));
        QCOMPARE(builtInTexts(1)->copySerial, QStringLiteral("Seriennr. in die Zwischenablage kopieren"));
        QCOMPARE(builtInTexts(1)->about, QStringLiteral("Über"));
        QVERIFY(!builtInTexts(2));
        QVERIFY(!builtInTexts(-1));
    }
};

QTEST_GUILESS_MAIN(TestMenuReader)
#include "tst_menureader.moc"
