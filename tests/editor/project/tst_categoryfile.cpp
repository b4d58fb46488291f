// Category files and their numbered icons, the own-folder rule of new files, and the icon packs.
#include "common/IniFile.h"
#include "editor/project/CategoryFile.h"
#include "editor/project/EnvironmentFiles.h"
#include "editor/project/IconPacks.h"
#include "tests/editor/EditorTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;

namespace {

QStringList captionsOf(const categoryfile::Contents& c) {
    QStringList out;
    for (const categoryfile::Category& category : c.categories)
        out << category.caption;
    return out;
}

} // namespace

class TestCategoryFile : public QObject {
    Q_OBJECT

    QString folder(const QTemporaryDir& dir, const QString& name) const {
        const QString path = dir.filePath(name);
        QDir().mkpath(path);
        return QDir::toNativeSeparators(path) + QDir::separator();
    }

    // A category file with its numbered icons, each icon holding "icon-" + caption.
    QString writeSet(const QString& folder, const QStringList& captions) const {
        for (int i = 0; i < captions.size(); ++i)
            writeFile(folder + QString::number(i) + u".ico"_qs, "icon-" + captions[i].toLatin1());
        return writeCategoryFile(folder + u"set.lbc"_qs, captions);
    }

private Q_SLOTS:
    void readsCaptionsIconsAndDefaults() {
        QTemporaryDir dir;
        const QString f = folder(dir, u"a"_qs);
        const QString file = writeSet(f, {u"Games"_qs, u"Tools"_qs, u"Demos"_qs});
        {
            common::IniFile ini(file);
            ini.deleteKey(u"1", u"caption");
            ini.deleteKey(u"1", u"icon_number");
            ini.writeInteger(u"2", u"icon_number", 0);
            ini.save();
        }
        const categoryfile::Contents c = categoryfile::read(file);
        QVERIFY(c.missingIcon.isEmpty());
        QCOMPARE(c.icons, (QStringList{f + u"0.ico"_qs, f + u"1.ico"_qs, f + u"2.ico"_qs}));
        QCOMPARE(captionsOf(c), (QStringList{u"Games"_qs, u"Fehler"_qs, u"Demos"_qs}));
        QCOMPARE(c.categories[1].iconNumber, 0);
        QCOMPARE(c.categories[2].iconSource, f + u"0.ico"_qs);
    }

    void damagedFilesReadWithoutCategories() {
        QTemporaryDir dir;
        const QString f = folder(dir, u"d"_qs);
        // No count at all, binary garbage and a missing file: empty lists.
        writeFile(f + u"nocount.lbc"_qs, "[0]\r\ncaption=Games\r\nicon_number=0\r\n");
        QVERIFY(categoryfile::read(f + u"nocount.lbc"_qs).categories.isEmpty());
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage += char((i * 7919) & 0xFF);
        writeFile(f + u"garbage.lbc"_qs, garbage);
        QVERIFY(categoryfile::read(f + u"garbage.lbc"_qs).categories.isEmpty());
        QVERIFY(categoryfile::read(f + u"missing.lbc"_qs).categories.isEmpty());

        // An absurd count is clamped, and the icons it asks for do not exist: loading stops
        // at the first missing icon, naming it, before any caption is read.
        writeFile(f + u"0.ico"_qs, "icon");
        writeFile(f + u"absurd.lbc"_qs, "[general]\r\nanz_items=100000\r\n[0]\r\ncaption=Games\r\n");
        const categoryfile::Contents absurd = categoryfile::read(f + u"absurd.lbc"_qs);
        QCOMPARE(absurd.missingIcon, f + u"1.ico"_qs);
        QCOMPARE(absurd.icons.size(), 1);
        QVERIFY(absurd.categories.isEmpty());
        // A negative count is no categories, not 255 of them.
        writeFile(f + u"negative.lbc"_qs, "[general]\r\nanz_items=-1\r\n");
        const categoryfile::Contents negative = categoryfile::read(f + u"negative.lbc"_qs);
        QVERIFY(negative.missingIcon.isEmpty());
        QVERIFY(negative.categories.isEmpty());
    }

