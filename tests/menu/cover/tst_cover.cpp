// The content list built from a disc's configuration, and the cover page checked as pixels at
// the millimetre positions of its layout.
#include "common/IniFile.h"
#include "menu/cover/ContentList.h"
#include "menu/cover/CoverPage.h"
#include "tests/support/SkipUnlessCi.h"
#include "ui/services/DesktopPrint.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace menu::coverlayout;

namespace {

constexpr int kDpi = 150;

QImage filled(QSize size, const QColor& colour, int dpi = 96) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

QImage render(const menu::CoverPage& page) {
    QImage sheet =
        filled(QSize(qRound(kPaperWidth / 25.4 * kDpi), qRound(kPaperHeight / 25.4 * kDpi)), Qt::white, kDpi);
    QPainter p(&sheet);
    menu::paintCover(p, page);
    return sheet;
}

QPoint pixel(qreal leftMm, qreal topMm) {
    return QPoint(int(leftMm * kDpi / 25.4), int(topMm * kDpi / 25.4));
}

// A point given, like the layout, relative to the detail area.
QColor at(const QImage& sheet, qreal left, qreal top) {
    return sheet.pixelColor(pixel(kLeft + left, kTop + top));
}

QRect pixels(const QRectF& mm) {
    return QRect(pixel(mm.left(), mm.top()), pixel(mm.right(), mm.bottom()));
}

// Every pixel of the sheet for which `match` holds.
QList<QPoint> find(const QImage& sheet, const std::function<bool(const QColor&)>& match) {
    QList<QPoint> found;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if (match(sheet.pixelColor(x, y)))
                found << QPoint(x, y);
    return found;
}

} // namespace

class TestCover : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    common::IniFile ini(const QString& name) { return common::IniFile(m_dir.filePath(name)); }

