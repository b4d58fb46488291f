// The shipped standard categories, standard design, menu language files and recording template,
// checked against what the editor, the build and the menu program expect of them. A fault here
// only shows on a user's disc: a category without its icon, a design word the menu does not know,
// an empty caption, a template whose replaced lines have moved.
#include "common/ColorNames.h"
#include "common/Cp1252.h"
#include "common/DesignKeys.h"
#include "common/IniFile.h"
#include "menu/reader/DesignSettings.h"
#include "menu/reader/DiscEntries.h"
#include "menu/reader/LanguageTexts.h"
#include "ui/widgets/Contrast.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <functional>
#include <vector>

using common::IniFile;
using namespace Qt::StringLiterals;

namespace {

const QString kData = QStringLiteral(LUMBREL_DATA_DIR) + u'/';
const QString kAssets = QStringLiteral(LUMBREL_ASSET_DIR) + u'/';

// The sample disc's text files, relative to the data folder.
QStringList previewDiscFiles() {
    QStringList names = {u"preview/CFG/genre.cfg"_s, u"preview/CFG/members.cfg"_s};
    for (const QString& name : QDir(kData + u"preview/CFG/membersd"_s).entryList(QDir::Files, QDir::Name))
        names.append(u"preview/CFG/membersd/"_s + name);
    return names;
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a Windows-1252 text file with CR LF line ends, without their line ends.
QStringList linesOf(const QString& path) {
    QStringList lines = common::fromCp1252(bytesOf(path)).split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

struct KeyLine {
    QString section;
    QString key;
    QString value;
};

// The key lines of an INI file in file order; faults collects duplicate sections and keys (only
// the first is ever read) and lines that are neither a key, a section nor a comment.
std::vector<KeyLine> scanIni(const QString& path, QStringList& faults) {
    std::vector<KeyLine> keys;
    QString section;
    QSet<QString> sections, keysOfSection;
    const QStringList lines = linesOf(path);
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString t = lines[n].trimmed();
        const QString where = u"%1 line %2: "_s.arg(QFileInfo(path).fileName()).arg(n + 1);
        if (t.isEmpty() || t.startsWith(u';'))
            continue;
        if (t.startsWith(u'[') && t.endsWith(u']')) {
            section = t.mid(1, t.size() - 2);
            if (sections.contains(section.toLower()))
                faults << where + u"section appears twice"_s;
            sections.insert(section.toLower());
            keysOfSection.clear();
            continue;
        }
        const qsizetype eq = t.indexOf(u'=');
        if (eq <= 0 || section.isEmpty()) {
            faults << where + t;
            continue;
        }
        const QString key = t.left(eq).trimmed();
        if (keysOfSection.contains(key.toLower()))
            faults << where + key + u" appears twice"_s;
        keysOfSection.insert(key.toLower());
        keys.push_back({section, key, t.mid(eq + 1).trimmed()});
    }
    return keys;
}

// The keys of a design file in the order in which the editor writes them, each with a test of
// its value. Media keys come in pairs, full path and alone name.
struct DesignKey {
    designkeys::Key key;
    std::function<bool(const QString&)> valid;
};

bool anyText(const QString&) {
    return true;
}
bool colourName(const QString& v) {
    return common::colorFromName(v).has_value();
}
std::function<bool(const QString&)> oneOf(QStringList words) {
    return [words](const QString& v) { return words.contains(v); };
}
std::function<bool(const QString&)> between(int low, int high) {
    return [low, high](const QString& v) {
        const auto n = IniFile::parseInteger(v);
        return n && *n >= low && *n <= high;
    };
}

std::vector<DesignKey> designKeys() {
    namespace keys = designkeys;
    const auto effects = oneOf(
        {u"tdNone"_s, u"tdRaised"_s, u"tdSunken"_s, u"tdShadow"_s, u"tdRaisedShadow"_s, u"tdSunkenShadow"_s});
    const auto formats = oneOf({u"bold"_s, u"normal"_s});
    return {
        {keys::kDesignMode, oneOf({u"band"_s, u"bmp"_s})},
        {keys::kButtonMode, oneOf({u"band"_s, u"bmp"_s, u"trans"_s})},
        {keys::kSplashEnabled, between(0, 1)},
        {keys::kSplashBitmap, anyText},
        {keys::kSplashBitmapAlone, anyText},
        {keys::kSplashHeight, between(0, 4096)},
        {keys::kSplashWidth, between(0, 4096)},
        {keys::kSplashFrameColor, colourName},
        {keys::kSplashFrameWidth, between(0, 250)},
        {keys::kSplashDelay, between(0, 60000)},
        {keys::kIcon, anyText},
        {keys::kIconAlone, anyText},
        {keys::kButtonStart, colourName},
        {keys::kButtonEnd, colourName},
        {keys::kButtonFont, colourName},
        {keys::kButtonBitmap, anyText},
        {keys::kButtonBitmapAlone, anyText},
        {keys::kShadowDepth, between(0, 15)},
        {keys::kBorderWidth, between(0, 15)},
        {keys::kButtonStyle, oneOf({u"sbInset"_s, u"sbNormal"_s, u"sbOffset"_s})},
        {keys::kButtonEffect, oneOf({u"sbsShadow"_s, u"sbs3D"_s})},
        {keys::kButtonFontEffect, effects},
        {keys::kButtonFontFormat, formats},
        {keys::kCategoryBox, colourName},
        {keys::kCategoryBoxFont, colourName},
        {keys::kFilesBox, colourName},
        {keys::kFilesBoxFont, colourName},
        {keys::kDetailsBox, colourName},
        {keys::kCategoryBoxFill, between(0, 2)},
        {keys::kFilesBoxFill, between(0, 2)},
        {keys::kDetailsBoxFill, between(0, 2)},
        {keys::kHeadingFont, colourName},
        {keys::kLabelFont, colourName},
        {keys::kValueFont, colourName},
        {keys::kHeadingFormat, formats},
        {keys::kLabelFormat, formats},
        {keys::kValueFormat, formats},
        {keys::kHeadingEffect, effects},
        {keys::kLabelEffect, effects},
        {keys::kValueEffect, effects},
        {keys::kBackStart, colourName},
        {keys::kBackEnd, colourName},
        {keys::kBackBitmap, anyText},
        {keys::kBackBitmapAlone, anyText},
        {keys::kTileMode, oneOf({u"tmcenter"_s, u"tmnone"_s, u"tmstretch"_s, u"tmtile"_s})},
        {keys::kSounds[0], anyText},
        {keys::kSounds[1], anyText},
        {keys::kSounds[2], anyText},
        {keys::kSounds[3], anyText},
        {keys::kSounds[4], anyText},
        {keys::kSoundsAlone[0], anyText},
        {keys::kSoundsAlone[1], anyText},
        {keys::kSoundsAlone[2], anyText},
        {keys::kSoundsAlone[3], anyText},
        {keys::kSoundsAlone[4], anyText},
        {keys::kLanguage, between(0, 1)},
        {keys::kStyle, between(0, 1)},
    };
}

// The alone name of a medium: its file name cut before the first dot, with the extension from
// the last dot.
QString aloneName(const QString& path) {
    const QString name = path.mid(std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1);
    const qsizetype first = name.indexOf(u'.');
    return first < 0 ? name : name.left(first) + name.mid(name.lastIndexOf(u'.'));
}

// Header fields of a RIFF wave file: format, channels, rate, bits; all zero when it is none.
struct WaveFormat {
    int format = 0, channels = 0, rate = 0, bits = 0;
    qint64 dataBytes = 0;
};

WaveFormat waveFormat(const QString& path) {
    const QByteArray b = bytesOf(path);
    WaveFormat w;
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 8) != "WAVEfmt ")
        return w;
    w.format = qFromLittleEndian<quint16>(b.constData() + 20);
    w.channels = qFromLittleEndian<quint16>(b.constData() + 22);
    w.rate = int(qFromLittleEndian<quint32>(b.constData() + 24));
    w.bits = qFromLittleEndian<quint16>(b.constData() + 34);
    if (b.mid(36, 4) == "data")
        w.dataBytes = qFromLittleEndian<quint32>(b.constData() + 40);
    return w;
}