    void shorterSaveLeavesOldSectionsButReadsShort() {
        QTemporaryDir dir;
        const QString f = folder(dir, u"s"_qs);
        const QString file = writeSet(f, {u"A"_qs, u"B"_qs, u"C"_qs, u"D"_qs, u"E"_qs});
        QVERIFY(categoryfile::write(
            file, {{u"X"_qs, f + u"4.ico"_qs}, {u"Y"_qs, f + u"3.ico"_qs}, {u"Z"_qs, f + u"0.ico"_qs}}));
        const common::IniFile ini(file);
        QCOMPARE(ini.readInteger(u"general", u"anz_items", 0), 3);
        QCOMPARE(ini.readString(u"4", u"caption"), QStringLiteral("E"));
        QCOMPARE(ini.readInteger(u"1", u"icon_number", -1), 1);
        QCOMPARE(readBytes(f + u"4.ico"_qs), QByteArray("icon-E"));
        QCOMPARE(readBytes(f + u"0.ico"_qs), QByteArray("icon-E"));
        QCOMPARE(readBytes(f + u"1.ico"_qs), QByteArray("icon-D"));
        QCOMPARE(readBytes(f + u"2.ico"_qs), QByteArray("icon-A"));
        QCOMPARE(captionsOf(categoryfile::read(file)), (QStringList{u"X"_qs, u"Y"_qs, u"Z"_qs}));
        QVERIFY(QDir(f).entryList({u"*.tmp"_qs}, QDir::Files | QDir::Hidden).isEmpty());
    }

    void iconCopyKeepsEveryIconWithItsCategory() {
        QTemporaryDir dir;
        const QString f = folder(dir, u"swap"_qs);
        writeSet(f, {u"A"_qs, u"B"_qs, u"C"_qs});
        // A rotation: no order of one-step copies could do it without losing an icon.
        categoryfile::copyIcons(f, {f + u"2.ico"_qs, f + u"0.ico"_qs, f + u"1.ico"_qs});
        QCOMPARE(readBytes(f + u"0.ico"_qs), QByteArray("icon-C"));
        QCOMPARE(readBytes(f + u"1.ico"_qs), QByteArray("icon-A"));
        QCOMPARE(readBytes(f + u"2.ico"_qs), QByteArray("icon-B"));

        // A missing source leaves the old icon of its place, also when an interrupted save left a
        // temporary file of that number behind.
        writeFile(f + u"1.tmp"_qs, "stale");
        categoryfile::copyIcons(f, {f + u"0.ico"_qs, f + u"gone.ico"_qs});
        QCOMPARE(readBytes(f + u"1.ico"_qs), QByteArray("icon-A"));
        QVERIFY(!QFile::exists(f + u"1.tmp"_qs));
    }

    void aCategoryWithoutIconIsNeverWritten() {
        QTemporaryDir dir;
        const QString f = folder(dir, u"new"_qs);
        const QString file = writeSet(f, {u"A"_qs, u"B"_qs});
        const QByteArray before = readBytes(file);
        // The new third category's icon is gone: writing it would leave a file that cannot be read.
        QString failed;
        QVERIFY(!categoryfile::write(
            file,
            {{u"A"_qs, f + u"0.ico"_qs}, {u"B"_qs, f + u"1.ico"_qs}, {u"C"_qs, dir.filePath(u"gone.ico"_qs)}},
            &failed));
        QCOMPARE(failed, dir.filePath(u"gone.ico"_qs));
        QCOMPARE(readBytes(file), before);
        QCOMPARE(captionsOf(categoryfile::read(file)), (QStringList{u"A"_qs, u"B"_qs}));
        // A missing source at a place that keeps its old icon is still written.
        QVERIFY(categoryfile::write(file,
                                    {{u"A2"_qs, f + u"0.ico"_qs}, {u"B2"_qs, dir.filePath(u"gone.ico"_qs)}}));
        QCOMPARE(captionsOf(categoryfile::read(file)), (QStringList{u"A2"_qs, u"B2"_qs}));
    }

