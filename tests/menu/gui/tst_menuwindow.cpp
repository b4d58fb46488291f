// The menu window on disc folders written by the tests, driven as the viewer drives it.
#include "menu/gui/HomePages.h"
#include "menu/gui/MenuWindow.h"
#include "menu/gui/PictureWindow.h"
#include "tests/menu/DiscFixture.h"
#include "tests/menu/HostileFiles.h"
#include "tests/menu/MenuDriver.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/SideBarMenu.h"

#include <QDialog>
#include <QLabel>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using menudriver::chooseCategory;
using menudriver::chooseItem;
using ui::EffectLabel;
using ui::FillList;
using ui::ShadowButton;
using ui::testing::control;
using ui::testing::FakeServices;
using ui::testing::press;

namespace {

const QStringList kDetailValues{QStringLiteral("filename"), QStringLiteral("serial"),
                                QStringLiteral("sizep"),    QStringLiteral("sizeup"),
                                QStringLiteral("desc"),     QStringLiteral("hpurl")};

// A disc with one category "Tools" holding a zip archive, a program and a hyperlink, all below the
// project folder, which is the disc folder itself.
void writeToolsDisc(DiscFixture& disc, int language = 0) {
    disc.set(QStringLiteral("members.cfg"), QStringLiteral("general"), QStringLiteral("cdname"),
             QStringLiteral("Issue 5"));
    disc.set(QStringLiteral("members.cfg"), QStringLiteral("general"), QStringLiteral("rootname"),
             QDir::toNativeSeparators(disc.root()));
    disc.addCategory(QStringLiteral("Tools"));
    disc.addItem(0, QStringLiteral("Archive"),
                 {{QStringLiteral("pfad"), QStringLiteral("\\tools\\setup.ZIP")},
                  {QStringLiteral("copy"), QStringLiteral("1")},
                  {QStringLiteral("execute"), QStringLiteral("1")},
                  {QStringLiteral("serial"), QStringLiteral("AB-12")},
                  {QStringLiteral("url"), QStringLiteral("www.example.org")}},
                 1);
    disc.addItem(0, QStringLiteral("Program"),
                 {{QStringLiteral("pfad"), QStringLiteral("\\tools\\run.exe")},
                  {QStringLiteral("copy"), QStringLiteral("0")},
                  {QStringLiteral("execute"), QStringLiteral("1")}});
    disc.addItem(0, QStringLiteral("a/b:c"),
                 {{QStringLiteral("pfad"), QStringLiteral("http://example.org/")}}, 4);
    QDir(disc.root()).mkpath(QStringLiteral("tools"));
    QFile(disc.root() + QStringLiteral("tools/setup.txt")).open(QIODevice::WriteOnly);
    const QString lang = QStringLiteral("language.zol");
    disc.set(lang, QStringLiteral("Language"), QStringLiteral("Language"), QString::number(language));
    disc.set(lang, QStringLiteral("Heading"), QStringLiteral("2"), QStringLiteral("files"));
    disc.set(lang, QStringLiteral("Heading"), QStringLiteral("3"), QStringLiteral("detail"));
    disc.set(lang, QStringLiteral("Heading"), QStringLiteral("3_2"), QStringLiteral("pic"));
    disc.set(lang, QStringLiteral("Buttons"), QStringLiteral("7"), QStringLiteral("Kopieren"));
    disc.set(lang, QStringLiteral("Hints"), QStringLiteral("7"), QStringLiteral("kopiert die Datei"));
    disc.set(lang, QStringLiteral("Hints"), QStringLiteral("26"), QStringLiteral("show"));
    disc.set(lang, QStringLiteral("Hints"), QStringLiteral("27"), QStringLiteral("hide"));
    disc.save();
}

// A copy of the folder `from` at `to`, links and all, as a viewer copies a disc.
void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString copy = to + u'/' + QDir(from).relativeFilePath(path);
        if (it.fileInfo().isDir())
            QDir().mkpath(copy);
        else
            QFile::copy(path, copy);
    }
}

// What Qt shows for a tool tip: rich text when it looks like markup, the text itself otherwise.
QString shownToolTip(const QString& toolTip) {
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    QTextDocument document;
    document.setHtml(toolTip);
    return document.toPlainText();
}

} // namespace

class TestMenuWindow : public QObject {
    Q_OBJECT

private:
    FakeServices m_fakes;

