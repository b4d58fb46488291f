#include "common/ColorNames.h"
#include "common/Cp1252.h"
#include "common/FileSafeName.h"
#include "common/Paths.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTextRules : public QObject {
    Q_OBJECT

private:
    static QString native(const QString& path) { return QDir::toNativeSeparators(path); }
    static bool touch(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    }

private Q_SLOTS:
    void cp1252EveryByteRoundTrips() {
        QByteArray all(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        const QString text = common::fromCp1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256); // no two bytes share a character
        QCOMPARE(common::toCp1252(text), all);
    }

    void cp1252Mappings_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("codePoint");
        QTest::newRow("NUL") << 0x00 << 0x0000;
        QTest::newRow("A") << 0x41 << 0x0041;
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("undefined 0x81") << 0x81 << 0x0081;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("left double quote") << 0x93 << 0x201C;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("a umlaut") << 0xE4 << 0x00E4;
        QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
    }
    void cp1252Mappings() {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        const QByteArray bytes(1, char(byte));
        QCOMPARE(common::fromCp1252(bytes), QString(QChar(char16_t(codePoint))));
        QCOMPARE(common::toCp1252(QString(QChar(char16_t(codePoint)))), bytes);
    }

    void cp1252UnencodableBecomesQuestionMark() {
        QCOMPARE(common::toCp1252(u"a€b→c"_s), QByteArray("a\x80"
                                                          "b?c"));
        QCOMPARE(common::toCp1252(u"Ā中\u0080"_s), QByteArray("???")); // U+0080 is not the euro's byte
        // One byte for each half of a pair of surrogates, as the file's lengths are counted.
        QCOMPARE(common::toCp1252(u"a😀b"_s), QByteArray("a??b"));
        QCOMPARE(common::toCp1252(QString()), QByteArray());
    }

    void cp1252ToldWhichCharactersCannotBeStored() {
        QCOMPARE(common::unencodableCharacters(u"Größe € ‰ a?b"_s), QString());
        // Each once, in order; an emoji is one character, not two halves.
        QCOMPARE(common::unencodableCharacters(u"Привет 中文 😀 При😀"_s), u"Привет中文😀"_s);
        QCOMPARE(common::unencodableCharacters(u"\u0080"_s), u"\u0080"_s);
        QCOMPARE(common::unencodableCharacters(QString()), QString());
    }

    void colourTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("color");
        QTest::newRow("clBlack") << u"clBlack"_s << QColor(0, 0, 0);
        QTest::newRow("clMaroon") << u"clMaroon"_s << QColor(128, 0, 0);
        QTest::newRow("clGreen") << u"clGreen"_s << QColor(0, 128, 0);
        QTest::newRow("clOlive") << u"clOlive"_s << QColor(128, 128, 0);
        QTest::newRow("clNavy") << u"clNavy"_s << QColor(0, 0, 128);
        QTest::newRow("clPurple") << u"clPurple"_s << QColor(128, 0, 128);
        QTest::newRow("clTeal") << u"clTeal"_s << QColor(0, 128, 128);
        QTest::newRow("clGray") << u"clGray"_s << QColor(128, 128, 128);
        QTest::newRow("clSilver") << u"clSilver"_s << QColor(192, 192, 192);
        QTest::newRow("clRed") << u"clRed"_s << QColor(255, 0, 0);
        QTest::newRow("clLime") << u"clLime"_s << QColor(0, 255, 0);
        QTest::newRow("clYellow") << u"clYellow"_s << QColor(255, 255, 0);
        QTest::newRow("clBlue") << u"clBlue"_s << QColor(0, 0, 255);
        QTest::newRow("clFuchsia") << u"clFuchsia"_s << QColor(255, 0, 255);
        QTest::newRow("clAqua") << u"clAqua"_s << QColor(0, 255, 255);
        QTest::newRow("clWhite") << u"clWhite"_s << QColor(255, 255, 255);
    }
    void colourTable() {
        QFETCH(QString, name);
        QFETCH(QColor, color);
        QCOMPARE(common::colorFromName(name), std::optional<QColor>(color));
        QCOMPARE(common::colorFromNameOrWhite(name), color);
        QCOMPARE(common::nameOfColor(color), std::optional<QString>(name));
    }

    void coloursOutsideTheTable() {
        for (const QString& name :
             {u"clwhite"_s, u"CLRED"_s, u"clOrange"_s, u"Red"_s, u" clRed"_s, QString()}) {
            QVERIFY2(!common::colorFromName(name), qPrintable(name));
            QCOMPARE(common::colorFromNameOrWhite(name), QColor(Qt::white));
        }
        QCOMPARE(common::nameOfColor(QColor(1, 2, 3)), std::nullopt);
        QCOMPARE(common::nameOfColor(QColor(128, 128, 129)), std::nullopt);
        QCOMPARE(common::nameOfColor(QColor()), std::nullopt); // an unset colour is not black
    }

    // People read the colours in their language; the stored names never reach them, and no two
    // colours read alike.
    void colourDisplayNames() {
        using common::ColorLanguage;
        QCOMPARE(common::colorDisplayName(u"clSilver", ColorLanguage::English), u"Silver"_s);
        QCOMPARE(common::colorDisplayName(u"clSilver", ColorLanguage::German), u"Silber"_s);
        QCOMPARE(common::colorDisplayName(u"clWhite", ColorLanguage::German), u"Wei\u00df"_s);
        for (ColorLanguage language : {ColorLanguage::English, ColorLanguage::German}) {
            QSet<QString> shown;
            for (const QString& name : common::colorNames()) {
                const QString display = common::colorDisplayName(name, language);
                QVERIFY2(!display.startsWith(u"cl") && !display.isEmpty(), qPrintable(name));
                shown.insert(display);
            }
            QCOMPARE(shown.size(), 16);
        }
        // A name outside the table is shown as it is rather than hidden.
        QCOMPARE(common::colorDisplayName(u"clOrange", ColorLanguage::German), u"clOrange"_s);
    }

    void fileSafeName_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all nine") << u"a\"b*c/d:e<f>g?h\\i|j"_s << u"a_b_c_d_e_f_g_h_i_j"_s;
        QTest::newRow("blanks stay") << u"  My  Tool 2.0 "_s << u"  My  Tool 2.0 "_s;
        QTest::newRow("others stay") << u"Größe (x86) & co.; #1"_s << u"Größe (x86) & co.; #1"_s;
        QTest::newRow("only forbidden") << u"??"_s << u"__"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void fileSafeName() {
        QFETCH(QString, caption);
        QFETCH(QString, expected);
        const QString safe = common::fileSafeName(caption);
        QCOMPARE(safe, expected);
        QCOMPARE(safe.size(), caption.size());
    }

    void cdPathRule_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("projectFolder");
        QTest::addColumn<QString>("expected");
        const QString project = native(u"/home/user/cd/"_s);
        QTest::newRow("project folder") << native(u"/home/user/cd/"_s) << project << u"\\"_s;
        QTest::newRow("project folder, no separator") << native(u"/home/user/cd"_s) << project << u"\\"_s;
        QTest::newRow("subfolder") << native(u"/home/user/cd/Tools/"_s) << project << u"\\Tools\\"_s;
        QTest::newRow("subfolder, no separator")
            << native(u"/home/user/cd/Tools"_s) << project << u"\\Tools\\"_s;
        QTest::newRow("nested") << native(u"/home/user/cd/Tools/Net/"_s) << project << u"\\Tools\\Net\\"_s;
        QTest::newRow("outside") << native(u"/other/dir/"_s) << project << u"\\other\\dir\\"_s;
        QTest::newRow("outside, no separator") << native(u"/other/dir"_s) << project << u"\\other\\dir\\"_s;
        QTest::newRow("sibling sharing a prefix")
            << native(u"/home/user/cd2/x/"_s) << project << u"\\home\\user\\cd2\\x\\"_s;
        QTest::newRow("empty folder") << QString() << project << u"\\"_s;
        QTest::newRow("no project") << native(u"/other/dir/"_s) << QString() << u"\\other\\dir\\"_s;
    }
    void cdPathRule() {
        QFETCH(QString, folder);
        QFETCH(QString, projectFolder);
        QFETCH(QString, expected);
        QCOMPARE(common::cdPathOf(folder, projectFolder), expected);
    }

    void discAndHostPaths() {
        const QString host = native(u"CFG/MembersD/m1-1.dat"_s);
        QCOMPARE(common::toDiscPath(host), u"CFG\\MembersD\\m1-1.dat"_s);
        QCOMPARE(common::toHostPath(u"CFG\\MembersD\\m1-1.dat"), host);
        QCOMPARE(common::toHostPath(common::toDiscPath(host)), host);
        QCOMPARE(common::toDiscPath(u""), QString());
        QCOMPARE(common::withTrailingSeparator(native(u"/a/b"_s)), native(u"/a/b/"_s));
        QCOMPARE(common::withTrailingSeparator(native(u"/a/b/"_s)), native(u"/a/b/"_s));
        QVERIFY(common::programFolder().endsWith(QDir::separator()));
    }

    void findIgnoringCase() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(touch(dir.filePath(u"Readme.TXT"_s)));
        QVERIFY(touch(dir.filePath(u"data.ini"_s)));
        QVERIFY(QDir(dir.path()).mkdir(u"CFG"_s));
        const auto at = [&](const QString& name) {
            return std::optional<QString>(native(dir.filePath(name)));
        };

        QCOMPARE(common::findIgnoringCase(dir.path(), u"readme.txt"_s), at(u"Readme.TXT"_s));
        QCOMPARE(common::findIgnoringCase(dir.path(), u"Readme.TXT"_s), at(u"Readme.TXT"_s));
        QCOMPARE(common::findIgnoringCase(dir.path(), u"cfg"_s), at(u"CFG"_s));
        QCOMPARE(common::findIgnoringCase(dir.path(), u"missing.txt"_s), std::nullopt);
        QCOMPARE(common::findIgnoringCase(dir.path(), QString()), std::nullopt);
        QCOMPARE(common::findIgnoringCase(dir.filePath(u"nowhere"_s), u"x"_s), std::nullopt);

        // Where the file system tells the spellings apart, the exact one wins.
        QVERIFY(touch(dir.filePath(u"Data.INI"_s)));
        if (QDir(dir.path()).entryList(QDir::Files).size() == 3) {
            QCOMPARE(common::findIgnoringCase(dir.path(), u"data.ini"_s), at(u"data.ini"_s));
            QCOMPARE(common::findIgnoringCase(dir.path(), u"Data.INI"_s), at(u"Data.INI"_s));
            const auto either = common::findIgnoringCase(dir.path(), u"DATA.ini"_s);
            QVERIFY(either == at(u"data.ini"_s) || either == at(u"Data.INI"_s));
        }
    }

    void resolveIgnoringCase() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath(u"cfg/MembersD"_s));
        QVERIFY(touch(dir.filePath(u"cfg/MembersD/m1-1.dat"_s)));
        const QString root = dir.path();
        const auto at = [&](const QString& relative) { return native(dir.filePath(relative)); };

        QCOMPARE(common::resolveIgnoringCase(root, u"CFG\\membersd\\m1-1.dat"),
                 at(u"cfg/MembersD/m1-1.dat"_s));
        QCOMPARE(common::resolveIgnoringCase(root, u"\\CFG\\MEMBERSD\\M1-1.DAT"),
                 at(u"cfg/MembersD/m1-1.dat"_s));
        QCOMPARE(common::resolveIgnoringCase(root, u"Cfg/membersD/m1-1.dat"), at(u"cfg/MembersD/m1-1.dat"_s));
        QCOMPARE(common::resolveIgnoringCase(root + QDir::separator(), u"CFG\\membersd\\"),
                 at(u"cfg/MembersD"_s));
        // What does not exist keeps the spelling it was given, below the last folder that does.
        QCOMPARE(common::resolveIgnoringCase(root, u"CFG\\membersd\\New.dat"), at(u"cfg/MembersD/New.dat"_s));
        QCOMPARE(common::resolveIgnoringCase(root, u"CFG\\New\\MembersD"), at(u"cfg/New/MembersD"_s));
        QCOMPARE(common::resolveIgnoringCase(root, u""), root);
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
