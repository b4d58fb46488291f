// The category list the category editor works on: its commands and their refusals, what a list
// view sees of it, and its round trip through a category file and the numbered icons.
#include "common/IniFile.h"
#include "editor/project/CategoryList.h"
#include "tests/editor/EditorTestSupport.h"

#include <QIcon>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
using Refusal = CategoryList::Refusal;

namespace {

// A real icon of one colour, so that the list has a picture to show.
QString writeIcon(const QString& path, const QColor& colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(CategoryList::kIconEdge, CategoryList::kIconEdge, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(path, "ICO");
    return path;
}

} // namespace

class TestCategoryList : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString folder(const QString& name) const {
        return QDir::toNativeSeparators(m_dir.filePath(name)) + QDir::separator();
    }
    // A category file with one icon of its own colour per category.
    QString writeSet(const QString& folder, const QStringList& captions) const {
        for (int i = 0; i < captions.size(); ++i)
            writeIcon(folder + QString::number(i) + u".ico"_qs, QColor::fromHsv(i * 50, 255, 255));
        return QDir::toNativeSeparators(writeCategoryFile(folder + u"set.lbc"_qs, captions));
    }

private Q_SLOTS:
    void commandsRefuseWhatTheyCannotDo() {
        CategoryList list;
        QCOMPARE(list.remove(-1), Refusal::NoCategories);
        QCOMPARE(list.moveUp(0), Refusal::NoCategories);
        QCOMPARE(list.moveDown(0), Refusal::NoCategories);
        QCOMPARE(list.rename(0, u"X"_qs), Refusal::NoCategories);
        QCOMPARE(list.add(u"  "_qs, {}), Refusal::EmptyCaption);
        QVERIFY(!list.isModified());

        const QString f = folder(u"refusals"_qs);
        QVERIFY(list.load(writeSet(f, {u"A"_qs, u"B"_qs, u"C"_qs})).isEmpty());
        for (const int none : {-1, 3}) {
            QCOMPARE(list.remove(none), Refusal::NoneSelected);
            QCOMPARE(list.moveUp(none), Refusal::NoneSelected);
            QCOMPARE(list.moveDown(none), Refusal::NoneSelected);
        }
        QCOMPARE(list.moveUp(0), Refusal::AlreadyFirst);
        QCOMPARE(list.moveDown(2), Refusal::AlreadyLast);
        QCOMPARE(list.rename(1, u" \t "_qs), Refusal::EmptyCaption);
        QCOMPARE(list.captions(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
        QVERIFY(!list.isModified());
    }

    void categoriesMoveWithTheirPicturesAndIcons() {
        const QString f = folder(u"moves"_qs);
        CategoryList list;
        QVERIFY(list.load(writeSet(f, {u"A"_qs, u"B"_qs, u"C"_qs})).isEmpty());
        QCOMPARE(list.pictureCount(), 3);

        QCOMPARE(list.moveDown(0), Refusal::None);
        QCOMPARE(list.captions(), (QStringList{u"B"_qs, u"A"_qs, u"C"_qs}));
        QCOMPARE(list.iconSources(), (QStringList{f + u"1.ico"_qs, f + u"0.ico"_qs, f + u"2.ico"_qs}));
        QCOMPARE(list.at(0).picture, 1);
        QCOMPARE(list.at(1).picture, 0);
        QVERIFY(list.isModified());
        QCOMPARE(list.moveUp(2), Refusal::None);
        QCOMPARE(list.captions(), (QStringList{u"B"_qs, u"C"_qs, u"A"_qs}));
        QCOMPARE(list.remove(0), Refusal::None);
        QCOMPARE(list.captions(), (QStringList{u"C"_qs, u"A"_qs}));
        QCOMPARE(list.iconSources(), (QStringList{f + u"2.ico"_qs, f + u"0.ico"_qs}));

        // A new or changed icon gets a picture of its own; the old pictures stay for the others.
        const QString packIcon = writeIcon(folder(u"pack"_qs) + u"p1.ico"_qs, Qt::darkGreen);
        QCOMPARE(list.add(u"  New  "_qs, packIcon), Refusal::None);
        QCOMPARE(list.at(2).caption, u"New"_qs);
        QCOMPARE(list.at(2).picture, 3);
        list.changeIcon(0, packIcon);
        QCOMPARE(list.at(0).picture, 4);
        QCOMPARE(list.at(0).iconSource, packIcon);
        QCOMPARE(list.pictureCount(), 5);
        QCOMPARE(list.rename(1, u" Renamed "_qs), Refusal::None);
        QCOMPARE(list.captions(), (QStringList{u"C"_qs, u"Renamed"_qs, u"New"_qs}));

        // Loading again starts from the file: its categories, its pictures, unchanged.
        QVERIFY(list.load(f + u"set.lbc"_qs).isEmpty());
        QCOMPARE(list.captions(), (QStringList{u"A"_qs, u"B"_qs, u"C"_qs}));
        QCOMPARE(list.pictureCount(), 3);
        QVERIFY(!list.isModified());
        list.startNew();
        QCOMPARE(list.count(), 0);
        QCOMPARE(list.pictureCount(), 0);
        QVERIFY(list.isModified());
    }

    // What a list view shows and edits: the caption, the picture (none for a number the file
    // lacks), and an edit that goes through renaming.
    void aViewSeesCaptionsPicturesAndEdits() {
        const QString f = folder(u"view"_qs);
        const QString file = writeSet(f, {u"A"_qs, u"B"_qs});
        common::IniFile ini(file);
        ini.writeInteger(u"1", u"icon_number", 40);
        QVERIFY(ini.save());
        CategoryList list;
        QVERIFY(list.load(file).isEmpty());
        QCOMPARE(list.rowCount(), 2);
        QCOMPARE(list.rowCount(list.index(0)), 0);
        QCOMPARE(list.data(list.index(0)).toString(), u"A"_qs);
        QVERIFY(!list.data(list.index(0), Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(list.at(1).picture, 40);
        QVERIFY(list.data(list.index(1), Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(list.flags(list.index(0)).testFlag(Qt::ItemIsEditable));

        QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
        QVERIFY(!list.setData(list.index(1), u"   "_qs));
        QCOMPARE(list.data(list.index(1)).toString(), u"B"_qs);
        QVERIFY(list.setData(list.index(1), u" Tools "_qs));
        QCOMPARE(list.data(list.index(1), Qt::EditRole).toString(), u"Tools"_qs);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(list.moveUp(1), Refusal::None);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.last().at(0).value<QModelIndex>().row(), 0);
        QCOMPARE(changed.last().at(1).value<QModelIndex>().row(), 1);

        QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
        QCOMPARE(list.add(u"C"_qs, f + u"0.ico"_qs), Refusal::None);
        QCOMPARE(list.remove(0), Refusal::None);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(removed.size(), 1);
    }

    // The file a new list writes, to the byte; saved, the icons lie beside it under their new numbers
    // and a second save copies them from there, not from where they came.
    void writesTheFileAndTakesItsIconsFromThere() {
        const QString pack = folder(u"pack"_qs);
        const QString red = writeIcon(pack + u"red.ico"_qs, Qt::red);
        const QString blue = writeIcon(pack + u"blue.ico"_qs, Qt::blue);
        CategoryList list;
        list.startNew();
        QCOMPARE(list.add(u"Games"_qs, red), Refusal::None);
        QCOMPARE(list.add(u"Tools"_qs, blue), Refusal::None);
        const QString f = folder(u"Mine"_qs);
        QDir().mkpath(f);
        const QString file = f + u"Mine.lbc"_qs;
        QVERIFY(list.write(file));
        QCOMPARE(readBytes(file), QByteArray("[general]\r\nanz_items=2\r\n"
                                             "[0]\r\ncaption=Games\r\nicon_number=0\r\n"
                                             "[1]\r\ncaption=Tools\r\nicon_number=1\r\n"));
        QCOMPARE(readBytes(f + u"0.ico"_qs), readBytes(red));
        QCOMPARE(readBytes(f + u"1.ico"_qs), readBytes(blue));
        QCOMPARE(list.iconSources(), (QStringList{f + u"0.ico"_qs, f + u"1.ico"_qs}));
        QVERIFY(!list.isModified());

        QCOMPARE(list.moveDown(0), Refusal::None);
        QVERIFY(list.write(file));
        QVERIFY(list.write(file));
        QCOMPARE(readBytes(f + u"0.ico"_qs), readBytes(blue));
        QCOMPARE(readBytes(f + u"1.ico"_qs), readBytes(red));
        CategoryList again;
        QVERIFY(again.load(file).isEmpty());
        QCOMPARE(again.captions(), (QStringList{u"Tools"_qs, u"Games"_qs}));

        // A category whose icon is gone is not written, and the list stays unsaved.
        QCOMPARE(list.add(u"Lost"_qs, pack + u"gone.ico"_qs), Refusal::None);
        QString failed;
        QVERIFY(!list.write(file, &failed));
        QCOMPARE(failed, pack + u"gone.ico"_qs);
        QVERIFY(list.isModified());
        QCOMPARE(list.iconSources().last(), pack + u"gone.ico"_qs);
        QCOMPARE(again.load(file), QString());
        QCOMPARE(again.count(), 2);
    }

    void loadingShowsCaptionsAndStopsAtAMissingIcon() {
        const QString f = folder(u"load"_qs);
        const QString file = writeSet(f, {u"Games"_qs, u"Tools"_qs, u"Demos"_qs});
        CategoryList list;
        QVERIFY(list.load(file, [](const QString& caption) { return caption.toUpper(); }).isEmpty());
        QCOMPARE(list.captions(), (QStringList{u"GAMES"_qs, u"TOOLS"_qs, u"DEMOS"_qs}));

        QFile::remove(f + u"1.ico"_qs);
        QCOMPARE(list.rename(0, u"Changed"_qs), Refusal::None);
        QCOMPARE(list.load(file), f + u"1.ico"_qs);
        QCOMPARE(list.count(), 0);
        QVERIFY(list.isModified()); // nothing was loaded in place of the changes
        QVERIFY(list.load(f + u"missing.lbc"_qs).isEmpty());
        QCOMPARE(list.count(), 0);
    }

    void addStopsAtTheLargestCountTheFileCanHold() {
        const QString f = folder(u"full"_qs);
        QStringList captions;
        for (int i = 0; i < 255; ++i) {
            captions << u"C%1"_qs.arg(i);
            writeFile(f + QString::number(i) + u".ico"_qs);
        }
        CategoryList list;
        QVERIFY(list.load(writeCategoryFile(f + u"full.lbc"_qs, captions)).isEmpty());
        QCOMPARE(list.count(), 255);
        QVERIFY(!list.canAdd());
        QCOMPARE(list.add(u"One more"_qs, f + u"0.ico"_qs), Refusal::Full);
        QCOMPARE(list.count(), 255);
        QCOMPARE(list.remove(0), Refusal::None);
        QVERIFY(list.canAdd());
    }
};

QTEST_MAIN(TestCategoryList)
#include "tst_categorylist.moc"