    std::unique_ptr<MenuWindow> open(const DiscFixture& disc) {
        m_fakes = {};
        auto form = std::make_unique<MenuWindow>(m_fakes.services(), disc.folders());
        form->show();
        return form;
    }
    template <typename T> static T* child(const QWidget& window, const QString& name) {
        T* w = ui::testing::control<T>(window, name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    static EffectLabel* label(const QWidget& f, const QString& name) { return child<EffectLabel>(f, name); }
    static ShadowButton* button(const QWidget& f, const QString& name) {
        return child<ShadowButton>(f, name);
    }

private Q_SLOTS:
    void windowShowsTheDisc() {
        DiscFixture disc;
        writeToolsDisc(disc);
        auto f = open(disc);
        QCOMPARE(f->windowTitle(), QStringLiteral("Tavik - Lumbrel - Issue 5"));
        QCOMPARE(f->size(), QSize(632, 413));
        QVERIFY(!(f->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(
            label(*child<QDialog>(*f, QStringLiteral("TAboutBox")), QStringLiteral("ProductName"))->text(),
            QStringLiteral("Tavik - Lumbrel Issue 5"));
        QCOMPARE(child<FillList>(*f, QStringLiteral("genre"))->count(), 1);
        QCOMPARE(button(*f, QStringLiteral("copybtn"))->text(), QStringLiteral("Kopieren"));
        QCOMPARE(button(*f, QStringLiteral("copybtn"))->toolTip(), QStringLiteral("kopiert die Datei"));
        // Keys missing from the language file leave captions and tooltips empty.
        QCOMPARE(button(*f, QStringLiteral("ende"))->text(), QString());
        QCOMPARE(button(*f, QStringLiteral("hidedetail"))->toolTip(), QStringLiteral("hide"));
        for (const char16_t* name : {u"copybtn", u"ausf", u"zip", u"nfo", u"info"})
            QVERIFY(!button(*f, QString::fromUtf16(name))->isEnabled());

        chooseCategory(*f, 0);
        const auto* members = child<FillList>(*f, QStringLiteral("members"));
        QCOMPARE(members->count(), 3);
        QCOMPARE(members->item(1)->text(), QStringLiteral("Program"));
        QCOMPARE(label(*f, QStringLiteral("membershead"))->text(), QStringLiteral("files in Tools"));
        QCOMPARE(f->state().currentCategory, 0);

        chooseItem(*f, 0);
        const QString target = QDir::toNativeSeparators(disc.root() + QStringLiteral("tools/setup.ZIP"));
        QCOMPARE(label(*f, QStringLiteral("filename"))->text(), target);
        QCOMPARE(f->state().currentTarget, target);
        QCOMPARE(label(*f, QStringLiteral("serial"))->text(), QStringLiteral("AB-12"));
        QCOMPARE(label(*f, QStringLiteral("desc"))->text(), QStringLiteral("n/a"));
        QVERIFY(label(*f, QStringLiteral("hpurl"))->isLink());
        // setup.ZIP: unzip and scan; its information text lies beside it.
        for (const char16_t* name : {u"copybtn", u"ausf", u"zip", u"nfo", u"info"})
            QVERIFY2(button(*f, QString::fromUtf16(name))->isEnabled(), qPrintable(QString::fromUtf16(name)));

        chooseItem(*f, 1);
        QVERIFY(!button(*f, QStringLiteral("copybtn"))->isEnabled());
        QVERIFY(button(*f, QStringLiteral("ausf"))->isEnabled());
        QVERIFY(!button(*f, QStringLiteral("zip"))->isEnabled());
        QVERIFY(!button(*f, QStringLiteral("nfo"))->isEnabled());
        QVERIFY(!button(*f, QStringLiteral("info"))->isEnabled());
        QCOMPARE(label(*f, QStringLiteral("hpurl"))->text(), QStringLiteral("n/a"));
        QVERIFY(!label(*f, QStringLiteral("hpurl"))->isLink());
    }

    void categoryChoiceClearsTheDetails_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("placeholder");
        QTest::newRow("English") << 0 << QStringLiteral("n/a");
        QTest::newRow("German") << 1 << QStringLiteral("n/v");
    }
    void categoryChoiceClearsTheDetails() {
        QFETCH(int, language);
        QFETCH(QString, placeholder);
        DiscFixture disc;
        writeToolsDisc(disc, language);
        auto f = open(disc);
        chooseCategory(*f, 0);
        chooseItem(*f, 0);
        chooseCategory(*f, 0);
        QVERIFY(!button(*f, QStringLiteral("copybtn"))->isEnabled());
        QVERIFY(!button(*f, QStringLiteral("ausf"))->isEnabled());
        QVERIFY(!button(*f, QStringLiteral("zip"))->isEnabled());
        QVERIFY(button(*f, QStringLiteral("nfo"))->isEnabled());
        QVERIFY(button(*f, QStringLiteral("info"))->isEnabled());
        for (const QString& name : kDetailValues)
            QCOMPARE(label(*f, name)->text(), placeholder);
        QVERIFY(!label(*f, QStringLiteral("hpurl"))->isLink());
        QCOMPARE(f->state().currentTarget, QString());
        QCOMPARE(label(*f, QStringLiteral("detailhead"))->text(), QStringLiteral("detail"));
    }

    void germanTexts() {
        DiscFixture disc;
        writeToolsDisc(disc, 1);
        auto f = open(disc);
        auto* aboutMenu = child<ui::SideBarMenu>(*f, QStringLiteral("aboutmenu"));
        QCOMPARE(aboutMenu->sideBarText(), QStringLiteral("Optionen"));
        QCOMPARE(child<QAction>(*aboutMenu, QStringLiteral("TavikHomebase1"))->text(),
                 QStringLiteral("Tavik Homepage"));
        QCOMPARE(
            child<QAction>(*child<QWidget>(*f, QStringLiteral("zipmenu")), QStringLiteral("Zipfornfofile1"))
                ->text(),
            QStringLiteral("Zip nach einer NFO Datei"));
        QCOMPARE(label(*f, QStringLiteral("sizep"))->x() - label(*f, QStringLiteral("sizeplabel"))->x(),
                 72 + 14);
        chooseCategory(*f, 0);
        chooseItem(*f, 1);
        QCOMPARE(label(*f, QStringLiteral("detailhead"))->text(), QStringLiteral("detail zu Program"));
    }

    void longHeadingsAreCutAfter38Characters() {
        DiscFixture disc;
        writeToolsDisc(disc);
        disc.addItem(0, QString(28, u'a'), {}); // "detail of " + 28 = 38
        disc.addItem(0, QString(29, u'b'), {}); // 39
        disc.addItem(0, QString(34, u'c'), {}); // picture heading: 34 + " pic" = 38
        disc.addItem(0, QString(35, u'd'), {}); // 39
        disc.save();
        auto f = open(disc);
        chooseCategory(*f, 0);
        EffectLabel* details = label(*f, QStringLiteral("detailhead"));
        EffectLabel* picture = label(*f, QStringLiteral("thumbhead"));

        chooseItem(*f, 3);
        QCOMPARE(details->text(), QStringLiteral("detail of ") + QString(28, u'a'));
        QCOMPARE(details->toolTip(), QString());
        chooseItem(*f, 4);
        const QString whole = QStringLiteral("detail of ") + QString(29, u'b');
        QCOMPARE(details->text(), whole.left(38) + QStringLiteral(" ..."));
        QCOMPARE(details->toolTip(), whole);

        chooseItem(*f, 5);
        QCOMPARE(picture->text(), QString(34, u'c') + QStringLiteral(" pic"));
        QCOMPARE(picture->toolTip(), QString());
        QVERIFY(!details->toolTip().isEmpty());
        chooseItem(*f, 6);
        QCOMPARE(picture->text(),
                 (QString(35, u'd') + QStringLiteral(" pic")).left(38) + QStringLiteral(" ..."));
        QCOMPARE(picture->toolTip(), QString(35, u'd') + QStringLiteral(" pic"));
        // Back to a short one: the tooltip goes.
        chooseItem(*f, 1);
        QCOMPARE(details->toolTip(), QString());
        QCOMPARE(picture->toolTip(), QString());
    }

    void informationTextOfAHyperlinkLiesInTheItemDataFolder() {
        DiscFixture disc;
        writeToolsDisc(disc);
        auto f = open(disc);
        chooseCategory(*f, 0);
        chooseItem(*f, 2);
        QCOMPARE(label(*f, QStringLiteral("filename"))->text(), QStringLiteral("http://example.org/"));
        QVERIFY(!button(*f, QStringLiteral("info"))->isEnabled());

        QDir(disc.root()).mkpath(QStringLiteral("tavikdat"));
        QFile(disc.root() + QStringLiteral("tavikdat/a_b_c.txt")).open(QIODevice::WriteOnly);
        auto g = open(disc);
        chooseCategory(*g, 0);
        chooseItem(*g, 2);
        QVERIFY(button(*g, QStringLiteral("info"))->isEnabled());
    }

    void readOnlyExecutableResolvesToTheDiscRoot() {
        DiscFixture disc;
        writeToolsDisc(disc);
        QFile::setPermissions(disc.root() + QStringLiteral("tiv.exe"), QFile::ReadOwner | QFile::ExeOwner);
        auto f = open(disc);
        QCOMPARE(f->state().projectRootRest, QString());
        chooseCategory(*f, 0);
        chooseItem(*f, 1);
        QCOMPARE(label(*f, QStringLiteral("filename"))->text(),
                 disc.folders().drivePrefix + QDir::toNativeSeparators(QStringLiteral("tools/run.exe")));
    }

    void hidingAndShowingTheDetails() {
        DiscFixture disc;
        writeToolsDisc(disc);
        auto f = open(disc);
        chooseCategory(*f, 0);
        auto* members = child<FillList>(*f, QStringLiteral("members"));
        auto* frame = child<QWidget>(*f, QStringLiteral("membersframe"));
        ShadowButton* arrow = button(*f, QStringLiteral("hidedetail"));
        QCOMPARE(members->width(), 247);
        QCOMPARE(frame->width(), 252);

        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        QVERIFY(!f->state().detailsShown);
        QCOMPARE(members->width(), 612);
        QCOMPARE(frame->width(), 618);
        QCOMPARE(members->viewMode(), QListView::IconMode);
        QCOMPARE(members->iconSize(), QSize(22, 22));
        QCOMPARE(arrow->arrow(), ShadowButton::Arrow::Left);
        QCOMPARE(arrow->toolTip(), QStringLiteral("show"));
        for (const QString& name :
             kDetailValues + QStringList{QStringLiteral("detailhead"), QStringLiteral("seriallabel")})
            QVERIFY2(label(*f, name)->isHidden(), qPrintable(name));

        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        QVERIFY(f->state().detailsShown);
        QCOMPARE(members->width(), 247);
        QCOMPARE(frame->width(), 252);
        QCOMPARE(members->viewMode(), QListView::ListMode);
        QCOMPARE(members->iconSize(), QSize(16, 16));
        QCOMPARE(arrow->arrow(), ShadowButton::Arrow::Right);
        QCOMPARE(arrow->toolTip(), QStringLiteral("hide"));
        QVERIFY(!label(*f, QStringLiteral("filename"))->isHidden());
        QCOMPARE(members->count(), 3);
    }

    void soundsPlayOnlyWhenConfigured() {
        DiscFixture disc;
        writeToolsDisc(disc);
        auto f = open(disc);
        chooseCategory(*f, 0);
        chooseItem(*f, 0);
        QTest::keyClick(&menudriver::items(*f), Qt::Key_Down);
        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        QVERIFY(menudriver::copySerial(*f));
        QVERIFY(press(*f, QStringLiteral("ende")));
        QVERIFY(m_fakes.sound.played.isEmpty());

        DiscFixture loud;
        writeToolsDisc(loud);
        for (int n = 1; n <= 5; ++n)
            loud.set(QStringLiteral("design.cfg"), QStringLiteral("Sound"), QStringLiteral("sound%1").arg(n),
                     QStringLiteral("C:\\s%1.wav").arg(n));
        loud.save();
        for (int n = 1; n <= 3; ++n) // the fourth and fifth wave files are missing: silent
            loud.writeRaw(QStringLiteral("sound%1.WAV").arg(n), "RIFF");
        auto g = open(loud);
        const QStringList& played = m_fakes.sound.played;
        QCOMPARE(played.size(), 1);
        QVERIFY(played[0].endsWith(QStringLiteral("sound1.WAV")));
        chooseCategory(*g, 0);
        QVERIFY(played.last().endsWith(QStringLiteral("sound2.WAV")));
        QTest::keyClick(&menudriver::band(*g), Qt::Key_A); // not a navigation key
        QCOMPARE(played.size(), 2);
        QTest::keyClick(&menudriver::band(*g), Qt::Key_PageDown);
        QCOMPARE(played.size(), 3);
        QVERIFY(press(*g, QStringLiteral("hidedetail")));
        QVERIFY(played.last().endsWith(QStringLiteral("sound3.WAV")));
        const qsizetype before = played.size();
        QVERIFY(press(*g, QStringLiteral("ende")));
        QCOMPARE(played.size(), before + 2);
        QVERIFY(played[before].endsWith(QStringLiteral("sound3.WAV")));
        QVERIFY(played[before + 1].endsWith(QStringLiteral("sound2.WAV")));
        QVERIFY(!g->isVisible());
    }

    void fiveCategoriesGetLargeIconsAndSixSmall() {
        DiscFixture disc;
        for (int n = 0; n < 5; ++n)
            disc.addCategory(QStringLiteral("C%1").arg(n));
        disc.save();
        auto f = open(disc);
        auto* genre = child<FillList>(*f, QStringLiteral("genre"));
        QCOMPARE(genre->count(), 5);
        QCOMPARE(genre->height(), 61);
        QCOMPARE(genre->iconSize(), QSize(32, 32));
        QCOMPARE(genre->viewMode(), QListView::IconMode);
        QVERIFY(!genre->item(4)->icon().isNull());

        disc.addCategory(QStringLiteral("C5"));
        disc.save();
        f = open(disc);
        genre = child<FillList>(*f, QStringLiteral("genre"));
        QCOMPARE(genre->count(), 6);
        QCOMPARE(genre->height(), 58);
        QCOMPARE(genre->iconSize(), QSize(25, 25));
        QCOMPARE(genre->viewMode(), QListView::IconMode);
    }

    void elevenLongCategoriesShowWholeInTheBand() {
        DiscFixture disc;
        const QStringList captions{QStringLiteral("Programs"),
                                   QStringLiteral("Utilities and Tools"),
                                   QStringLiteral("Drivers for Hardware"),
                                   QStringLiteral("Games and Fun"),
                                   QStringLiteral("Office and Text"),
                                   QStringLiteral("Internet and Mail"),
                                   QStringLiteral("Graphics and Photo"),
                                   QStringLiteral("Sound and Video"),
                                   QStringLiteral("Save and Restore"),
                                   QStringLiteral("Help and Manuals"),
                                   QStringLiteral("Fonts and Icons")};
        for (const QString& caption : captions)
            disc.addCategory(caption);
        disc.save();
        auto f = open(disc);
        auto* genre = child<FillList>(*f, QStringLiteral("genre"));
        QCOMPARE(genre->count(), 11);
        QCOMPARE(genre->height(), 58);
        // Every category is in sight, none needs scrolling to.
        const QRect inside = genre->viewport()->rect();
        for (int row = 0; row < genre->count(); ++row)
            QVERIFY2(inside.contains(genre->visualItemRect(genre->item(row))), qPrintable(captions[row]));
        QVERIFY(genre->font().pointSizeF() >= 7);
        // A caption too long for one line takes two, whole, below its icon.
        const QRect cell = genre->visualItemRect(genre->item(1));
        const QFontMetrics metrics(genre->font());
        const QRect captionRoom(0, 0, cell.width() - 6, cell.height() - genre->iconSize().height() - 6);
        QVERIFY(metrics.horizontalAdvance(captions[1]) > captionRoom.width());
        for (const QString& caption : captions) {
            const QRect needed = metrics.boundingRect(captionRoom, Qt::TextWordWrap, caption);
            QVERIFY2(needed.width() <= captionRoom.width() && needed.height() <= captionRoom.height(),
                     qPrintable(caption));
        }

        // More than the band can show: it scrolls sideways instead of cutting the rest off.
        for (int n = 11; n < 24; ++n)
            disc.addCategory(QStringLiteral("More %1").arg(n));
        disc.save();
        f = open(disc);
        genre = child<FillList>(*f, QStringLiteral("genre"));
        QCOMPARE(genre->count(), 24);
        QTRY_VERIFY(genre->horizontalScrollBar()->maximum() > 0);
        genre->scrollToItem(genre->item(23));
        QCOMPARE(genre->itemAt(genre->viewport()->width() - 8, 8), genre->item(23));
    }

    // The standard categories in both languages: the style paints each caption whole into the room
    // it gives the text below the icon, no word cut to an ellipsis.
    void standardCategoriesShowWholeInTheBand_data() {
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("English") << QStringList{
            u"Programs"_qs, u"Games"_qs,    u"Tools"_qs, u"Multimedia"_qs, u"Documents"_qs,
            u"Drivers"_qs,  u"Internet"_qs, u"Demos"_qs, u"Pictures"_qs,   u"Miscellaneous"_qs};
        QTest::newRow("German") << QStringList{
            u"Programme"_qs, u"Spiele"_qs,   u"Werkzeuge"_qs, u"Multimedia"_qs, u"Dokumente"_qs,
            u"Treiber"_qs,   u"Internet"_qs, u"Demos"_qs,     u"Bilder"_qs,     u"Verschiedenes"_qs};
    }
    void standardCategoriesShowWholeInTheBand() {
        QFETCH(QStringList, captions);
        DiscFixture disc;
        for (const QString& caption : captions)
            disc.addCategory(caption);
        disc.save();
        auto f = open(disc);
        auto* genre = child<FillList>(*f, QStringLiteral("genre"));
        QCOMPARE(genre->count(), captions.size());
        struct Probe : QStyledItemDelegate {
            using QStyledItemDelegate::initStyleOption;
        } probe;
        QStyle* style = genre->style();
        const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, genre) + 1;
        for (int row = 0; row < genre->count(); ++row) {
            QStyleOptionViewItem option;
            option.initFrom(genre->viewport());
            option.font = genre->font();
            option.rect = genre->visualItemRect(genre->item(row));
            option.decorationSize = genre->iconSize();
            option.decorationPosition = QStyleOptionViewItem::Top;
            option.displayAlignment = Qt::AlignCenter;
            option.features = QStyleOptionViewItem::WrapText;
            QCOMPARE(genre->item(row)->text(), captions[row]);
            const QString shown = static_cast<QStyledItemDelegate*>(genre->itemDelegate())
                                      ->displayText(captions[row], genre->locale());
            probe.initStyleOption(&option, genre->model()->index(row, 0));
            option.text = shown;
            const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &option, genre)
                                   .adjusted(textMargin, 0, -textMargin, 0);
            const QRect needed = QFontMetrics(genre->font()).boundingRect(room, Qt::TextWordWrap, shown);
            QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3 in %4 x %5")
                                    .arg(captions[row])
                                    .arg(needed.width())
                                    .arg(needed.height())
                                    .arg(room.width())
                                    .arg(room.height())));
        }
    }

    void germanButtonRowsShareOneFittingSize_data() {
        QTest::addColumn<QString>("languageFile");
        QTest::newRow("lowercase") << QStringLiteral("language1.0");
        QTest::newRow("capitalised") << QStringLiteral("language1.1");
    }
    void germanButtonRowsShareOneFittingSize() {
        QFETCH(QString, languageFile);
        DiscFixture disc;
        writeToolsDisc(disc, 1);
        // The shipped German texts in the standard design, whose bold captions are the widest.
        QFile::remove(disc.cfg() + QStringLiteral("language.zol"));
        QVERIFY(QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/") + languageFile,
                            disc.cfg() + QStringLiteral("language.zol")));
        QVERIFY(QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/Standard.lbd"),
                            disc.cfg() + QStringLiteral("design.cfg")));
        auto f = open(disc);
        QCOMPARE(f->state().language.texts.language, 1);
        const QList<QStringList> rows{
            {QStringLiteral("copybtn"), QStringLiteral("ausf"), QStringLiteral("zip"), QStringLiteral("nfo"),
             QStringLiteral("info")},
            {QStringLiteral("printcover"), QStringLiteral("about"), QStringLiteral("ende")}};
        for (const QStringList& row : rows) {
            const qreal size = button(*f, row.first())->font().pointSizeF();
            QVERIFY(size <= 11);
            for (const QString& name : row) {
                const ShadowButton* b = button(*f, name);
                QVERIFY(!b->text().isEmpty());
                QCOMPARE(b->font().pointSizeF(), size);
                QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(b->text()) <= b->captionRoom(),
                         qPrintable(b->text()));
                QVERIFY(b->font().bold());
            }
            // The size is the largest that fits: half a point more cuts one caption at least.
            QFont larger = button(*f, row.first())->font();
            larger.setPointSizeF(size + 0.5);
            if (size < 11)
                QVERIFY(std::any_of(row.begin(), row.end(), [&](const QString& name) {
                    const ShadowButton* b = button(*f, name);
                    return QFontMetrics(larger).horizontalAdvance(b->text()) > b->captionRoom();
                }));
        }
    }

    void missingOrDamagedFilesStillOpenTheWindow() {
        {
            DiscFixture empty;
            QDir(empty.cfg()).removeRecursively();
            auto f = open(empty);
            QCOMPARE(f->windowTitle(), QStringLiteral("Tavik - Lumbrel - "));
            QCOMPARE(child<FillList>(*f, QStringLiteral("genre"))->count(), 0);
            // Without a language file the controls keep their own captions.
            QCOMPARE(button(*f, QStringLiteral("ende"))->text(), QStringLiteral("exit"));
            QCOMPARE(label(*f, QStringLiteral("genrehead"))->text(), QStringLiteral("category"));
            chooseCategory(*f, 0);
            chooseItem(*f, 0);
            QVERIFY(press(*f, QStringLiteral("hidedetail")));
        }
        {
            DiscFixture garbage;
            QByteArray noise;
            for (int i = 0; i < 4096; ++i)
                noise.append(char((i * 7919) & 0xff));
            for (const char16_t* name : {u"genre.cfg", u"members.cfg", u"design.cfg", u"language.zol",
                                         u"0.ico", u"m1.ico", u"back.bmp", u"membersd/m0-0.dat"})
                garbage.writeRaw(QString::fromUtf16(name), noise);
            auto f = open(garbage);
            QVERIFY(f->isVisible());
        }
        {
            // A missing icon costs only that icon; a missing detail file shows "n/a" and offers start.
            DiscFixture disc;
            writeToolsDisc(disc);
            disc.addCategory(QStringLiteral("Games"));
            disc.save();
            QFile::remove(disc.cfg() + QStringLiteral("0.ico"));
            QFile::remove(disc.cfg() + QStringLiteral("membersd/m0-1.dat"));
            auto f = open(disc);
            auto* genre = child<FillList>(*f, QStringLiteral("genre"));
            QCOMPARE(genre->count(), 2);
            QVERIFY(genre->item(0)->icon().isNull());
            QVERIFY(!genre->item(1)->icon().isNull());
            chooseCategory(*f, 0);
            chooseItem(*f, 1);
            QCOMPARE(label(*f, QStringLiteral("serial"))->text(), QStringLiteral("n/a"));
            QVERIFY(label(*f, QStringLiteral("filename"))
                        ->text()
                        .endsWith(QDir::toNativeSeparators(QStringLiteral("n/a"))));
            QVERIFY(button(*f, QStringLiteral("ausf"))->isEnabled());
            QVERIFY(!button(*f, QStringLiteral("copybtn"))->isEnabled());
        }
    }

    void hostileFilesCostLittle() {
        DiscFixture disc;
        writeToolsDisc(disc);
        // members.cfg ends in 4 MiB of empty lines: 275 MB read whole, and read on every click.
        QFile members(disc.cfg() + QStringLiteral("members.cfg"));
        QVERIFY(members.open(QIODevice::Append));
        members.write(lineEnds(4 * 1024 * 1024) + "[0-3]\r\ncaption=beyond the limit\r\n");
        members.close();
        // Every icon lists 65,535 pictures; decoding them all took seconds per icon.
        const QByteArray icon = manyPictureIcon();
        for (const QString& name :
             {QStringLiteral("0.ico"), QStringLiteral("m1.ico"), QStringLiteral("m2.ico")})
            disc.writeRaw(name, icon);
        QElapsedTimer timer;
        timer.start();
        auto f = open(disc);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(!child<FillList>(*f, QStringLiteral("genre"))->item(0)->icon().isNull());
        const common::IniFile& read = f->state().members;
        QVERIFY(read.wasCut());
        QVERIFY(!read.hasSection(u"0-3"));
        QCOMPARE(f->windowTitle(), QStringLiteral("Tavik - Lumbrel - Issue 5"));

        // Read once: the items of a category come from what start-up read.
        QVERIFY(QFile::remove(disc.cfg() + QStringLiteral("members.cfg")));
        chooseCategory(*f, 0);
        auto* list = child<FillList>(*f, QStringLiteral("members"));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QStringLiteral("Program"));
        QVERIFY(!list->item(1)->icon().isNull());

        // A detail file is read within the same limits.
        disc.writeRaw(QStringLiteral("membersd/m0-1.dat"),
                      lineEnds(16 * 1024 * 1024) + "[0-1]\r\nserial=beyond\r\n");
        chooseItem(*f, 1);
        QCOMPARE(label(*f, QStringLiteral("serial"))->text(), QStringLiteral("n/a"));
        const common::IniFile detail = f->state().folders.readConfigFile(u"membersd\\m0-1.dat");
        QVERIFY(detail.wasCut());
    }

    void discTextsWithMarkupShowAsWritten_data() {
        QTest::addColumn<QString>("markup");
        // Every one of these is taken for rich text by Qt's automatic format; a picture it names
        // is loaded when the text is shown (a device that never ends eats all memory).
        QTest::newRow("picture") << QStringLiteral("<img src=\"missing-picture.png\">Programs");
        QTest::newRow("bold") << QStringLiteral("<b>Tools</b> & more");
        QTest::newRow("whole document") << QStringLiteral("<qt>Games</qt>");
        QTest::newRow("link") << QStringLiteral("<a href=\"http://example.org\">Web</a>");
        QTest::newRow("entity") << QStringLiteral("<i>&lt;not a tag&gt;</i>");
        QTest::newRow("table") << QStringLiteral("<table><tr><td>cell</td></tr></table>");
    }
    void discTextsWithMarkupShowAsWritten() {
        QFETCH(QString, markup);
        DiscFixture disc;
        writeToolsDisc(disc);
        // Every text of the disc carries the markup: captions, names, details, language texts.
        disc.set(QStringLiteral("members.cfg"), QStringLiteral("general"), QStringLiteral("cdname"), markup);
        disc.set(QStringLiteral("genre.cfg"), QStringLiteral("0"), QStringLiteral("caption"), markup);
        disc.set(QStringLiteral("members.cfg"), QStringLiteral("0-0"), QStringLiteral("caption"),
                 markup + QString(40, u'x'));
        for (const char* key : {"desc", "serial", "sizep", "sizeup", "url"})
            disc.set(QStringLiteral("membersd/m0-0.dat"), QStringLiteral("0-0"), QString::fromLatin1(key),
                     markup);
        const QString lang = QStringLiteral("language.zol");
        for (int key = 1; key <= 29; ++key) {
            disc.set(lang, QStringLiteral("Buttons"), QString::number(key), markup);
            disc.set(lang, QStringLiteral("Hints"), QString::number(key), markup);
            disc.set(lang, QStringLiteral("Details"), QString::number(key), markup);
        }
        for (const char* key : {"1", "2", "3", "3_2", "4", "5", "6", "7", "8", "9"})
            disc.set(lang, QStringLiteral("Heading"), QString::fromLatin1(key), markup);
        for (int key = 2; key <= 6; ++key)
            disc.set(lang, QStringLiteral("Forms"), QString::number(key), markup);
        for (const char* key : {"no_nfo_lang", "no_info_lang", "no_zip_lang", "no_file_lang"})
            disc.set(lang, QStringLiteral("Language"), QString::fromLatin1(key), markup);
        disc.save();

        auto f = open(disc);
        // Each place that shows a disc text, reached as the viewer reaches it. Information with no
        // item chosen: after a category choice, the button stays from the item chosen before.
        chooseCategory(*f, 0);
        chooseItem(*f, 0);
        chooseCategory(*f, 0);
        QVERIFY(press(*f, QStringLiteral("info")));
        chooseItem(*f, 0);
        QVERIFY(press(*f, QStringLiteral("docthumb")));
        QVERIFY(press(*f, QStringLiteral("docthumb")));
        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        QVERIFY(press(*f, QStringLiteral("copybtn")));
        QVERIFY(press(*child<QDialog>(*f, QStringLiteral("Tfcform")), QStringLiteral("cancel")));
        chooseItem(*f, 1);
        QVERIFY(press(*f, QStringLiteral("printcover")));

        auto* genre = child<FillList>(*f, QStringLiteral("genre"));
        QCOMPARE(genre->item(0)->text(), markup);
        QCOMPARE(shownToolTip(genre->item(0)->toolTip()), markup);
        const QString heading = shownToolTip(label(*f, QStringLiteral("detailhead"))->toolTip());
        QVERIFY(heading.isEmpty() || heading == markup + QStringLiteral(" of Program"));
        QVERIFY(!m_fakes.messages.shown.isEmpty());
        QCOMPARE(m_fakes.messages.shown.front().text, markup);

        // Nowhere is a disc text taken for markup: not in a tool tip of any window or list, not
        // in a label.
        for (QWidget* widget : QApplication::allWidgets()) {
            const QString toolTip = widget->toolTip();
            QVERIFY2(!toolTip.contains(markup) || !Qt::mightBeRichText(toolTip),
                     qPrintable(widget->objectName() + QStringLiteral(": ") + toolTip));
            if (const auto* text = qobject_cast<QLabel*>(widget))
                QVERIFY2(text->textFormat() == Qt::PlainText || !text->text().contains(markup),
                         qPrintable(text->objectName()));
            if (const auto* list = qobject_cast<QListWidget*>(widget)) {
                for (int row = 0; row < list->count(); ++row) {
                    const QString itemTip = list->item(row)->toolTip();
                    QVERIFY(!itemTip.contains(markup) || !Qt::mightBeRichText(itemTip));
                }
            }
        }
    }

    void filesThatAreNoFilesDoNotHoldTheMenu() {
        DiscFixture disc;
        writeToolsDisc(disc);
        // Every file of the design in use: bitmaps, splash and a sound.
        const char* const design[][3] = {{"general", "design_mode", "bmp"},
                                         {"general", "button_mode", "bmp"},
                                         {"Splash", "enabled", "1"},
                                         {"Splash", "d", "10"},
                                         {"Sound", "Sound1", "x"}};
        for (const auto& [section, key, value] : design)
            disc.set(QStringLiteral("design.cfg"), QString::fromLatin1(section), QString::fromLatin1(key),
                     QString::fromLatin1(value));
        disc.addItem(0, QStringLiteral("Pipe"),
                     {{QStringLiteral("pfad"), QStringLiteral("\\tools\\pipe.gif")}});
        disc.addItem(0, QStringLiteral("Zero"),
                     {{QStringLiteral("pfad"), QStringLiteral("\\tools\\zero.jpg")}});
        disc.addItem(0, QStringLiteral("Zero shot"),
                     {{QStringLiteral("pfad"), QStringLiteral("\\tools\\shot.exe")}});
        disc.save();
        // Pipes wait for a writer that never comes; /dev/zero never ends and tells a size of 0.
        QFile::remove(disc.cfg() + QStringLiteral("0.ico"));
        for (const char16_t* name : {u"Unzdll.dll", u"0.ico", u"back.bmp", u"splash.bmp", u"Sound1.wav"})
            QVERIFY(makePipe(disc.cfg() + QString::fromUtf16(name)));
        for (const char16_t* name : {u"m1.ico", u"button.bmp"})
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), disc.cfg() + QString::fromUtf16(name)));
        QVERIFY(makePipe(disc.root() + QStringLiteral("tools/pipe.gif")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), disc.root() + QStringLiteral("tools/zero.jpg")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), disc.root() + QStringLiteral("tools/shot.jpg")));

        const Watchdog watchdog("the menu program on a disc of pipes and devices", std::chrono::seconds(60));
        auto f = open(disc);
        QVERIFY(f->isVisible());
        QVERIFY(!f->unzipModule().isLoaded());
        QCOMPARE(f->state().soundFiles[0], QString());
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("Always1")));
        chooseCategory(*f, 0);
        QCOMPARE(child<FillList>(*f, QStringLiteral("members"))->count(), 6);
        auto* picture = child<ui::PictureView>(*child<PictureWindow>(*f, QStringLiteral("Tpicpreviewform")),
                                               QStringLiteral("picture"));
        for (int row = 3; row <= 5; ++row) {
            chooseItem(*f, row);
            QVERIFY(!picture->hasPicture());
        }
        chooseItem(*f, 0);
        QVERIFY(press(*f, QStringLiteral("info")));
    }

    void onlySoundsOfAClicksSizeAreLoaded() {
        DiscFixture disc;
        writeToolsDisc(disc);
        for (int n = 1; n <= 2; ++n)
            disc.set(QStringLiteral("design.cfg"), QStringLiteral("Sound"), QStringLiteral("Sound%1").arg(n),
                     QStringLiteral("x"));
        disc.save();
        // Loaded whole, a sound of 2 GB took 2 GB; one beyond the limit stays silent.
        for (int n = 1; n <= 2; ++n) {
            QFile wave(disc.cfg() + QStringLiteral("Sound%1.wav").arg(n));
            QVERIFY(wave.open(QIODevice::WriteOnly));
            QVERIFY(wave.resize(n == 1 ? menu::kMaxSoundBytes + 1 : menu::kMaxSoundBytes));
        }
        auto f = open(disc);
        QCOMPARE(f->state().soundFiles[0], QString());
        QVERIFY(f->state().soundFiles[1].endsWith(QStringLiteral("Sound2.wav")));
        QVERIFY(m_fakes.sound.played.isEmpty());
    }

    void missingIconsBesideManyFilesStartQuickly() {
        DiscFixture disc;
        // 1,000 categories without icons, beside 20,000 other files of the configuration folder.
        QByteArray genre = "[general]\r\nanz_items=1000\r\n";
        for (int n = 0; n < 1000; ++n)
            genre += "[" + QByteArray::number(n) + "]\r\ncaption=C" + QByteArray::number(n) +
                     "\r\nicon_number=" + QByteArray::number(n) + "\r\n";
        disc.writeRaw(QStringLiteral("genre.cfg"), genre);
        for (int n = 0; n < 20000; ++n)
            QFile(disc.cfg() + QStringLiteral("file%1.dat").arg(n)).open(QIODevice::WriteOnly);
        QElapsedTimer timer;
        timer.start();
        auto f = open(disc);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(child<FillList>(*f, QStringLiteral("genre"))->count(), 1000);
        // Names are still found in any letter case.
        disc.writeIcon(QStringLiteral("M1.ICO"), Qt::blue);
        QVERIFY(menu::DiscFolders(disc.folders()).configFile(u"m1.ico").endsWith(QStringLiteral("M1.ICO")));
    }

    void theFirstCategoryShowsItsItemsAtStart() {
        DiscFixture disc;
        writeToolsDisc(disc);
        disc.addCategory(QStringLiteral("Games"));
        disc.save();
        auto f = open(disc);
        auto* genre = child<FillList>(*f, QStringLiteral("genre"));
        QCOMPARE(genre->currentRow(), 0);
        QVERIFY(genre->item(0)->isSelected());
        QCOMPARE(child<FillList>(*f, QStringLiteral("members"))->count(), 3);
        QCOMPARE(label(*f, QStringLiteral("membershead"))->text(), QStringLiteral("files in Tools"));
        QVERIFY(m_fakes.sound.played.isEmpty());
    }

    // Everything a click does follows the current category and item, whatever moved it.
    void theKeyboardReachesEverything() {
        DiscFixture disc;
        writeToolsDisc(disc);
        disc.addCategory(QStringLiteral("Games"));
        disc.addItem(1, QStringLiteral("Chess"),
                     {{QStringLiteral("pfad"), QStringLiteral("\\games\\chess.exe")},
                      {QStringLiteral("execute"), QStringLiteral("1")}});
        disc.save();
        auto f = open(disc);
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        auto* genre = child<FillList>(*f, QStringLiteral("genre"));
        auto* members = child<FillList>(*f, QStringLiteral("members"));
        auto* filename = label(*f, QStringLiteral("filename"));
        QCOMPARE(QApplication::focusWidget(), genre);

        // The band is one row: the arrows to the sides move through it.
        QTest::keyClick(genre, Qt::Key_Right);
        QCOMPARE(label(*f, QStringLiteral("membershead"))->text(), QStringLiteral("files in Games"));
        QCOMPARE(members->count(), 1);
        // A key held down sends no release; the choice follows all the same.
        QTest::keyPress(genre, Qt::Key_Left);
        QCOMPARE(label(*f, QStringLiteral("membershead"))->text(), QStringLiteral("files in Tools"));
        QTest::keyRelease(genre, Qt::Key_Left);

        // Enter goes on to the items, the first chosen with its details and commands.
        QTest::keyClick(genre, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), members);
        QCOMPARE(members->currentRow(), 0);
        QVERIFY(filename->text().endsWith(QStringLiteral("setup.ZIP")));
        QVERIFY(child<ShadowButton>(*f, QStringLiteral("zip"))->isEnabled());
        QTest::keyPress(members, Qt::Key_Down);
        QVERIFY(filename->text().endsWith(QStringLiteral("run.exe")));
        QVERIFY(!child<ShadowButton>(*f, QStringLiteral("copybtn"))->isEnabled());
        QVERIFY(child<ShadowButton>(*f, QStringLiteral("ausf"))->isEnabled());
        // Enter starts the item's first allowed action.
        QTest::keyClick(members, Qt::Key_Return);
        QCOMPARE(m_fakes.shell.calls.size(), 1);
        QVERIFY(m_fakes.shell.calls.last().target.endsWith(QStringLiteral("run.exe")));

        // Tab reaches every button that can be pressed, line by line, left to right.
        auto tab = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); };
        for (int i = 0; i < 40 && QApplication::focusWidget() != genre; ++i)
            tab();
        QList<QWidget*> reached{genre};
        for (tab(); reached.size() < 40 && QApplication::focusWidget() != genre; tab())
            reached << QApplication::focusWidget();
        QCOMPARE(QApplication::focusWidget(), genre);
        QList<QWidget*> buttons;
        for (ShadowButton* b : f->findChildren<ShadowButton*>()) {
            if (b->window() == f.get() && b->isVisible() && b->isEnabled())
                buttons << b;
        }
        QVERIFY(buttons.size() >= 4);
        for (QWidget* b : buttons)
            QVERIFY2(reached.contains(b), qPrintable(b->objectName()));
        for (qsizetype i = 0; i + 1 < reached.size(); ++i) {
            const QPoint a = reached[i]->mapTo(f.get(), QPoint()),
                         b = reached[i + 1]->mapTo(f.get(), QPoint());
            QVERIFY2(a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()),
                     qPrintable(reached[i + 1]->objectName()));
        }
        // Enter presses the button that has the focus.
        QTest::keyClick(genre, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(!f->isVisible());
    }

    void aDiscCopiedAnywhereFindsItsItems_data() {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable copy") << false;
        QTest::newRow("read-only copy") << true;
    }
    void aDiscCopiedAnywhereFindsItsItems() {
        QFETCH(bool, readOnly);
        QTemporaryDir elsewhere;
        const QString copy = elsewhere.filePath(QStringLiteral("stick/mydisc"));
        {
            // The disc as the build wrote it, with its project folder as rootname; copied, and
            // the project folder gone, as on the viewer's machine.
            DiscFixture disc;
            writeToolsDisc(disc);
            QFile(disc.root() + QStringLiteral("tools/setup.ZIP")).open(QIODevice::WriteOnly);
            copyFolder(disc.root(), copy);
        }
        if (readOnly)
            QFile::setPermissions(copy + QStringLiteral("/tiv.exe"), QFile::ReadOwner | QFile::ExeOwner);
        m_fakes = {};
        MenuWindow f(m_fakes.services(), menu::DiscFolders::forExecutable(copy + QStringLiteral("/tiv.exe")));
        f.show();
        QCOMPARE(f.state().projectRootRest.isEmpty(), readOnly);
        chooseCategory(f, 0);
        chooseItem(f, 0);
        const QString target = QDir::toNativeSeparators(copy + QStringLiteral("/tools/setup.ZIP"));
        QCOMPARE(label(f, QStringLiteral("filename"))->text(), target);
        QVERIFY(button(f, QStringLiteral("info"))->isEnabled());
        QVERIFY(press(f, QStringLiteral("ausf")));
        QCOMPARE(m_fakes.shell.calls.last().target, target);
        // An item that lies nowhere keeps the place that the disc's rules give it.
        chooseItem(f, 1);
        QVERIFY(!label(f, QStringLiteral("filename"))->text().startsWith(QDir::toNativeSeparators(copy)));
    }

    void serialHomePagesAndAboutBox() {
        DiscFixture disc;
        writeToolsDisc(disc);
        auto f = open(disc);
        chooseCategory(*f, 0);
        chooseItem(*f, 0);
        QVERIFY(menudriver::copySerial(*f));
        QCOMPARE(m_fakes.clipboard.text(), QStringLiteral("AB-12"));
        QTest::mouseClick(label(*f, QStringLiteral("hpurl")), Qt::LeftButton);
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("TavikHomebase1")));
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("BrevanWorksHome1")));
        using Verb = ui::testing::FakeShell::Verb;
        const QList<ui::testing::FakeShell::Call> expected{
            {Verb::Open, QStringLiteral("http://www.example.org"), {}},
            {Verb::Open, menu::productHomePage(), {}},
            {Verb::Open, menu::makerHomePage(), {}}};
        QCOMPARE(m_fakes.shell.calls, expected);

        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("About1")));
        auto* box = child<QDialog>(*f, QStringLiteral("TAboutBox"));
        QVERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QStringLiteral("Tavik - Lumbrel Informations ..."));
        QTest::mouseClick(label(*box, QStringLiteral("homelink")), Qt::LeftButton);
        QCOMPARE(m_fakes.shell.calls.size(), 4);
        QCOMPARE(m_fakes.shell.calls.last().target, menu::productHomePage());
        QVERIFY(press(*box, QStringLiteral("OKButton")));
        QVERIFY(!box->isVisible());
    }

    void aboutBoxTakesTheDiscsDesignAndLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("firstWords");
        QTest::addColumn<QString>("qtCancel");
        QTest::newRow("English") << 0 << QStringLiteral("The autostart menu") << QStringLiteral("Cancel");
        QTest::newRow("German") << 1 << QStringLiteral("Das Autostartmenü") << QStringLiteral("Abbrechen");
    }
    void aboutBoxTakesTheDiscsDesignAndLanguage() {
        QFETCH(int, language);
        QFETCH(QString, firstWords);
        QFETCH(QString, qtCancel);
        DiscFixture disc;
        writeToolsDisc(disc, language);
        disc.set(QStringLiteral("design.cfg"), QStringLiteral("Back"), QStringLiteral("bc"),
                 QStringLiteral("clNavy"));
        disc.set(QStringLiteral("design.cfg"), QStringLiteral("Fonts"), QStringLiteral("fuc"),
                 QStringLiteral("clYellow"));
        disc.set(QStringLiteral("design.cfg"), QStringLiteral("Buttons"), QStringLiteral("btnc"),
                 QStringLiteral("clTeal"));
        disc.save();
        auto f = open(disc);
        // Qt's own buttons and choosers speak the disc's language too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtCancel);
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("About1")));
        auto* box = child<QDialog>(*f, QStringLiteral("TAboutBox"));
        EffectLabel* productName = label(*box, QStringLiteral("ProductName"));
        ShadowButton* okButton = button(*box, QStringLiteral("OKButton"));
        QVERIFY(label(*box, QStringLiteral("Comments"))->text().startsWith(firstWords));
        QCOMPARE(productName->text(), QStringLiteral("Tavik - Lumbrel Issue 5"));
        // The design's background lies behind it, and its texts take the colour made for that.
        const QColor corner = box->grab().toImage().pixelColor(2, 2);
        QVERIFY(corner.blue() > 100 && corner.red() == 0 && corner.green() == 0);
        QCOMPARE(productName->color(), QColor(Qt::yellow));
        QCOMPARE(okButton->face().kind(), ui::Backdrop::Kind::Gradient);
        QCOMPARE(okButton->face().start(), QColor(Qt::darkCyan));
        // Every text has the height its lines need, one below the other, the button below them all.
        for (ui::EffectLabel* text : box->findChildren<ui::EffectLabel*>()) {
            if (text->wordWrap())
                QVERIFY(text->height() >= text->heightForWidth(text->width()));
            else
                QVERIFY(text->height() >= QFontMetrics(text->font()).height());
            QVERIFY(text->geometry().bottom() < okButton->y());
        }
        QVERIFY(okButton->geometry().bottom() < box->height());
        QVERIFY(press(*box, QStringLiteral("OKButton")));

        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("Never1")));
        QCOMPARE(f->state().pictureOption, menu::PictureOption::Never);
        auto* aboutMenu = child<QWidget>(*f, QStringLiteral("aboutmenu"));
        QVERIFY(child<QAction>(*aboutMenu, QStringLiteral("Never1"))->isChecked());
        QVERIFY(!child<QAction>(*aboutMenu, QStringLiteral("Auto1"))->isChecked());
    }

    void splashHoldsTheStartForItsTime() {
        DiscFixture disc;
        const QString design = QStringLiteral("design.cfg");
        disc.set(design, QStringLiteral("Splash"), QStringLiteral("enabled"), QStringLiteral("1"));
        disc.set(design, QStringLiteral("Splash"), QStringLiteral("d"), QStringLiteral("150"));
        disc.save();
        disc.writeBitmap(QStringLiteral("Splash.BMP"), Qt::blue, QSize(60, 40));
        QElapsedTimer timer;
        timer.start();
        open(disc);
        QVERIFY(timer.elapsed() >= 140);

        // Without its picture the splash is skipped rather than shown empty.
        disc.set(design, QStringLiteral("Splash"), QStringLiteral("d"), QStringLiteral("20000"));
        disc.save();
        QFile::remove(disc.cfg() + QStringLiteral("Splash.BMP"));
        timer.restart();
        open(disc);
        QVERIFY(timer.elapsed() < 10000);
    }

    void designReachesTheControls() {
        DiscFixture disc;
        writeToolsDisc(disc);
        const QString design = QStringLiteral("design.cfg");
        disc.set(design, QStringLiteral("general"), QStringLiteral("design_mode"), QStringLiteral("bmp"));
        disc.set(design, QStringLiteral("general"), QStringLiteral("button_mode"), QStringLiteral("band"));
        disc.set(design, QStringLiteral("Buttons"), QStringLiteral("btnc"), QStringLiteral("clRed"));
        disc.set(design, QStringLiteral("Buttons"), QStringLiteral("btnec"), QStringLiteral("clBlue"));
        disc.set(design, QStringLiteral("Buttons"), QStringLiteral("btnsd"), QStringLiteral("9"));
        disc.set(design, QStringLiteral("Buttons"), QStringLiteral("style"), QStringLiteral("sbOffset"));
        disc.set(design, QStringLiteral("Fonts"), QStringLiteral("fuc"), QStringLiteral("clYellow"));
        disc.set(design, QStringLiteral("Fonts"), QStringLiteral("fuc_effect"), QStringLiteral("tdShadow"));
        disc.set(design, QStringLiteral("Boxes"), QStringLiteral("boxf_bmp"), QStringLiteral("1"));
        disc.set(design, QStringLiteral("Boxes"), QStringLiteral("boxc_bmp"), QStringLiteral("2"));
        disc.save();
        disc.writeBitmap(QStringLiteral("back.bmp"), Qt::darkBlue);
        auto f = open(disc);
        ShadowButton* copy = button(*f, QStringLiteral("copybtn"));
        QCOMPARE(copy->face().kind(), ui::Backdrop::Kind::Gradient);
        QCOMPARE(copy->face().start(), QColor(Qt::red));
        QCOMPARE(copy->shadowDepth(), 9);
        QCOMPARE(copy->bevel(), ShadowButton::Bevel::Offset);
        QCOMPARE(label(*f, QStringLiteral("genrehead"))->color(), QColor(Qt::yellow));
        QCOMPARE(label(*f, QStringLiteral("genrehead"))->effect(), ui::TextEffect::Shadow);
        // The menus show the background bitmap in the heading colour.
        QVERIFY(!child<ui::SideBarMenu>(*f, QStringLiteral("aboutmenu"))->backgroundPixmap().isNull());
        QCOMPARE(child<ui::SideBarMenu>(*f, QStringLiteral("aboutmenu"))->entryColor(), QColor(Qt::yellow));
        QVERIFY(!child<FillList>(*f, QStringLiteral("members"))->wallpaper().isNull());
        // The button bitmap is not part of this design: the category band keeps its colour.
        QVERIFY(child<FillList>(*f, QStringLiteral("genre"))->wallpaper().isNull());
        QCOMPARE(f->state().backgroundBitmap,
                 QDir::toNativeSeparators(disc.cfg() + QStringLiteral("back.bmp")));

        disc.set(design, QStringLiteral("general"), QStringLiteral("button_mode"), QStringLiteral("bmp"));
        disc.set(design, QStringLiteral("Buttons"), QStringLiteral("btnFc"), QStringLiteral("clLime"));
        disc.save();
        disc.writeBitmap(QStringLiteral("button.bmp"), Qt::darkGreen);
        f = open(disc);
        QCOMPARE(button(*f, QStringLiteral("ende"))->face().kind(), ui::Backdrop::Kind::Bitmap);
        QCOMPARE(button(*f, QStringLiteral("docthumb"))->face().kind(), ui::Backdrop::Kind::Bitmap);
        auto* zipMenu = child<ui::SideBarMenu>(*f, QStringLiteral("zipmenu"));
        QCOMPARE(zipMenu->entryColor(), QColor(Qt::green));
        QCOMPARE(zipMenu->backgroundPixmap().toImage().pixelColor(0, 0), QColor(Qt::darkGreen));
        QVERIFY(!child<FillList>(*f, QStringLiteral("genre"))->wallpaper().isNull());

        disc.set(design, QStringLiteral("general"), QStringLiteral("button_mode"), QStringLiteral("trans"));
        disc.save();
        f = open(disc);
        QCOMPARE(button(*f, QStringLiteral("ende"))->face().kind(), ui::Backdrop::Kind::Nothing);
        QCOMPARE(button(*f, QStringLiteral("hidedetail"))->face().kind(), ui::Backdrop::Kind::Solid);
        QCOMPARE(button(*f, QStringLiteral("hidedetail"))->face().start(), QColor(Qt::yellow));
    }
};

QTEST_MAIN(TestMenuWindow)
#include "tst_menuwindow.moc"
