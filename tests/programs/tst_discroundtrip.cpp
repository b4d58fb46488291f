// The two programs meet only through the disc's files: what the editor's build writes, the menu
// program's own readers must read back as the user entered it.
#include "common/IniFile.h"
#include "editor/disc/DiscBuild.h"
#include "editor/project/CategoryFile.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"
#include "menu/reader/DesignSettings.h"
#include "menu/reader/DiscEntries.h"
#include "menu/reader/LanguageTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

ItemRecord record(const QString& name, const QString& file, const QString& category) {
    ItemRecord r;
    r[fieldIndex(ItemField::Name)] = name;
    r[fieldIndex(ItemField::FileName)] = file;
    r[fieldIndex(ItemField::CdPath)] = u"\\tools\\"_s;
    r[fieldIndex(ItemField::Serial)] = u"S-"_s + name;
    r[fieldIndex(ItemField::CdSize)] = u"3 MB"_s;
    r[fieldIndex(ItemField::HdSize)] = u"12 MB"_s;
    r[fieldIndex(ItemField::Description)] = u"About "_s + name + u" – größer"_s;
    r[fieldIndex(ItemField::Category)] = category;
    r[fieldIndex(ItemField::Copy)] = u"yes"_s;
    r[fieldIndex(ItemField::Homepage)] = u"https://example.org/"_s + name;
    r[fieldIndex(ItemField::Execute)] = u"no"_s;
    return r;
}

} // namespace