int bmpBitsPerPixel(const QString& path) {
    const QByteArray header = bytesOf(path).left(30);
    return header.size() == 30 && header.startsWith("BM")
               ? qFromLittleEndian<quint16>(header.constData() + 28)
               : 0;
}

const QString kLanguageFiles[] = {u"language0.0"_s, u"language0.1"_s, u"language1.0"_s, u"language1.1"_s};

// The sections whose texts are captions, written in lower case in style 0.
bool isCaptionSection(const QString& section) {
    static const QStringList kCaptionSections = {u"cover"_s, u"buttons"_s, u"heading"_s, u"details"_s,
                                                 u"forms"_s};
    return kCaptionSections.contains(section.toLower());
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The profile reader takes every byte as Windows-1252, and git must not turn CR LF into LF.
    void textFilesAreWindows1252WithCrLf_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : {u"Standard.lbc"_s, u"Standard.lbd"_s, u"autorun.inf"_s, u"cq3_6.bot"_s})
            QTest::newRow(qPrintable(name)) << name;
        for (const QString& name : kLanguageFiles)
            QTest::newRow(qPrintable(name)) << name;
        for (const QString& name : previewDiscFiles())
            QTest::newRow(qPrintable(name)) << name;
    }
    void textFilesAreWindows1252WithCrLf() {
        QFETCH(QString, name);
        const QByteArray bytes = bytesOf(kData + name);
        QVERIFY2(!bytes.isEmpty(), qPrintable(name));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY2(bytes.endsWith("\r\n"), "the last line has no CR LF");
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            const QByteArray at = "byte " + QByteArray::number(i);
            if (b == '\n')
                QVERIFY2(i > 0 && bytes[i - 1] == '\r', at + ": LF without CR");
            else if (b == '\r')
                QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', at + ": CR without LF");
            else
                QVERIFY2(b >= 0x20 && b != 0x7F, at + ": control character");
            const bool utf8Lead = b >= 0xC2 && b <= 0xF4;
            QVERIFY2(!(utf8Lead && i + 1 < bytes.size() &&
                       (static_cast<unsigned char>(bytes[i + 1]) & 0xC0) == 0x80),
                     at + ": UTF-8 sequence");
        }
    }

    // The full preview's sample disc: every category with an icon and items, every item with its
    // detail file and a target, so that the menu program shows a design on a menu that is full.
    void previewDiscListsItemsInEveryCategory() {
        const QString cfg = kData + u"preview/CFG/"_s;
        const IniFile genre(cfg + u"genre.cfg"_s);
        const IniFile members(cfg + u"members.cfg"_s);
        const std::vector<menu::CategoryEntry> categories = menu::readCategories(genre);
        QVERIFY(categories.size() >= 3);
        for (const menu::CategoryEntry& category : categories) {
            QCOMPARE(category.iconNumber, category.index);
            QVERIFY(QImageReader(kAssets + u"Files/%1.ico"_s.arg(category.index)).canRead());
            const std::vector<menu::ItemEntry> items = menu::readItems(members, category.index);
            QVERIFY2(!items.empty(), qPrintable(category.caption));
            for (const menu::ItemEntry& item : items) {
                QVERIFY(item.iconNumber >= 0 && item.iconNumber < 14);
                const QString detail = cfg + u"membersd/m%1-%2.dat"_s.arg(category.index).arg(item.index);
                QVERIFY2(QFileInfo::exists(detail), qPrintable(detail));
                const menu::ItemDetails details =
                    menu::readItemDetails(IniFile(detail), category.index, item.index);
                QVERIFY2(!details.rawTarget.isEmpty() && details.rawTarget != u"n/a",
                         qPrintable(item.caption));
            }
        }
    }

    // The build copies i.ico for every category and the menu shows icon icon_number of the list it
    // loaded from 0.ico ... ; a category without its icon leaves the whole menu without categories.
    void standardCategoriesHaveTheirIcons() {
        QStringList faults;
        scanIni(kData + u"Standard.lbc"_s, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        const IniFile lbc(kData + u"Standard.lbc"_s);
        const int count = lbc.readInteger(u"general", u"anz_items", 0);
        QVERIFY(count > 0 && count <= 255);
        QSet<QString> captions;
        for (int i = 0; i < count; ++i) {
            const QString section = QString::number(i);
            const QString caption = lbc.readString(section, u"caption");
            QVERIFY2(!caption.trimmed().isEmpty(), qPrintable(section));
            // Items are filed by caption: two equal captions would share their items.
            QVERIFY2(!captions.contains(caption.toLower()), qPrintable(caption));
            captions.insert(caption.toLower());
            QCOMPARE(lbc.readInteger(section, u"icon_number", -1), i);
            const QString icon = kAssets + u"Files/%1.ico"_s.arg(i);
            QVERIFY2(QImageReader(icon).canRead(), qPrintable(icon));
        }
    }

    // Every key, in the order the editor writes it, with a value that the editor and the menu
    // program read as meant (colour names with their letter case, the exact words).
    void standardDesignHoldsEveryKeyWithAValidValue() {
        QStringList faults;
        const std::vector<KeyLine> lines = scanIni(kData + u"Standard.lbd"_s, faults);
        const std::vector<DesignKey> expected = designKeys();
        for (std::size_t i = 0; i < std::max(lines.size(), expected.size()); ++i) {
            if (i >= lines.size() || i >= expected.size()) {
                faults << u"%1 keys, expected %2"_s.arg(lines.size()).arg(expected.size());
                break;
            }
            const KeyLine& line = lines[i];
            const DesignKey& key = expected[i];
            const QString name = key.key.path();
            if (line.section.compare(QString::fromUtf16(key.key.section), Qt::CaseInsensitive) != 0 ||
                line.key.compare(QString::fromUtf16(key.key.name), Qt::CaseInsensitive) != 0)
                faults << u"key %1 is %2/%3, expected %4"_s.arg(i + 1).arg(line.section, line.key, name);
            else if (!key.valid(line.value))
                faults << name + u" = "_s + line.value;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // What the editor's loader and the build do with the media: found through the alone name
    // beside the design, so each one must be installed there; the modes need their bitmaps.
    void standardDesignMediaLieBesideIt() {
        const IniFile lbd(kData + u"Standard.lbd"_s);
        const QStringList besideDesign =
            QStringLiteral(LUMBREL_STANDARD_DESIGN_MEDIA).split(u'|', Qt::SkipEmptyParts);
        namespace keys = designkeys;
        struct Medium {
            designkeys::Key key, alone;
        };
        std::vector<Medium> media = {{keys::kSplashBitmap, keys::kSplashBitmapAlone},
                                     {keys::kIcon, keys::kIconAlone},
                                     {keys::kButtonBitmap, keys::kButtonBitmapAlone},
                                     {keys::kBackBitmap, keys::kBackBitmapAlone}};
        for (int n = 0; n < 5; ++n)
            media.push_back({keys::kSounds[n], keys::kSoundsAlone[n]});
        QSet<QString> used;
        for (const Medium& m : media) {
            const QString full = lbd.readString(m.key.section, m.key.name);
            const QString alone = lbd.readString(m.alone.section, m.alone.name);
            const QString name = m.key.path();
            QCOMPARE(alone, aloneName(full));
            if (alone.isEmpty())
                continue;
            used.insert(name);
            QString installed;
            for (const QString& file : besideDesign) {
                if (QFileInfo(file).fileName() == alone)
                    installed = file;
            }
            QVERIFY2(!installed.isEmpty(),
                     qPrintable(name + u": "_s + alone + u" is not installed beside the design"_s));
            if (QStringView(m.key.section) == u"Sound") {
                const WaveFormat w = waveFormat(installed);
                QVERIFY2(w.format == 1 && w.channels == 1 && w.rate == 22050 && w.bits == 16 &&
                             w.dataBytes > 0,
                         qPrintable(alone));
            }
        }
        // A mode that needs a bitmap falls back, or shows nothing, without it.
        if (lbd.readString(keys::kDesignMode.section, keys::kDesignMode.name) == u"bmp")
            QVERIFY(used.contains(keys::kBackBitmap.path()));
        if (lbd.readString(keys::kButtonMode.section, keys::kButtonMode.name) == u"bmp")
            QVERIFY(used.contains(keys::kButtonBitmap.path()));
        // The splash is shown exactly when its bitmap is there; a disabled one is written as such.
        const bool splash = lbd.readInteger(keys::kSplashEnabled.section, keys::kSplashEnabled.name, 0) != 0;
        QCOMPARE(used.contains(keys::kSplashBitmap.path()), splash);
        if (!splash) {
            for (const designkeys::Key& key :
                 {keys::kSplashHeight, keys::kSplashWidth, keys::kSplashFrameWidth, keys::kSplashDelay})
                QCOMPARE(lbd.readInteger(key.section, key.name, -1), 0);
        }
        // The design editor resets box fills whose bitmap the design does not use.
        for (const designkeys::Key& key :
             {keys::kCategoryBoxFill, keys::kFilesBoxFill, keys::kDetailsBoxFill}) {
            const int fill = lbd.readInteger(key.section, key.name, 0);
            QVERIFY(fill != 1 || used.contains(keys::kBackBitmap.path()));
            QVERIFY(fill != 2 || used.contains(keys::kButtonBitmap.path()));
        }
    }

    // The menu program's reading of the design, on its own reader: every text stands out from
    // what it is drawn on.
    void standardDesignIsReadable() {
        const menu::DesignSettings d = menu::readDesignSettings(IniFile(kData + u"Standard.lbd"_s));
        QVERIFY(d.designMode != menu::DesignMode::Other);
        QVERIFY(d.buttonMode != menu::ButtonMode::Other);
        QStringList faults;
        auto check = [&faults](const char* what, const QColor& text, const QColor& ground) {
            constexpr double kReadable = 3.0;
            const double ratio = ui::contrastRatio(text, ground);
            if (ratio < kReadable)
                faults << u"%1: %2 on %3, contrast %4"_s.arg(QLatin1String(what), text.name(), ground.name())
                              .arg(ratio, 0, 'f', 2);
        };
        if (d.designMode == menu::DesignMode::Band) {
            check("headings on the background start", d.headings.color, d.backStart);
            check("headings on the background end", d.headings.color, d.backEnd);
        }
        if (d.buttonMode == menu::ButtonMode::Band) {
            check("button text on the gradient start", d.buttonText, d.buttonStart);
            check("button text on the gradient end", d.buttonText, d.buttonEnd);
        }
        if (d.categoryBox.fill == menu::BoxFill::Color)
            check("category box text", d.categoryBox.textColor, d.categoryBox.color);
        if (d.itemBox.fill == menu::BoxFill::Color)
            check("item box text", d.itemBox.textColor, d.itemBox.color);
        if (d.detailsBox.fill == menu::BoxFill::Color) {
            check("detail labels", d.detailLabels.color, d.detailsBox.color);
            check("detail values", d.detailValues.color, d.detailsBox.color);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        // The splash must never hold up the start for long.
        QVERIFY(!d.splash.enabled || d.splash.displayMs <= 5000);
    }

    // Every text the menu program reads from its language file is there in all four files: a
    // missing one leaves a button without caption or a message box empty.
    void menuLanguageFilesHaveEveryText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("language");
        QTest::newRow("English, lower case") << kLanguageFiles[0] << 0;
        QTest::newRow("English, normal") << kLanguageFiles[1] << 0;
        QTest::newRow("German, lower case") << kLanguageFiles[2] << 1;
        QTest::newRow("German, normal") << kLanguageFiles[3] << 1;
    }
    void menuLanguageFilesHaveEveryText() {
        QFETCH(QString, name);
        QFETCH(int, language);
        QStringList faults;
        scanIni(kData + name, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        const menu::LanguageFile f = menu::readLanguageFile(IniFile(kData + name));
        QVERIFY(f.present);
        QCOMPARE(f.texts.language, language);
        QStringList missing;
        auto need = [&missing](const QString& text, const QString& what) {
            if (text.trimmed().isEmpty())
                missing << what;
        };
        for (int k = 1; k <= 25; ++k) {
            need(f.buttons[k], u"Buttons/%1"_s.arg(k));
            need(f.details[k], u"Details/%1"_s.arg(k));
        }
        for (int k = 1; k <= 29; ++k)
            need(f.hints[k], u"Hints/%1"_s.arg(k));
        for (int k = 1; k <= 9; ++k)
            need(f.headings[k], u"Heading/%1"_s.arg(k));
        need(f.heading3_2, u"Heading/3_2"_s);
        for (int k = 2; k <= 6; ++k)
            need(f.forms[k], u"Forms/%1"_s.arg(k));
        need(f.texts.noNfo, u"no_nfo_lang"_s);
        need(f.texts.noInfo, u"no_info_lang"_s);
        need(f.texts.noZip, u"no_zip_lang"_s);
        need(f.texts.noFile, u"no_file_lang"_s);
        need(f.texts.coverHeader, u"Cover_Header"_s);
        QVERIFY2(missing.isEmpty(), qPrintable(u"missing or empty: "_s + missing.join(u", ")));
        // Longer values would be cut by the reader.
        for (const QString& text : f.hints)
            QVERIFY(text.size() < IniFile::kMaxValueLength);
    }

    // The two styles of a language say the same; style 0 writes its captions in lower case, and
    // both keep the messages and tooltips as sentences.
    void captionStylesDifferOnlyInLetterCase_data() {
        QTest::addColumn<QString>("lower");
        QTest::addColumn<QString>("normal");
        QTest::newRow("English") << kLanguageFiles[0] << kLanguageFiles[1];
        QTest::newRow("German") << kLanguageFiles[2] << kLanguageFiles[3];
    }
    void captionStylesDifferOnlyInLetterCase() {
        QFETCH(QString, lower);
        QFETCH(QString, normal);
        QStringList faults;
        const std::vector<KeyLine> l = scanIni(kData + lower, faults);
        const std::vector<KeyLine> n = scanIni(kData + normal, faults);
        QCOMPARE(l.size(), n.size());
        int capitalised = 0;
        for (std::size_t i = 0; i < l.size(); ++i) {
            const QString where = l[i].section + u'/' + l[i].key;
            QVERIFY2(l[i].section.toLower() == n[i].section.toLower() &&
                         l[i].key.toLower() == n[i].key.toLower(),
                     qPrintable(where));
            if (isCaptionSection(l[i].section)) {
                QVERIFY2(l[i].value == n[i].value.toLower(), qPrintable(where + u": "_s + l[i].value));
                capitalised += n[i].value != l[i].value ? 1 : 0;
            } else {
                QVERIFY2(l[i].value == n[i].value, qPrintable(where));
            }
        }
        // Two copies of the lower-case file would pass the loop above.
        QVERIFY(capitalised > 50);
    }

    // The four files hold the same keys, so no language or style lacks a text another one has.
    void languageFilesHoldTheSameKeys() {
        QStringList faults;
        QStringList first;
        for (const KeyLine& k : scanIni(kData + kLanguageFiles[0], faults))
            first << k.section.toLower() + u'/' + k.key.toLower();
        for (const QString& name : kLanguageFiles) {
            QStringList keys;
            for (const KeyLine& k : scanIni(kData + name, faults))
                keys << k.section.toLower() + u'/' + k.key.toLower();
            QCOMPARE(keys, first);
        }
    }

    // The burner replaces lines 5, 30 and 39 and appends the path table: those lines must still
    // be the track line and the two volume lines, and the template must end where the path table
    // begins.
    void burnerTemplateKeepsItsReplacedLines() {
        const QStringList lines = linesOf(kData + u"cq3_6.bot"_s);
        QVERIFY(lines.size() >= 39);
        QVERIFY2(lines[4].startsWith(u"Track1=CD-XA ISO 9660 ["), qPrintable(lines[4]));
        QVERIFY2(lines[29].startsWith(u"VOLUME \""), qPrintable(lines[29]));
        QVERIFY2(lines[38].startsWith(u"VOLUME \""), qPrintable(lines[38]));
        int tracks = 0, volumes = 0;
        for (const QString& line : lines) {
            tracks += line.startsWith(u"Track1=") ? 1 : 0;
            volumes += line.startsWith(u"VOLUME ") ? 1 : 0;
        }
        // Another track or volume line would keep the template's own, stale value.
        QCOMPARE(tracks, 1);
        QCOMPARE(volumes, 2);
        QCOMPARE(lines.back(), u"PATHTABLE"_s);
    }

    // The designs' backgrounds fill the menu window (632 x 413) and every picture is a bitmap the
    // old readers take: 24 bits, no alpha.
    void designBitmapsFillTheMenuWindow() {
        const QStringList bitmaps = QStringLiteral(LUMBREL_DESIGN_BITMAPS).split(u'|', Qt::SkipEmptyParts);
        QVERIFY(!bitmaps.isEmpty());
        int backgrounds = 0;
        for (const QString& path : bitmaps) {
            QCOMPARE(bmpBitsPerPixel(path), 24);
            const QSize size = QImageReader(path).size();
            QVERIFY2(size.isValid(), qPrintable(path));
            if (size.width() >= 632 && size.height() >= 413)
                ++backgrounds;
        }
        QVERIFY(backgrounds >= 1);
    }
};

QTEST_GUILESS_MAIN(TestShippedData)
#include "tst_shippeddata.moc"
