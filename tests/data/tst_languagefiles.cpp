#include "common/Cp1252.h"
#include "common/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTest>

#include <utility>
#include <vector>

using common::IniFile;
using namespace Qt::StringLiterals;

namespace {

struct KeyLine {
    QString section;
    QString key;
    QString value; // as written, before the reader strips a pair of quotes
};

// What the two language files hold, scanned line by line: the INI reader cannot list keys.
struct Scan {
    std::vector<KeyLine> keys;
    QStringList faults;
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Scan scan(const QByteArray& bytes) {
    Scan result;
    QString section;
    QSet<QString> sections;
    QSet<QString> keysOfSection;
    const QStringList lines = common::fromCp1252(bytes).split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString t = line.trimmed();
        const QString where = u"line %1: "_s.arg(n + 1);
        if (t.isEmpty() || t.startsWith(u';'))
            continue;
        if (t.startsWith(u'[')) {
            if (!t.endsWith(u']'))
                result.faults << where + u"broken section header"_s;
            section = t.mid(1, t.size() - 2).trimmed();
            // A second section of the same name is never read: the first one wins.
            if (sections.contains(section.toLower()))
                result.faults << where + u"section [%1] appears twice"_s.arg(section);
            sections.insert(section.toLower());
            keysOfSection.clear();
            continue;
        }
        const qsizetype eq = t.indexOf(u'=');
        if (eq <= 0) {
            result.faults << where + u"neither a key, a section nor a comment: "_s + t;
            continue;
        }
        if (section.isEmpty()) {
            result.faults << where + u"key outside any section"_s;
            continue;
        }
        const QString key = t.left(eq).trimmed();
        if (keysOfSection.contains(key.toLower()))
            result.faults << where + u"[%1] %2 appears twice; only the first is read"_s.arg(section, key);
        keysOfSection.insert(key.toLower());
        result.keys.push_back({section, key, t.mid(eq + 1).trimmed()});
    }
    return result;
}

QString pairName(const KeyLine& k) {
    return k.section.toLower() + u'/' + k.key.toLower();
}

// Every key that the editor reads from a language file.
std::vector<std::pair<QString, QString>> requiredKeys() {
    std::vector<std::pair<QString, QString>> keys;
    auto numbered = [&keys](const QString& section, QChar letter, int last) {
        for (int i = 1; i <= last; ++i)
            keys.emplace_back(section, letter + QString::number(i));
    };
    for (const QString& k : {u"Help"_s, u"DFontS1"_s, u"DFontS2"_s, u"DFontS3"_s})
        keys.emplace_back(u"General"_s, k);
    numbered(u"Grid"_s, u'G', 15);
    numbered(u"Messages"_s, u'M', 57);
    keys.emplace_back(u"Messages"_s, u"M39_2"_s);
    for (const QString& k : {u"TJP"_s, u"TYES"_s, u"TNO"_s, u"SYES"_s, u"SNO"_s})
        keys.emplace_back(u"Texts"_s, k);
    numbered(u"Texts"_s, u'T', 59);
    const std::pair<QString, int> windows[] = {
        {u"AddFileInfo"_s, 5}, {u"AddDir"_s, 19},       {u"AddDir_Ask"_s, 3},   {u"AFile"_s, 16},
        {u"AJump"_s, 11},      {u"AllFilesCombo"_s, 2}, {u"AllFilesEdit"_s, 2}, {u"AllFilesYN"_s, 3},
        {u"FindDlg"_s, 15},    {u"AURL"_s, 9},          {u"Burn"_s, 6},         {u"Check"_s, 3},
        {u"CheckS"_s, 5},      {u"Color_Choose"_s, 2},  {u"CreateInfo"_s, 14},  {u"Genre"_s, 16},
        {u"IconWahl"_s, 3},    {u"Main"_s, 171},        {u"MD"_s, 134},         {u"NewProj"_s, 10},
        {u"Start"_s, 17},      {u"Wizard"_s, 63},       {u"DiscImage"_s, 28},
    };
    for (const auto& [section, last] : windows)
        numbered(section, u'E', last);
    keys.emplace_back(u"MD"_s, u"E11_2"_s);
    keys.emplace_back(u"MD"_s, u"E51f"_s);
    return keys;
}

const QString kFiles[] = {QStringLiteral(LUMBREL_LANG_FILE_1), QStringLiteral(LUMBREL_LANG_FILE_2)};

} // namespace

class TestLanguageFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bothLanguages_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("German") << 2;
    }

    // The profile reader takes every byte as Windows-1252: UTF-8 would show as "Ã¤" in place of "ä".
    void windows1252WithCrLf_data() { bothLanguages_data(); }
    void windows1252WithCrLf() {
        QFETCH(int, language);
        const QByteArray bytes = bytesOf(kFiles[language - 1]);
        QVERIFY2(!bytes.isEmpty(), qPrintable(kFiles[language - 1]));
        QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "byte-order mark");
        QVERIFY2(bytes.endsWith("\r\n"), "the last line has no CR LF");
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const QByteArray at = "byte " + QByteArray::number(i) + ": ";
            if (b == '\n')
                QVERIFY2(i > 0 && bytes[i - 1] == '\r', at + "LF without CR");
            else if (b == '\r')
                QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', at + "CR without LF");
            else
                QVERIFY2(b >= 0x20 && b != 0x7F, at + "control character");
            // Bytes that Windows-1252 leaves undefined.
            QVERIFY2(b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D,
                     at + "undefined in Windows-1252");
            const bool utf8Lead = b >= 0xC2 && b <= 0xF4;
            const bool followedByContinuation =
                i + 1 < bytes.size() && (static_cast<unsigned char>(bytes[i + 1]) & 0xC0) == 0x80;
            QVERIFY2(!(utf8Lead && followedByContinuation), at + "UTF-8 sequence");
        }
    }

    void wellFormed_data() { bothLanguages_data(); }
    void wellFormed() {
        QFETCH(int, language);
        const Scan s = scan(bytesOf(kFiles[language - 1]));
        QVERIFY2(s.faults.isEmpty(), qPrintable(s.faults.join(u'\n')));
        for (const KeyLine& k : s.keys) {
            // Longer values are cut by the reader.
            QVERIFY2(k.value.size() <= IniFile::kMaxValueLength, qPrintable(pairName(k)));
        }
    }

    // A key that only one language has leaves a caption or message empty in the other.
    void sameKeysInSameOrder() {
        const Scan english = scan(bytesOf(kFiles[0]));
        const Scan german = scan(bytesOf(kFiles[1]));
        QStringList en, de;
        for (const KeyLine& k : english.keys)
            en << pairName(k);
        for (const KeyLine& k : german.keys)
            de << pairName(k);
        QStringList onlyEnglish, onlyGerman;
        const QSet<QString> enSet(en.cbegin(), en.cend()), deSet(de.cbegin(), de.cend());
        for (const QString& k : en)
            if (!deSet.contains(k))
                onlyEnglish << k;
        for (const QString& k : de)
            if (!enSet.contains(k))
                onlyGerman << k;
        QVERIFY2(onlyEnglish.isEmpty(),
                 qPrintable(u"only in the English file: "_s + onlyEnglish.join(u", ")));
        QVERIFY2(onlyGerman.isEmpty(), qPrintable(u"only in the German file: "_s + onlyGerman.join(u", ")));
        for (qsizetype i = 0; i < en.size(); ++i)
            QVERIFY2(en[i] == de[i], qPrintable(u"order differs at %1 / %2"_s.arg(en[i], de[i])));
    }

    void everyKeyTheEditorReadsHasText_data() { bothLanguages_data(); }
    void everyKeyTheEditorReadsHasText() {
        QFETCH(int, language);
        const IniFile ini(kFiles[language - 1]);
        QVERIFY(ini.wasRead());
        QStringList missing;
        for (const auto& [section, key] : requiredKeys()) {
            if (ini.readString(section, key).trimmed().isEmpty())
                missing << section + u'/' + key;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(u"missing or empty: "_s + missing.join(u", ")));
    }

    // Words that other parts of the editor and the disc recognise, and the yes/no and title translation.
    void fixedWords_data() { bothLanguages_data(); }
    void fixedWords() {
        QFETCH(int, language);
        const IniFile ini(kFiles[language - 1]);
        const bool en = language == 1;
        QCOMPARE(ini.readString(u"Texts", u"TJP"), u"Jump Point"_s);
        QCOMPARE(ini.readString(u"Texts", u"TYES"), en ? u"yes"_s : u"ja"_s);
        QCOMPARE(ini.readString(u"Texts", u"TNO"), en ? u"no"_s : u"nein"_s);
        const QString english[] = {
            u"Name"_s,     u"File Name"_s,   u"CD Path"_s,  u"Serial"_s, u"CD Size"_s,
            u"HD Size"_s,  u"Description"_s, u"Category"_s, u"Copy"_s,   u"File Source Location"_s,
            u"Homepage"_s, u"Execute"_s};
        const QString german[] = {u"Name"_s,     u"Datei Name"_s,     u"CD Pfad"_s,      u"Seriennr."_s,
                                  u"Größe CD"_s, u"Größe HD"_s,       u"Beschreibung"_s, u"Kategorie"_s,
                                  u"Kopieren"_s, u"Datei Quellort"_s, u"Homepage"_s,     u"Ausführen"_s};
        for (int f = 0; f < 12; ++f)
            QCOMPARE(ini.readString(u"Grid", QString(u'G' + QString::number(f + 1))),
                     en ? english[f] : german[f]);
        // The blank between the status label and the item name sits inside quotes: the reader trims.
        QVERIFY(ini.readString(u"Main", u"E41").endsWith(u' '));
    }

    void generalSection_data() { bothLanguages_data(); }
    void generalSection() {
        QFETCH(int, language);
        const IniFile ini(kFiles[language - 1]);
        // The help window opens the HTML page named like the help file.
        const QString help = ini.readString(u"General", u"Help");
        QVERIFY2(help.endsWith(u".hlp"), qPrintable(help));
        const QString page = QStringLiteral(LUMBREL_HELP_DIR) + u'/' + help.chopped(4) + u".html"_s;
        QVERIFY2(QFileInfo(page).isFile(), qPrintable(page));
        // Font size reductions: whole numbers that leave the smallest font (9 points) readable.
        for (const auto* key : {u"DFontS1", u"DFontS2", u"DFontS3"}) {
            const int reduction = ini.readInteger(u"General", QStringView(key), -1);
            QVERIFY2(reduction >= 0 && reduction <= 2, qPrintable(QString::fromUtf16(key)));
        }
    }

    // Messages shown with Yes/No or OK/Cancel buttons ask a question.
    void questionsAsk_data() { bothLanguages_data(); }
    void questionsAsk() {
        QFETCH(int, language);
        const IniFile ini(kFiles[language - 1]);
        for (const auto* key : {u"M23", u"M27", u"M28", u"M29", u"M30", u"M40", u"M49"}) {
            const QString text = ini.readString(u"Messages", QStringView(key));
            QVERIFY2(text.contains(u'?'), qPrintable(QString::fromUtf16(key) + u": "_s + text));
        }
    }
};

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "tst_languagefiles.moc"