class TestDiscRoundTrip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void menuReadsWhatTheEditorBuilt() {
        QTemporaryDir dir;
        EditorState state;
        state.programFolder = dir.path() + u"/program/"_s;
        const QString files = state.programFolder + u"Files/"_s;
        QVERIFY(QDir().mkpath(files));
        for (const char* name : {"language0.0", "language0.1", "language1.0", "language1.1"})
            QVERIFY(QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/") + QLatin1String(name),
                                files + QLatin1String(name)));
        for (const char* name : {"tiv.exe", "Unzdll.dll", "tiv.ico", "autorun.inf"})
            put(files + QLatin1String(name), name);
        state.cdName = u"Round Trip"_s;
        state.projectFolder = dir.path() + u"/project/"_s;

        state.categories = {u"Games"_s, u"Tools"_s, u"Bücher"_s};
        const QString lbc = dir.filePath(u"genre/cats.lbc"_s);
        QDir().mkpath(QFileInfo(lbc).absolutePath());
        {
            common::IniFile categories(lbc);
            categories.writeInteger(u"general", u"anz_items", 3);
            for (int c = 0; c < 3; ++c) {
                categories.writeString(QString::number(c), u"caption", state.categories[c]);
                categories.writeInteger(QString::number(c), u"icon_number", c);
                put(dir.filePath(QStringLiteral("genre/%1.ico").arg(c)), "icon");
            }
            QVERIFY(categories.save());
        }
        state.files.categoryFile.set(lbc);

        // A design that differs from the defaults wherever it can.
        DesignModel& d = state.design;
        d.buttonStart = Qt::red;
        d.buttonEnd = Qt::blue;
        d.buttonFont = Qt::yellow;
        d.shadowDepth = 9;
        d.borderWidth = 3;
        d.buttonStyle = DesignModel::ButtonStyle::Offset;
        d.buttonEffect = DesignModel::ButtonEffect::ThreeD;
        d.buttonFontEffect = DesignModel::FontEffect::RaisedShadow;
        d.buttonBold = true;
        d.categoryBox = Qt::green;
        d.categoryBoxFont = Qt::darkBlue;
        d.detailsBox = QColor(0x80, 0x80, 0x80); // clGray
        d.headingFont = Qt::darkRed;
        d.valueBold = true;
        d.valueEffect = DesignModel::FontEffect::Shadow;
        d.backStart = Qt::darkGreen;
        d.backEnd = Qt::cyan;
        d.tileMode = DesignModel::TileMode::Stretch;
        d.language = 1;
        d.style = 1;
        const QString lbd = dir.filePath(u"design/round.lbd"_s);
        QDir().mkpath(QFileInfo(lbd).absolutePath());
        QVERIFY(designfile::write(state, lbd));

        ItemTable items;
        items.setRecords({record(u"Setup"_s, u"setup.exe"_s, u"Tools"_s),
                          record(u"Chess"_s, u"chess.exe"_s, u"Games"_s),
                          record(u"Manual"_s, u"manual.pdf"_s, u"Bücher"_s),
                          record(u"Mahjong"_s, u"mahjong.exe"_s, u"Games"_s)});
        const QString disc = dir.path() + u"/disc/"_s;
        QVERIFY(discbuild::build(disc, state, items).written);

        const QString cfg = disc + u"CFG/"_s;
        const menu::DiscIdentity identity = menu::readDiscIdentity(common::IniFile(cfg + u"members.cfg"_s));
        QCOMPARE(identity.discName, u"Round Trip"_s);
        QCOMPARE(identity.rootName, state.projectFolder);

        const auto categories = menu::readCategories(common::IniFile(cfg + u"genre.cfg"_s));
        QCOMPARE(int(categories.size()), 3);
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(categories[c].caption, state.categories[c]);
            QCOMPARE(categories[c].iconNumber, c);
        }

        const common::IniFile members(cfg + u"members.cfg"_s);
        const auto games = menu::readItems(members, 0);
        QCOMPARE(int(games.size()), 2);
        QCOMPARE(games[0].caption, u"Chess"_s);
        QCOMPARE(games[1].caption, u"Mahjong"_s);
        const auto books = menu::readItems(members, 2);
        QCOMPARE(int(books.size()), 1);
        QCOMPARE(books[0].caption, u"Manual"_s);

        const menu::ItemDetails setup = menu::readItemDetails(
            common::IniFile(cfg + menu::detailFileName(1, 0).replace(u'\\', u'/')), 1, 0);
        QCOMPARE(setup.rawTarget, u"\\tools\\setup.exe"_s);
        QCOMPARE(setup.serial, u"S-Setup"_s);
        QCOMPARE(setup.sizeOnDisc, u"3 MB"_s);
        QCOMPARE(setup.sizeInstalled, u"12 MB"_s);
        QCOMPARE(setup.description, u"About Setup – größer"_s);
        QCOMPARE(setup.homePage, u"https://example.org/Setup"_s);
        QVERIFY(setup.copyAllowed);
        QVERIFY(!setup.startAllowed);

        const menu::DesignSettings read = menu::readDesignSettings(common::IniFile(cfg + u"design.cfg"_s));
        QCOMPARE(read.buttonStart, QColor(Qt::red));
        QCOMPARE(read.buttonEnd, QColor(Qt::blue));
        QCOMPARE(read.buttonText, QColor(Qt::yellow));
        QCOMPARE(read.buttonShadowDepth, 9);
        QCOMPARE(read.buttonBevelWidth, 3);
        QCOMPARE(read.bevelStyle, menu::BevelStyle::Offset);
        QCOMPARE(read.buttonShape, menu::ButtonShape::ThreeD);
        QCOMPARE(read.buttonEffect, menu::TextEffect::RaisedShadow);
        QVERIFY(read.buttonBold);
        QCOMPARE(read.categoryBox.color, QColor(Qt::green));
        QCOMPARE(read.categoryBox.textColor, QColor(Qt::darkBlue));
        QCOMPARE(read.detailsBox.color, QColor(0x80, 0x80, 0x80));
        QCOMPARE(read.headings.color, QColor(Qt::darkRed));
        QVERIFY(read.detailValues.bold);
        QCOMPARE(read.detailValues.effect, menu::TextEffect::Shadow);
        QCOMPARE(read.backStart, QColor(Qt::darkGreen));
        QCOMPARE(read.backEnd, QColor(Qt::cyan));
        QCOMPARE(read.tileMode, menu::TileMode::Stretch);

        // German, normal style: the language file the design chose is the one on the disc.
        const menu::LanguageFile language = menu::readLanguageFile(common::IniFile(cfg + u"language.zol"_s));
        const menu::LanguageFile shipped =
            menu::readLanguageFile(common::IniFile(QStringLiteral(LUMBREL_DATA_DIR "/language1.1")));
        QVERIFY(language.present);
        QCOMPARE(language.buttons, shipped.buttons);
        QCOMPARE(language.details, shipped.details);
        QCOMPARE(language.headings, shipped.headings);
    }
};

QTEST_MAIN(TestDiscRoundTrip)
#include "tst_discroundtrip.moc"