private Q_SLOTS:
    void contentListFollowsCategoriesAndItems() {
        common::IniFile genre = ini(QStringLiteral("g1.cfg"));
        common::IniFile members = ini(QStringLiteral("m1.cfg"));
        QVERIFY(menu::contentList(genre, members).isEmpty());

        genre.writeString(u"0", u"caption", QStringLiteral("Games"));
        genre.writeString(u"1", u"caption", QStringLiteral("Tools"));
        members.writeInteger(u"0", u"anz_items", 2);
        members.writeString(u"0-0", u"caption", QStringLiteral("A"));
        members.writeString(u"0-1", u"caption", QStringLiteral("B"));
        genre.writeInteger(u"general", u"anz_items", 2);
        // Tools has no items and is left out.
        QCOMPARE(menu::contentList(genre, members),
                 QStringList({QStringLiteral("*** Games ***"), QStringLiteral("A;B;"), QString()}));

        // Missing captions, a category with more items than captions, negative counts.
        genre.writeInteger(u"general", u"anz_items", 3);
        members.writeInteger(u"1", u"anz_items", -4);
        members.writeInteger(u"2", u"anz_items", 2);
        members.writeString(u"2-0", u"caption", QStringLiteral("X"));
        const QStringList lines = menu::contentList(genre, members);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[3], QStringLiteral("*** *** ***"));
        QCOMPARE(lines[4], QStringLiteral("X;Fehler;"));

        QCOMPARE(menu::contentJobTitle(QStringLiteral("Issue 5")), QStringLiteral("- content of Issue 5 -"));
    }

    void countsOf256AndMoreAreKeptWhole() {
        common::IniFile genre = ini(QStringLiteral("g2.cfg"));
        common::IniFile members = ini(QStringLiteral("m2.cfg"));
        genre.writeInteger(u"general", u"anz_items", 300);
        for (int c = 0; c < 300; ++c)
            genre.writeString(QString::number(c), u"caption", QStringLiteral("C%1").arg(c));
        members.writeInteger(u"299", u"anz_items", 258);
        for (int i = 0; i < 258; ++i)
            members.writeString(QStringLiteral("299-%1").arg(i), u"caption", QStringLiteral("i%1").arg(i));
        const QStringList lines = menu::contentList(genre, members);
        // Only the one category with items is listed, all of them.
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("*** C299 ***"));
        QCOMPARE(lines[1].count(u';'), 258);
        QVERIFY(lines[1].endsWith(QStringLiteral("i257;")));

        // A damaged count does not fill memory.
        members.writeString(u"0", u"anz_items", QStringLiteral("2147483647"));
        const QStringList damaged = menu::contentList(genre, members);
        QCOMPARE(damaged[1].count(u';'), menu::kMaxContentItems);
        QCOMPARE(damaged.size(), 3); // no items are left for C299
    }

    void pageHasItsBoxesAndPictures() {
        menu::CoverPage page;
        page.title = QStringLiteral("Disc");
        page.number = QStringLiteral("7");
        page.date = QStringLiteral("1");
        page.dateBox = QColor(0, 255, 0);
        page.titleBox = Qt::red;
        page.numberBox = QColor(0, 0, 128);
        page.spineBox = QColor(0, 255, 255);
        page.background = filled(QSize(40, 40), QColor(128, 128, 0));
        page.logo = filled(QSize(50, 50), QColor(128, 0, 128)); // 13.2 mm at 96 dpi
        page.productLogo = filled(QSize(20, 4), QColor(0, 128, 128));
        page.contentHeading = QStringLiteral("Content");
        const QImage sheet = render(page);

        QCOMPARE(at(sheet, 26.5, 13.8), QColor(0, 255, 0)); // date box
        QCOMPARE(at(sheet, 90, 52), QColor(Qt::red));       // title box
        QCOMPARE(at(sheet, 105, 113.3), QColor(0, 0, 128)); // number box
        QCOMPARE(at(sheet, 60, 30), QColor(128, 128, 0));   // background, stretched
        QCOMPARE(at(sheet, 121, 105), QColor(128, 128, 0));
        QCOMPARE(at(sheet, 6, 97), QColor(128, 0, 128));      // logo at its own size ...
        QCOMPARE(at(sheet, 20, 100), QColor(128, 128, 0));    // ... not stretched to its place
        QCOMPARE(at(sheet, 60, 117), QColor(0, 128, 128));    // product logo
        QCOMPARE(at(sheet, 2.6, 160), QColor(0, 255, 255));   // left spine
        QCOMPARE(at(sheet, 150, 160), QColor(0, 255, 255));   // right spine
        QCOMPARE(at(sheet, 8.6, 143.8), QColor(0, 0, 128));   // number box atop the left spine
        QCOMPARE(at(sheet, 147.1, 227.0), QColor(0, 0, 128)); // and at the bottom of the right one
        QCOMPARE(at(sheet, 70, 200), QColor(Qt::white));      // content list
        QCOMPARE(at(sheet, 100, 1), QColor(Qt::white));       // the title strip stays empty
        QCOMPARE(at(sheet, 160, 60), QColor(Qt::white));      // beside the front cover

        // A logo larger than its place is cut at the place's edges.
        page.logo = filled(QSize(2000, 2000), QColor(128, 0, 128));
        const QImage large = render(page);
        QCOMPARE(at(large, 4.2 + 27.4, 95.0 + 27.9), QColor(128, 0, 128));
        QCOMPARE(at(large, 4.2 + 28.4, 97), QColor(128, 128, 0));
        QCOMPARE(at(large, 6, 95.0 + 28.8), QColor(128, 128, 0));

        // Without pictures their places stay empty.
        page.background = page.logo = page.productLogo = QImage();
        const QImage bare = render(page);
        for (const QPointF mm : {QPointF(60, 30), QPointF(6, 97), QPointF(60, 117)})
            QCOMPARE(at(bare, mm.x(), mm.y()), QColor(Qt::white));
    }

    void spineTextsAreTurnedInsideTheirSpines() {
        menu::CoverPage page;
        page.title = QStringLiteral("Spine Title");
        page.spineBox = QColor(0, 255, 255);
        page.spineText = QColor(255, 0, 255);
        const QImage sheet = render(page);
        const QList<QPoint> ink =
            find(sheet, [](const QColor& c) { return c.red() > 128 && c.green() < 128 && c.blue() > 200; });
        const QRect left = pixels(kLeftSpine), right = pixels(kRightSpine);
        int inLeft = 0, inRight = 0;
        for (const QPoint& p : ink) {
            QVERIFY2(left.contains(p) || right.contains(p),
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
            (left.contains(p) ? inLeft : inRight)++;
        }
        QVERIFY(inLeft > 50 && inRight > 50);
        // Reading upwards the left text starts at the spine's foot, reading downwards the right one
        // at its head.
        const int middle = pixels(kLeftSpine).center().y();
        for (const QPoint& p : ink)
            QVERIFY(left.contains(p) ? p.y() > middle : p.y() < middle);
    }

    // Long texts in every box, printed into a PDF as a printer gets the page and rasterised: each
    // text's ink stays inside its box.
    void printedTextsStayInsideTheirBoxes() {
        const QString rasteriser = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (rasteriser.isEmpty())
            SKIP_UNLESS_CI("pdftoppm (poppler-utils) is not installed");
        menu::CoverPage page;
        page.title = QStringLiteral("A Disc Name Much Longer Than Its Box Has Room For On Two Lines");
        page.number = QStringLiteral("WWW888");
        page.date = QStringLiteral("28.12.2026");
        const QColor box(64, 64, 64);
        page.dateBox = page.titleBox = page.numberBox = page.spineBox = box;
        page.dateText = QColor(255, 0, 255);
        page.titleText = QColor(255, 255, 0);
        page.numberText = QColor(0, 255, 255);
        page.spineText = QColor(0, 255, 0);

        const QString pdf = m_dir.filePath(QStringLiteral("cover.pdf"));
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            ui::setUpSheet(printer);
            QPainter painter(&printer);
            menu::paintCover(painter, page);
        }
        const QString stem = m_dir.filePath(QStringLiteral("cover"));
        QProcess process;
        process.start(rasteriser, {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"),
                                   QStringLiteral("-singlefile"), pdf, stem});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QImage sheet(stem + QStringLiteral(".png"));
        QVERIFY(!sheet.isNull());

        const auto near = [](const QColor& wanted) {
            return [wanted](const QColor& c) {
                return qAbs(c.red() - wanted.red()) < 40 && qAbs(c.green() - wanted.green()) < 40 &&
                       qAbs(c.blue() - wanted.blue()) < 40;
            };
        };
        // The boxes a colour belongs in, a pixel wider for the rasteriser's rounding.
        const auto inside = [](const QList<QRectF>& boxes, const QList<QPoint>& ink) {
            for (const QPoint& p : ink) {
                const bool within = std::any_of(boxes.begin(), boxes.end(), [&p](const QRectF& mm) {
                    return pixels(mm).adjusted(-1, -1, 1, 1).contains(p);
                });
                if (!within)
                    return QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
            }
            return QString();
        };
        const QList<QPoint> date = find(sheet, near(page.dateText));
        const QList<QPoint> title = find(sheet, near(page.titleText));
        const QList<QPoint> number = find(sheet, near(page.numberText));
        const QList<QPoint> spine = find(sheet, near(page.spineText));
        for (const QList<QPoint>* ink : {&date, &title, &number, &spine})
            QVERIFY(ink->size() > 50);
        QCOMPARE(inside({kDateBox}, date), QString());
        QCOMPARE(inside({kTitleBox}, title), QString());
        QCOMPARE(inside({kNumberBox, kLeftSpineNumberBox, kRightSpineNumberBox}, number), QString());
        QCOMPARE(inside({kLeftSpine, kRightSpine}, spine), QString());
    }
};

QTEST_MAIN(TestCover)
#include "tst_cover.moc"
