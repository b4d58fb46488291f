// The widgets that draw a design: two designs that differ must look different.
#include "ui/widgets/Backdrop.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/Contrast.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/SideBarMenu.h"
#include "ui/widgets/SplashScreen.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

using ui::Backdrop;
using ui::ShadowButton;

namespace {

QImage paint(const Backdrop& b, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    b.paint(p, image.rect());
    return image;
}

// The widget drawn over white, so that what it leaves unpainted stays white.
QImage render(QWidget& w) {
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QPixmap twoColours() {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::green);
    return QPixmap::fromImage(image);
}

bool near(const QColor& a, const QColor& b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestMenuWidgets : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void backdropsFillAsTheyShould() {
        const QImage gradient = paint(Backdrop::gradient(Qt::red, Qt::blue), QSize(4, 100));
        QVERIFY(near(gradient.pixelColor(1, 0), Qt::red));
        QVERIFY(near(gradient.pixelColor(1, 99), Qt::blue));

        const QImage tiled = paint(Backdrop::bitmap(twoColours(), ui::Placement::Tile), QSize(5, 2));
        QCOMPARE(tiled.pixelColor(2, 1), QColor(Qt::red));
        QCOMPARE(tiled.pixelColor(3, 1), QColor(Qt::green));

        const QImage centred = paint(Backdrop::bitmap(twoColours(), ui::Placement::Center), QSize(6, 3));
        QCOMPARE(centred.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(centred.pixelColor(2, 1), QColor(Qt::red));
        QCOMPARE(centred.pixelColor(3, 1), QColor(Qt::green));

        const QImage stretched = paint(Backdrop::bitmap(twoColours(), ui::Placement::Stretch), QSize(10, 3));
        QCOMPARE(stretched.pixelColor(1, 2), QColor(Qt::red));
        QCOMPARE(stretched.pixelColor(8, 2), QColor(Qt::green));

        const QImage once = paint(Backdrop::bitmap(twoColours(), ui::Placement::None), QSize(6, 3));
        QCOMPARE(once.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(once.pixelColor(2, 0), QColor(Qt::white));
        QCOMPARE(once.pixelColor(0, 1), QColor(Qt::white));

        const QImage box = paint(Backdrop::solid(Qt::yellow, Qt::black), QSize(6, 6));
        QCOMPARE(box.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(box.pixelColor(3, 3), QColor(Qt::yellow));
        QCOMPARE(paint(Backdrop(), QSize(2, 2)).pixelColor(1, 1), QColor(Qt::white));
    }

    void buttonFacesShadowsAndBevels() {
        ShadowButton b;
        b.resize(60, 40);
        b.setBevelWidth(0);
        b.setShadowDepth(6);
        b.setFace(Backdrop::gradient(Qt::red, Qt::blue));
        QImage image = render(b);
        QVERIFY(near(image.pixelColor(27, 2), Qt::red, 40));
        QVERIFY(near(image.pixelColor(27, 31), Qt::blue, 40));
        // The drop shadow lies below and right of the face, not above and left of it.
        QVERIFY(image.pixelColor(57, 37).lightness() < 200);
        QCOMPARE(image.pixelColor(57, 2), QColor(Qt::white));

        ShadowButton flat;
        flat.resize(60, 40);
        flat.setBevelWidth(0);
        flat.setFace(Backdrop::gradient(Qt::red, Qt::blue));
        QCOMPARE(render(flat).pixelColor(57, 37).blue() > 200, true);

        b.setShape(ShadowButton::Shape::ThreeD);
        const QImage solidSides = render(b);
        QVERIFY(solidSides != image);
        QVERIFY(solidSides.pixelColor(57, 37).lightness() < image.pixelColor(57, 37).lightness());

        // Pressed, the face sinks onto its shadow.
        b.setShape(ShadowButton::Shape::Shadow);
        b.setDown(true);
        image = render(b);
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
        QVERIFY(near(image.pixelColor(58, 38), Qt::blue, 60));
        b.setDown(false);

        b.setFace(Backdrop::bitmap(twoColours(), ui::Placement::Tile));
        image = render(b);
        QCOMPARE(image.pixelColor(10, 10), QColor(Qt::red));
        QCOMPARE(image.pixelColor(11, 10), QColor(Qt::green));

        b.setFace(Backdrop());
        QCOMPARE(render(b).pixelColor(20, 5), QColor(Qt::white));

        b.setFace(Backdrop::solid(Qt::gray));
        b.setBevelWidth(2);
        QList<QImage> bevels;
        for (const auto bevel :
             {ShadowButton::Bevel::Normal, ShadowButton::Bevel::Inset, ShadowButton::Bevel::Offset}) {
            b.setBevel(bevel);
            bevels.append(render(b));
        }
        QVERIFY(bevels[0] != bevels[1] && bevels[1] != bevels[2] && bevels[0] != bevels[2]);
        QVERIFY(bevels[0].pixelColor(0, 0).lightness() > bevels[1].pixelColor(0, 0).lightness());
    }

    void everyTextEffectLooksDifferent() {
        QList<QImage> images;
        for (const auto effect :
             {ui::TextEffect::None, ui::TextEffect::Raised, ui::TextEffect::Sunken, ui::TextEffect::Shadow,
              ui::TextEffect::RaisedShadow, ui::TextEffect::SunkenShadow}) {
            ui::EffectLabel label(QStringLiteral("Games"));
            label.resize(80, 24);
            label.setColor(Qt::blue);
            label.setEffect(effect);
            QImage image(label.size(), QImage::Format_RGB32);
            image.fill(Qt::darkGray);
            label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            images.append(image);
        }
        for (int i = 0; i < images.size(); ++i)
            for (int j = i + 1; j < images.size(); ++j)
                QVERIFY2(images[i] != images[j], qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
    }

    void labelsKeepTheirWholeTextAndLinksReportClicks() {
        ui::EffectLabel label(QStringLiteral("a caption much too long for the label it sits in"));
        label.resize(40, 20);
        render(label);
        QCOMPARE(label.text(), QStringLiteral("a caption much too long for the label it sits in"));
        QSignalSpy clicks(&label, &ui::EffectLabel::clicked);
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks.count(), 0);
        label.setLink(true);
        QVERIFY(label.font().underline());
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }

    void wrappedLabelsAreAsHighAsTheirLines() {
        ui::EffectLabel label(QStringLiteral("one two three four five six seven eight nine ten"));
        const int line = QFontMetrics(label.font()).height();
        QVERIFY(!label.hasHeightForWidth());
        label.setWordWrap(true);
        QVERIFY(label.hasHeightForWidth());
        QVERIFY(label.heightForWidth(2000) < 2 * line);
        QVERIFY(label.heightForWidth(60) >= 4 * line);
    }

    void captionsShrinkTogetherAndNoFurtherThanNeeded() {
        QFont font;
        font.setPointSizeF(11);
        const QString shortText = QStringLiteral("ok"), longText = QStringLiteral("a rather long caption");
        const int shortWidth = QFontMetrics(font).horizontalAdvance(shortText);
        // What fits keeps its size; what does not shrinks, and stops at the least size.
        QCOMPARE(ui::fittingFont(font, {shortText}, shortWidth).pointSizeF(), 11.0);
        const QFont shrunk = ui::fittingFont(font, {shortText, longText}, 100);
        QVERIFY(shrunk.pointSizeF() < 11);
        QVERIFY(QFontMetrics(shrunk).horizontalAdvance(longText) <= 100 ||
                shrunk.pointSizeF() == ui::kLeastCaptionPoints);
        QCOMPARE(ui::fittingFont(font, {longText}, 1).pointSizeF(), ui::kLeastCaptionPoints);

        // Two lines are room enough for two words, so the size stays; one line is not.
        const QString twoWords = QStringLiteral("Utilities Tools");
        const QFontMetrics metrics(font);
        const int wordWidth = std::max(metrics.horizontalAdvance(QStringLiteral("Utilities")),
                                       metrics.horizontalAdvance(QStringLiteral("Tools")));
        QCOMPARE(ui::fittingWrappedFont(font, {twoWords}, QSize(wordWidth + 1, 2 * metrics.height() + 2))
                     .pointSizeF(),
                 11.0);
        QVERIFY(
            ui::fittingWrappedFont(font, {twoWords}, QSize(wordWidth + 1, metrics.height())).pointSizeF() <
            11);

        // A row takes the size of its longest caption, all of it.
        ui::ShadowButton a(shortText), b(longText);
        for (ui::ShadowButton* button : {&a, &b})
            button->resize(90, 40);
        ui::fitRowCaptions({&a, &b}, 11);
        QCOMPARE(a.font().pointSizeF(), b.font().pointSizeF());
        QVERIFY(b.font().pointSizeF() < 11);
        QVERIFY(QFontMetrics(b.font()).horizontalAdvance(longText) <= b.captionRoom());

        // A word too long for its line gets soft hyphens where it must break; words that fit stay.
        const QChar shy(0x00AD);
        const int room = metrics.horizontalAdvance(QStringLiteral("Miscel-"));
        const QString broken = ui::withBreaksInLongWords(QStringLiteral("Big Miscellaneous"), metrics, room);
        QVERIFY(broken.startsWith(QStringLiteral("Big Miscel") + shy));
        QCOMPARE(QString(broken).remove(shy), QStringLiteral("Big Miscellaneous"));
        for (const QString& part : broken.split(shy))
            QVERIFY2(metrics.horizontalAdvance(part.section(u' ', -1)) <= room, qPrintable(part));
        QCOMPARE(ui::withBreaksInLongWords(QStringLiteral("Big Tools"), metrics, room),
                 QStringLiteral("Big Tools"));
        // Not a letter fits: left as it is, never an endless loop.
        QCOMPARE(ui::withBreaksInLongWords(QStringLiteral("Word"), metrics, 1), QStringLiteral("Word"));
    }

    void labelColourStandsOutFromItsGround() {
        QCOMPARE(ui::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(ui::contrastRatio(Qt::red, Qt::red), 1.0);
        QVERIFY(qAbs(ui::contrastRatio(QColor(0, 0, 128), Qt::white) - 16.0) < 0.1);
        // Navy above, dark grey below: navy stays where it stands out, white takes its place where not.
        QImage ground(10, 20, QImage::Format_RGB32);
        ground.fill(Qt::white);
        for (int y = 10; y < 20; ++y)
            for (int x = 0; x < 10; ++x)
                ground.setPixelColor(x, y, QColor(32, 32, 48));
        const QColor navy(0, 0, 128);
        QCOMPARE(ui::readableColor(navy, ground, QRect(0, 0, 10, 10)), navy);
        QCOMPARE(ui::readableColor(navy, ground, QRect(0, 5, 10, 10)), QColor(Qt::black));
        QCOMPARE(ui::readableColor(navy, ground, QRect(0, 10, 10, 10)), QColor(Qt::white));
        QCOMPARE(ui::readableColor(navy, ground, QRect(50, 50, 5, 5)), navy); // nothing under it
    }

    void sideBarMenuKeepsItsEntriesRightOfTheBar() {
        ui::SideBarMenu menu;
        menu.setSideBarText(QStringLiteral("Options"));
        QAction* divider = menu.addCaptionDivider(QStringLiteral("About"));
        QAction* entry = menu.addAction(QStringLiteral("About"));
        menu.setBackgroundPixmap(twoColours());
        menu.popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QVERIFY(menu.actionGeometry(entry).left() >= ui::SideBarMenu::kSideBarWidth);
        QVERIFY(menu.actionGeometry(divider).height() > 0);
        const QImage image = menu.grab().toImage();
        QVERIFY(image.pixelColor(ui::SideBarMenu::kSideBarWidth / 2, 4).lightness() < 80);
        menu.close();
    }

    void splashStaysItsTimeThenCloses() {
        ui::SplashScreen splash;
        splash.resize(40, 30);
        splash.setFrame(Qt::yellow, 5);
        QElapsedTimer timer;
        timer.start();
        splash.showFor(60);
        QVERIFY(timer.elapsed() >= 55);
        QVERIFY(!splash.isVisible());
        const QImage image = splash.grab().toImage();
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(image.pixelColor(39 - 5, 29 - 5), QColor(Qt::yellow));
    }
};

QTEST_MAIN(TestMenuWidgets)
#include "tst_designwidgets.moc"