    void newFilesGetAFolderOfTheirOwn() {
        QTemporaryDir dir;
        const QString sets = folder(dir, u"Sets"_qs);
        const QString target = environmentfiles::fileInOwnFolder(sets + u"Games.lbc"_qs);
        QCOMPARE(target, sets + u"Games"_qs + QDir::separator() + u"Games.lbc"_qs);
        QVERIFY(QFileInfo(sets + u"Games"_qs).isDir());
        QCOMPARE(environmentfiles::fileInOwnFolder(sets + u"Games.lbc"_qs),
                 target); // folder exists: no error

        const QString existing = writeFile(sets + u"Old.lbc"_qs);
        QCOMPARE(environmentfiles::fileInOwnFolder(existing), QDir::toNativeSeparators(existing));
        QVERIFY(!QFileInfo(sets + u"Old"_qs).exists());

        QCOMPARE(environmentfiles::withDefaultSuffix(sets + u"Tools"_qs, u"lbc"_qs), sets + u"Tools.lbc"_qs);
        QCOMPARE(environmentfiles::withDefaultSuffix(sets + u"Tools.LBC"_qs, u"lbc"_qs),
                 sets + u"Tools.LBC"_qs);
    }

    void standardFileIsRecognisedByItsPlace() {
        QTemporaryDir dir;
        const QString program = folder(dir, u"program"_qs);
        const QString standard = writeCategoryFile(program + u"Files/Standard.lbc"_qs, {u"A"_qs});
        QCOMPARE(categoryfile::standardFile(program), QDir::toNativeSeparators(standard));
        QVERIFY(categoryfile::isStandardFile(standard, program));
        QVERIFY(categoryfile::isStandardFile(program + u"Files/../Files/Standard.lbc"_qs, program));
        const QString copy = writeCategoryFile(program + u"genre/Standard.lbc"_qs, {u"A"_qs});
        QVERIFY(!categoryfile::isStandardFile(copy, program));
    }

    void iconPacksAreListedByTheirFiles() {
        QTemporaryDir dir;
        const QString program = folder(dir, u"program"_qs);
        const QString ip = iconpacks::folder(program);
        QVERIFY(iconpacks::installed(ip).isEmpty()); // no ip folder at all

        writeFile(program + u"ip/ip07.cfg"_qs, "[general]\r\nanz_icons=300\r\n");
        writeFile(program + u"ip/ip01.cfg"_qs, "[general]\r\nanz_icons=24\r\n");
        writeFile(program + u"ip/ip100.cfg"_qs, "[general]\r\nanz_icons=1\r\n");
        QDir().mkpath(program + u"ip/ip02"_qs); // icons without a pack file make no pack
        const QList<int> packs = iconpacks::installed(ip);
        QCOMPARE(packs, (QList<int>{1, 7}));
        QCOMPARE(iconpacks::entryText(7), QStringLiteral("Icon Pack 07"));
        QCOMPARE(iconpacks::packOfEntry(u"Icon Pack 07"_qs), 7);
        QCOMPARE(iconpacks::packOfEntry(u"Icon Pack"_qs), 0);
        QCOMPARE(iconpacks::iconCount(ip, 1), 24);
        QCOMPARE(iconpacks::iconCount(ip, 7), 300 & 0xFF);
        QCOMPARE(iconpacks::iconCount(ip, 5), 0);

        const QString sep = QDir::separator();
        QCOMPARE(iconpacks::iconFile(ip, 3, 9), ip + u"ip03"_qs + sep + u"ip03i09.ico"_qs);
        QCOMPARE(iconpacks::iconFile(ip, 3, 10), ip + u"ip03"_qs + sep + u"ip03i10.ico"_qs);
        QCOMPARE(iconpacks::iconNumber(100), QStringLiteral("100"));
    }
};

QTEST_GUILESS_MAIN(TestCategoryFile)
#include "tst_categoryfile.moc"
