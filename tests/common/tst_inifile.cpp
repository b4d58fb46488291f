#include "common/Cp1252.h"
#include "common/IniFile.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using common::IniFile;
using namespace Qt::StringLiterals;

class TestIniFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_fileCount = 0;

    // A fresh file in the test folder holding exactly these bytes.
    QString fileWith(const QByteArray& bytes) {
        const QString path = m_dir.filePath(u"t%1.ini"_s.arg(++m_fileCount));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void namesIgnoreCaseAndFirstMatchWins() {
        const IniFile ini(fileWith("[Main]\r\nKey=1\r\nKEY=2\r\n[main]\r\nKey=3\r\nOnlyInSecond=4\r\n"));
        QVERIFY(ini.wasRead());
        QCOMPARE(ini.readString(u"MAIN", u"key"), u"1"_s);
        QCOMPARE(ini.readString(u"mAiN", u"kEy"), u"1"_s);
        // Only the first section of a name counts, as with the profile functions.
        QCOMPARE(ini.readString(u"main", u"OnlyInSecond", u"none"_s), u"none"_s);
        QVERIFY(ini.hasSection(u"MAIN"));
        QVERIFY(ini.hasKey(u"main", u"KEY"));
        QVERIFY(!ini.hasKey(u"main", u"Missing"));
        QVERIFY(!ini.hasSection(u"Mai"));
    }

    // A hostile file of one name repeated: read, erased and written again without walking all its
    // namesakes for each (a file of 200,000 would otherwise take minutes).
    void oneNameRepeatedStaysQuick() {
        QByteArray text = "[S]\r\nK=first\r\n";
        for (int i = 0; i < 200000; ++i)
            text += i % 2 ? "[s]\r\n" : "[ S ]\r\nK=later\r\n";
        IniFile ini(fileWith(text + "[T]\r\nK=t\r\n"));
        QCOMPARE(ini.sectionCount(), 200002);
        QCOMPARE(ini.readString(u"s", u"K"), u"first"_s);
        ini.eraseSection(u"S");
        QCOMPARE(ini.sectionCount(), 1);
        QVERIFY(!ini.hasSection(u"s"));
        ini.writeString(u"s", u"K", u"new"_s);
        ini.writeString(u"s", u"K2", u"more"_s);
        QCOMPARE(ini.readString(u"S", u"K"), u"new"_s);
        QCOMPARE(ini.readString(u"T", u"K"), u"t"_s);
        QCOMPARE(ini.toBytes(), QByteArray("[T]\r\nK=t\r\n[s]\r\nK=new\r\nK2=more\r\n"));
    }

    // Sections longer than a few dozen lines are searched through an index that must follow every change.
    void longSectionsKeepFirstMatchThroughChanges() {
        QByteArray text = "[Big]\r\n";
        for (int i = 0; i < 40; ++i)
            text += "Key" + QByteArray::number(i) + '=' + QByteArray::number(i) + "\r\n";
        text += "key5=duplicate\r\n\r\n[Next]\r\nA=1\r\n";
        IniFile ini(fileWith(text));
        QCOMPARE(ini.readString(u"big", u"KEY5"), u"5"_s);
        QCOMPARE(ini.readString(u"Big", u"Key39"), u"39"_s);
        QVERIFY(!ini.hasKey(u"Big", u"Key40"));

        ini.writeString(u"Big", u"KEY7", u"seven"_s);
        QCOMPARE(ini.readString(u"Big", u"key7"), u"seven"_s);
        ini.writeString(u"Big", u"Key40", u"new"_s); // lands after key5, ahead of the blank line
        QCOMPARE(ini.readString(u"Big", u"key40"), u"new"_s);
        ini.writeString(u"Big", u"Key41", u"newer"_s);
        QCOMPARE(ini.readString(u"Big", u"Key41"), u"newer"_s);
        QCOMPARE(ini.readString(u"Big", u"Key39"), u"39"_s);

        ini.deleteKey(u"Big", u"Key5");
        QCOMPARE(ini.readString(u"Big", u"Key5"), u"duplicate"_s); // the second one comes forward
        ini.deleteKey(u"Big", u"Key5");
        QVERIFY(!ini.hasKey(u"Big", u"Key5"));
        QCOMPARE(ini.readString(u"Big", u"Key6"), u"6"_s);
        QCOMPARE(ini.readString(u"Next", u"A"), u"1"_s);

        // At the end of the file a new key is appended, and the index takes it in as it is.
        QByteArray tail = "[Big]\r\n";
        for (int i = 0; i < 40; ++i)
            tail += "Key" + QByteArray::number(i) + '=' + QByteArray::number(i) + "\r\n";
        IniFile appended(fileWith(tail));
        QCOMPARE(appended.readString(u"Big", u"Key0"), u"0"_s);
        appended.writeString(u"Big", u"Key40", u"first"_s);
        appended.writeString(u"BIG", u"KEY40", u"second"_s);
        QCOMPARE(appended.readString(u"big", u"key40"), u"second"_s);
        QCOMPARE(appended.readString(u"Big", u"Key39"), u"39"_s);
        QCOMPARE(appended.toBytes(), tail + "Key40=second\r\n");
    }

    void parsesLineShapes_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected"); // "<none>": the default comes back

        QTest::newRow("blanks around everything")
            << QByteArray(" \t[  Name  ]\t\r\n  my key \t=  a value  \r\n") << u"Name"_s << u"my key"_s
            << u"a value"_s;
        QTest::newRow("tabs before key") << QByteArray("[S]\r\n\tK\t=\tv\r\n") << u"S"_s << u"K"_s << u"v"_s;
        QTest::newRow("split at first equals")
            << QByteArray("[S]\r\nK=a=b\r\n") << u"S"_s << u"K"_s << u"a=b"_s;
        QTest::newRow("empty value") << QByteArray("[S]\r\nK=\r\n") << u"S"_s << u"K"_s << QString();
        QTest::newRow("name up to last bracket")
            << QByteArray("[a]b] trailing\r\nK=v\r\n") << u"a]b"_s << u"K"_s << u"v"_s;
        QTest::newRow("double quotes") << QByteArray("[S]\r\nK=\"x y\"\r\n") << u"S"_s << u"K"_s << u"x y"_s;
        QTest::newRow("single quotes") << QByteArray("[S]\r\nK= 'x' \r\n") << u"S"_s << u"K"_s << u"x"_s;
        QTest::newRow("quoted blanks kept")
            << QByteArray("[S]\r\nK=\" x \"\r\n") << u"S"_s << u"K"_s << u" x "_s;
        QTest::newRow("empty quotes") << QByteArray("[S]\r\nK=\"\"\r\n") << u"S"_s << u"K"_s << QString();
        QTest::newRow("mismatched quotes")
            << QByteArray("[S]\r\nK=\"x'\r\n") << u"S"_s << u"K"_s << u"\"x'"_s;
        QTest::newRow("lone quote") << QByteArray("[S]\r\nK=\"\r\n") << u"S"_s << u"K"_s << u"\""_s;
        QTest::newRow("inner quotes") << QByteArray("[S]\r\nK=a\"b\"\r\n") << u"S"_s << u"K"_s << u"a\"b\""_s;
        QTest::newRow("comment line") << QByteArray("[S]\r\n;K=1\r\n") << u"S"_s << u"K"_s << u"<none>"_s;
        QTest::newRow("indented comment")
            << QByteArray("[S]\r\n  ;K=1\r\nK=2\r\n") << u"S"_s << u"K"_s << u"2"_s;
        QTest::newRow("semicolon inside value")
            << QByteArray("[S]\r\nK=1 ; note\r\n") << u"S"_s << u"K"_s << u"1 ; note"_s;
        QTest::newRow("line without equals") << QByteArray("[S]\r\nK\r\n") << u"S"_s << u"K"_s << u"<none>"_s;
        QTest::newRow("key before any section")
            << QByteArray("K=1\r\n[S]\r\n") << u"S"_s << u"K"_s << u"<none>"_s;
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF[S]\r\nK=1\r\n") << u"S"_s << u"K"_s << u"1"_s;
        QTest::newRow("two byte-order marks")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF[S]\r\nK=1\r\n") << u"S"_s << u"K"_s << u"1"_s;
        QTest::newRow("LF only") << QByteArray("[S]\nA=0\nK=1\n") << u"S"_s << u"K"_s << u"1"_s;
        QTest::newRow("no last line end") << QByteArray("[S]\r\nK=1") << u"S"_s << u"K"_s << u"1"_s;
        QTest::newRow("mixed line ends") << QByteArray("[S]\nA=0\r\nK=1") << u"S"_s << u"K"_s << u"1"_s;
        QTest::newRow("unclosed bracket is no header")
            << QByteArray("[S]\r\n[T\r\nK=1\r\n") << u"S"_s << u"K"_s << u"1"_s;
        QTest::newRow("unclosed bracket opens nothing")
            << QByteArray("[T\r\nK=1\r\n") << u"T"_s << u"K"_s << u"<none>"_s;
        QTest::newRow("asked section trimmed")
            << QByteArray("[S]\r\nK=1\r\n") << u"  S \t"_s << u"K"_s << u"1"_s;
        QTest::newRow("Windows-1252 value") << QByteArray("[S]\r\nK=Gr\xF6\xDF"
                                                          "e \x80\r\n")
                                            << u"S"_s << u"K"_s << u"Größe €"_s;
    }
    void parsesLineShapes() {
        QFETCH(QByteArray, text);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const IniFile ini(fileWith(text));
        QCOMPARE(ini.readString(section, key, u"<none>"_s), expected);
    }

    void defaultsLoseTrailingBlanks() {
        const IniFile ini(fileWith("[S]\r\n"));
        QCOMPARE(ini.readString(u"S", u"missing", u" a b  \t"_s), u" a b"_s);
        QCOMPARE(ini.readString(u"S", u"missing", u"   "_s), QString());
    }

    void windows1252SectionNameRoundTrips() {
        const QString path = fileWith("[Anz_Eintr\xE4ge]\r\nAnzahl=5\r\n");
        IniFile ini(path);
        QCOMPARE(ini.readInteger(u"Anz_Einträge", u"Anzahl", -1), 5);
        QCOMPARE(ini.readInteger(u"ANZ_EINTRÄGE", u"anzahl", -1), 5);
        ini.writeInteger(u"Anz_Einträge", u"Anzahl", 6);
        ini.writeString(u"Größe", u"Wert", u"10 €"_s);
        ini.writeString(u"Größe", u"Pfeil", u"a→b"_s); // outside the code page
        QVERIFY(ini.save());
        QCOMPARE(bytesOf(path), QByteArray("[Anz_Eintr\xE4ge]\r\nAnzahl=6\r\n"
                                           "[Gr\xF6\xDF"
                                           "e]\r\nWert=10 \x80\r\nPfeil=a?b\r\n"));
    }

    void readsAreCutAt2047Characters() {
        const QByteArray longValue(3000, 'x');
        const IniFile ini(
            fileWith("[S]\r\nLong=" + longValue + "\r\nExact=" + QByteArray(2047, 'y') + "\r\n"));
        QCOMPARE(ini.readString(u"S", u"Long"), QString(2047, u'x'));
        QCOMPARE(ini.readString(u"S", u"Exact"), QString(2047, u'y'));
        QCOMPARE(ini.readString(u"S", u"Missing", QString(2100, u'z')).size(), 2047);
        QCOMPARE(ini.readString(u"S", u"Missing", u"d"_s), u"d"_s);
    }

    void integers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -999: the default

        QTest::newRow("decimal") << u"42"_s << 42;
        QTest::newRow("zero") << u"0"_s << 0;
        QTest::newRow("negative") << u"-17"_s << -17;
        QTest::newRow("plus sign") << u"+8"_s << 8;
        QTest::newRow("leading zeros") << u"007"_s << 7;
        QTest::newRow("0x hex") << u"0x1F"_s << 31;
        QTest::newRow("0X hex") << u"0Xff"_s << 255;
        QTest::newRow("dollar hex") << u"$A0"_s << 160;
        QTest::newRow("negative hex") << u"-0x10"_s << -16;
        QTest::newRow("hex all bits") << u"0xFFFFFFFF"_s << -1;
        QTest::newRow("largest") << u"2147483647"_s << 2147483647;
        QTest::newRow("smallest") << u"-2147483648"_s << int(-2147483647 - 1);
        QTest::newRow("quoted") << u"\"12\""_s << 12;
        QTest::newRow("above int") << u"2147483648"_s << -999;
        QTest::newRow("below int") << u"-2147483649"_s << -999;
        QTest::newRow("huge") << u"99999999999999999999"_s << -999;
        QTest::newRow("hex too wide") << u"0x100000000"_s << -999;
        QTest::newRow("trailing letters") << u"12abc"_s << -999;
        QTest::newRow("inner blank") << u"1 2"_s << -999;
        QTest::newRow("empty") << QString() << -999;
        QTest::newRow("bare 0x") << u"0x"_s << -999;
        QTest::newRow("bare dollar") << u"$"_s << -999;
        QTest::newRow("bare sign") << u"-"_s << -999;
        QTest::newRow("bad hex digit") << u"0x1G"_s << -999;
        QTest::newRow("decimal point") << u"1.5"_s << -999;
        QTest::newRow("superscript digit") << u"²"_s << -999;
    }
    void integers() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const IniFile ini(fileWith("[S]\r\nK=" + common::toCp1252(text) + "\r\n"));
        QCOMPARE(ini.readInteger(u"S", u"K", -999), expected);
        QCOMPARE(IniFile::parseInteger(ini.readString(u"S", u"K")).value_or(-999), expected);
    }

    void writingKeepsTheRestOfTheFile() {
        const QByteArray before = "; project file\r\n"
                                  "Loose=line before sections\r\n"
                                  "[General]\r\n"
                                  "  Name = Old  \r\n"
                                  "; a comment that stays\r\n"
                                  "Unknown=kept\r\n"
                                  "\r\n"
                                  "[Other]\r\n"
                                  "A=1\r\n"
                                  "\r\n"
                                  "\r\n"
                                  "[Empty]\r\n"
                                  "; only a comment\r\n"
                                  "\r\n";
        const QString path = fileWith(before);
        IniFile ini(path);
        QVERIFY(!ini.isModified());
        ini.writeString(u"GENERAL", u"name", u"New"_s); // in place, keeping the key's spelling
        ini.writeString(u"Other", u"B", u"2"_s);        // after A, ahead of the blank lines
        ini.writeString(u"Empty", u"C", u"3"_s);        // after the comment
        ini.writeString(u"Added", u"D", u"4"_s);        // a new section at the end
        ini.writeString(u"Added", u"E", u"5"_s);
        ini.writeInteger(u"general", u"Count", -3);
        QVERIFY(ini.isModified());
        QVERIFY(ini.save());
        QVERIFY(!ini.isModified());
        const QByteArray after = "; project file\r\n"
                                 "Loose=line before sections\r\n"
                                 "[General]\r\n"
                                 "Name=New\r\n"
                                 "; a comment that stays\r\n"
                                 "Unknown=kept\r\n"
                                 "Count=-3\r\n"
                                 "\r\n"
                                 "[Other]\r\n"
                                 "A=1\r\n"
                                 "B=2\r\n"
                                 "\r\n"
                                 "\r\n"
                                 "[Empty]\r\n"
                                 "; only a comment\r\n"
                                 "C=3\r\n"
                                 "\r\n"
                                 "[Added]\r\n"
                                 "D=4\r\n"
                                 "E=5\r\n";
        QCOMPARE(bytesOf(path), after);
        QCOMPARE(IniFile(path).readString(u"Added", u"E"), u"5"_s);

        // An untouched file comes back byte for byte; LF-only lines come back as CR LF.
        QCOMPARE(IniFile(path).toBytes(), after);
        QCOMPARE(IniFile(fileWith("[S]\nK=v\n\n;c")).toBytes(), QByteArray("[S]\r\nK=v\r\n\r\n;c\r\n"));

        // A new file is created on save.
        const QString fresh = m_dir.filePath(u"fresh.ini"_s);
        IniFile created(fresh);
        QVERIFY(!created.wasRead());
        created.writeString(u"S", u"K", u"v"_s);
        QVERIFY(created.save());
        QCOMPARE(bytesOf(fresh), QByteArray("[S]\r\nK=v\r\n"));
    }

    void eraseSectionAndDeleteKey() {
        const QString path = fileWith("[A]\r\nX=1\r\nX=2\r\nY=3\r\n"
                                      "[Gone]\r\nZ=1\r\n; comment of Gone\r\n"
                                      "[B]\r\nX=4\r\n"
                                      "[gone]\r\nZ=2\r\n");
        IniFile ini(path);
        ini.eraseSection(u"Missing");
        ini.deleteKey(u"Missing", u"X");
        ini.deleteKey(u"A", u"Missing");
        QVERIFY(!ini.isModified());

        ini.eraseSection(u"GONE"); // every section of that name
        QVERIFY(!ini.hasSection(u"Gone"));
        ini.deleteKey(u"a", u"x"); // the first X only
        QCOMPARE(ini.readString(u"A", u"X"), u"2"_s);
        QVERIFY(ini.save());
        QCOMPARE(bytesOf(path), QByteArray("[A]\r\nX=2\r\nY=3\r\n[B]\r\nX=4\r\n"));

        // A section written after erasing starts anew at the end.
        ini.writeString(u"Gone", u"Z", u"3"_s);
        QVERIFY(ini.save());
        QCOMPARE(bytesOf(path), QByteArray("[A]\r\nX=2\r\nY=3\r\n[B]\r\nX=4\r\n[Gone]\r\nZ=3\r\n"));
    }

    // Sections read are parsed anew from the text until written; reads between writes see each right.
    void sectionsReadAndWrittenInTurn() {
        IniFile ini(fileWith("[A]\nX=1\r\n[B]\r\nY=2\n\n[C]\r\nZ = 3 "));
        QCOMPARE(ini.readString(u"B", u"Y"), u"2"_s);
        ini.writeString(u"A", u"X", u"10"_s);
        QCOMPARE(ini.readString(u"B", u"Y"), u"2"_s);
        QCOMPARE(ini.readString(u"C", u"Z"), u"3"_s);
        ini.deleteKey(u"C", u"Z");
        QVERIFY(!ini.hasKey(u"C", u"Z"));
        QCOMPARE(ini.readString(u"A", u"X"), u"10"_s);
        QCOMPARE(ini.toBytes(), QByteArray("[A]\r\nX=10\r\n[B]\r\nY=2\r\n\r\n[C]\r\n"));
    }

    // A file changed over and over in memory drops what it no longer holds, and keeps the rest right.
    void rewritingKeepsOnlyTheLatestText() {
        const QString path = fileWith("; head\r\n[Keep]\r\nA=1\r\n\r\n[Churn]\r\nV=0\r\n");
        IniFile ini(path);
        const QString big(100000, u'x');
        for (int round = 0; round < 40; ++round) {
            ini.writeString(u"churn", u"v", big + QString::number(round));
            ini.eraseSection(u"Temp");
            ini.writeString(u"Temp", u"T", big);
        }
        ini.writeString(u"Keep", u"B", u"2"_s);
        QCOMPARE(ini.readString(u"Churn", u"V").size(), IniFile::kMaxValueLength);
        QVERIFY(ini.save());
        QCOMPARE(bytesOf(path), "; head\r\n[Keep]\r\nA=1\r\nB=2\r\n\r\n[Churn]\r\nV=" + big.toLatin1() +
                                    "39\r\n[Temp]\r\nT=" + big.toLatin1() + "\r\n");
    }

    // A file whose bulk is rewritten whole: the rewritten sections are left out when read, only a
    // save that writes them anew may save it, and the rest of the file stays as it was.
    void rewrittenSectionsAreLeftOutAndWrittenAnew() {
        const QByteArray old = "; head\r\n[Keep]\r\nA=1\r\n[Bulk-1]\r\nX=old\r\n[bulk-2]\nY=old\n"
                               "[Tail]\r\nB=2\r\n[Bulk-1]\r\nZ=again\r\n";
        const QString path = fileWith(old);
        const auto bulk = [](QStringView name) { return name.startsWith(u"bulk-", Qt::CaseInsensitive); };
        IniFile ini(path, bulk);
        QVERIFY(!ini.hasSection(u"Bulk-1"));
        QVERIFY(!ini.hasSection(u"Bulk-2"));
        QCOMPARE(ini.sectionCount(), 2);
        QCOMPARE(ini.readString(u"Tail", u"B"), u"2"_s);
        // Saved like any file, it would lose what was left out.
        ini.writeString(u"Keep", u"C", u"3"_s);
        QVERIFY(!ini.save());
        QCOMPARE(bytesOf(path), old);

        QVERIFY(ini.save([](IniFile::Appendix& out) {
            out.section(u" Bulk-1 ");
            out.key(u"X", u"new\r\nline");
            out.section(u"Bulk\n3");
            out.key(u"K\r", u"v");
        }));
        QCOMPARE(bytesOf(path), "; head\r\n[Keep]\r\nA=1\r\nC=3\r\n[Tail]\r\nB=2\r\n"
                                "[Bulk-1]\r\nX=new  line\r\n[Bulk 3]\r\nK =v\r\n");
        const IniFile back(path);
        QCOMPARE(back.readString(u"bulk-1", u"x"), u"new  line"_s);
        QCOMPARE(back.readString(u"Bulk 3", u"K"), u"v"_s);

        // An appendix is written even when nothing else changed, and into a file not there before.
        IniFile unchanged(path, bulk);
        QVERIFY(unchanged.save([](IniFile::Appendix& out) { out.section(u"Bulk-9"); }));
        QCOMPARE(bytesOf(path), "; head\r\n[Keep]\r\nA=1\r\nC=3\r\n[Tail]\r\nB=2\r\n[Bulk 3]\r\nK =v\r\n"
                                "[Bulk-9]\r\n");
        IniFile missing(m_dir.filePath(u"new-with-appendix.ini"_s), bulk);
        QVERIFY(missing.save([](IniFile::Appendix& out) { out.key(u"Top", u"1"); }));
        QCOMPARE(bytesOf(missing.path()), "Top=1\r\n");
    }

    // Names beyond ASCII match without regard to case, characters beyond the basic plane whole.
    void nonAsciiNamesMatchAcrossCase() {
        IniFile ini;
        ini.writeString(u"Ärger", u"Schlüssel", u"1"_s);
        ini.writeString(u"\U00010400x"_s, u"k", u"2"_s); // DESERET CAPITAL LONG I
        QCOMPARE(ini.readString(u"ärger", u"SCHLÜSSEL"), u"1"_s);
        QCOMPARE(ini.readString(u"\U00010428X"_s, u"K"), u"2"_s); // its small letter
        QVERIFY(!ini.hasSection(u"\U00010429x"_s));
        ini.eraseSection(u"ÄRGER");
        QVERIFY(!ini.hasSection(u"Ärger"));
        QCOMPARE(ini.sectionCount(), 1);
    }

    // What a write stores must read the same before and after the file is saved and read again.
    void writtenValuesReadAsAfterReload_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << u"Programm 1"_s << u"Programm 1"_s;
        QTest::newRow("surrounding blanks") << u"  padded \t"_s << u"padded"_s;
        QTest::newRow("quoted") << u"\"quoted\""_s << u"quoted"_s;
        QTest::newRow("quoted blanks") << u"' x '"_s << u" x "_s;
        QTest::newRow("line breaks") << u"one\r\n[Item-1]\r\n0=two"_s << u"one  [Item-1]  0=two"_s;
        QTest::newRow("lone LF") << u"a\nb\n"_s << u"a b"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void writtenValuesReadAsAfterReload() {
        QFETCH(QString, value);
        QFETCH(QString, expected);
        const QString path = fileWith("[Item-1]\r\n0=first\r\n");
        IniFile ini(path);
        ini.writeString(u"Item-1", u"1", value);
        QCOMPARE(ini.readString(u"Item-1", u"1"), expected);
        QVERIFY(ini.save());
        const IniFile reread(path);
        QCOMPARE(reread.readString(u"Item-1", u"1"), expected);
        QCOMPARE(reread.readString(u"Item-1", u"0"), u"first"_s);
        QVERIFY(!reread.hasKey(u"Item-1", u"two"));

        // Names written with line breaks keep the file's shape too.
        ini.writeString(u"New\nSection", u"Key\r\nX", value);
        QCOMPARE(ini.readString(u"New Section", u"Key  X"), expected);
        QVERIFY(ini.save());
        QCOMPARE(IniFile(path).readString(u"New Section", u"Key  X"), expected);
    }

    void failedSaveLeavesTheOldFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing folder") << u"missing folder"_s;
        QTest::newRow("read-only file") << u"read-only file"_s;
        QTest::newRow("path is a folder") << u"folder"_s;
        QTest::newRow("no path") << u"no path"_s;
    }
    void failedSaveLeavesTheOldFile() {
        QFETCH(QString, kind);
        const QByteArray old = "[S]\r\nK=old\r\n";
        QString path;
        if (kind == u"missing folder") {
            path = m_dir.filePath(u"no/such/folder/x.ini"_s);
        } else if (kind == u"read-only file") {
            path = fileWith(old);
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            if (QFileInfo(path).isWritable())
                QSKIP("permission bits do not stop this user (root) from writing");
        } else if (kind == u"folder") {
            path = m_dir.filePath(u"folder.ini"_s);
            QVERIFY(QDir(m_dir.path()).mkpath(path));
        }
        IniFile ini(path);
        ini.writeString(u"S", u"K", u"new"_s);
        QVERIFY(!ini.save());
        QVERIFY(ini.isModified());
        if (kind == u"read-only file")
            QCOMPARE(bytesOf(path), old);
        else if (kind == u"missing folder")
            QVERIFY(!QFileInfo::exists(path));
        else if (kind == u"folder")
            QVERIFY(QFileInfo(path).isDir());
    }

    void hostileFilesReadAsDefaults_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QRandomGenerator random(1234);
        QByteArray binary(64 * 1024, Qt::Uninitialized);
        for (char& c : binary)
            c = char(random.bounded(256));
        binary[10] = '\0';
        QByteArray huge(20 * 1024 * 1024, 'x'); // 20 MB: one long line, then many short ones
        for (qsizetype i = huge.size() / 2; i < huge.size(); i += 8)
            huge[i] = '\n';

        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("only NUL bytes") << QByteArray(4096, '\0') << true;
        QTest::newRow("random bytes") << binary << true;
        QTest::newRow("lone brackets") << QByteArray("[\r\n]\r\n[\r\n=\r\n==\r\n[]\r\n") << true;
        QTest::newRow("20 MB") << huge << true;
    }
    void hostileFilesReadAsDefaults() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        const QString path = exists ? fileWith(bytes) : m_dir.filePath(u"never-written.ini"_s);
        IniFile ini(path);
        QCOMPARE(ini.wasRead(), exists);
        QCOMPARE(ini.readString(u"Item-1", u"0", u"default"_s), u"default"_s);
        QCOMPARE(ini.readInteger(u"Anz_Einträge", u"Anzahl", 7), 7);
        QVERIFY(!ini.hasSection(u"Item-1"));
        ini.writeString(u"Item-1", u"0", u"value"_s);
        QCOMPARE(ini.readString(u"Item-1", u"0"), u"value"_s);
        QVERIFY(ini.toBytes().endsWith("[Item-1]\r\n0=value\r\n"));
    }

    // Every byte survives a load and a save; only line ends become CR LF.
    void arbitraryBytesSurviveUnchanged() {
        QRandomGenerator random(99);
        QByteArray bytes;
        for (int i = 0; i < 20000; ++i) {
            const char c = char(random.bounded(256));
            bytes += c == '\n' ? QByteArray("\r\n") : QByteArray(1, c);
        }
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes[0] = 'x';
        bytes += "\r\n";
        const QString path = fileWith(bytes);
        IniFile ini(path);
        QCOMPARE(ini.toBytes(), bytes);
        ini.writeString(u"Zz-new", u"K", u"v"_s);
        QVERIFY(ini.save());
        QCOMPARE(bytesOf(path), bytes + "[Zz-new]\r\nK=v\r\n");
    }

    void oversizeFileIsNeverOverwritten() {
        const QString path = fileWith("[S]\r\nK=v\r\n");
        {
            QFile file(path);
            QVERIFY(file.resize(IniFile::kMaxFileSize + 1)); // sparse: costs no disk
        }
        IniFile ini(path);
        QVERIFY(!ini.wasRead());
        QCOMPARE(ini.readString(u"S", u"K", u"default"_s), u"default"_s);
        ini.writeString(u"S", u"K", u"new"_s);
        QVERIFY(!ini.save());
        QCOMPARE(QFileInfo(path).size(), IniFile::kMaxFileSize + 1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(10), QByteArray("[S]\r\nK=v\r\n"));
        file.close();
        QVERIFY(QFile::remove(path));
    }

    void readLimitsKeepTheBeginningOfAHugeFile() {
        const QByteArray head = "[S]\r\nA=1\r\nB=2\r\n";
        // Lines: the beginning is read, the rest is not, and the file is never written back.
        const QString path = fileWith(head + QByteArray("\r\n").repeated(100000) + "[T]\r\nC=3\r\n");
        IniFile lines(path, {.maxLines = 1000});
        QVERIFY(lines.wasRead());
        QVERIFY(lines.wasCut());
        QCOMPARE(lines.readString(u"s", u"b"), u"2"_s);
        QVERIFY(!lines.hasSection(u"T"));
        lines.writeString(u"S", u"A", u"changed"_s);
        QVERIFY(!lines.save());
        // Bytes: whole lines only, so a value is never read cut short.
        IniFile bytes(fileWith(head + "Long=" + QByteArray(50, 'x') + "\r\n"),
                      {.maxBytes = head.size() + 20});
        QVERIFY(bytes.wasCut());
        QCOMPARE(bytes.readString(u"S", u"B"), u"2"_s);
        QVERIFY(!bytes.hasKey(u"S", u"Long"));
        // Within the limits nothing changes.
        IniFile whole(fileWith(head), {.maxBytes = head.size(), .maxLines = 4});
        QVERIFY(!whole.wasCut());
        QCOMPARE(whole.readString(u"S", u"A"), u"1"_s);
        whole.writeString(u"S", u"A", u"3"_s);
        QVERIFY(whole.save());
#ifdef Q_OS_UNIX
        // A pipe in a file's place is not waited on.
        const QString pipe = m_dir.filePath(u"pipe.ini"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const IniFile piped(pipe);
        QVERIFY(!piped.wasRead());
#endif
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
