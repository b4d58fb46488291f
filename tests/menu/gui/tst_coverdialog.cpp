// The cover dialog and the content dialog, driven from the menu window: defaults, the content
// list and when it is rebuilt, the pictures, and what reaches the printer.
#include "menu/cover/CoverPage.h"
#include "menu/gui/ContentDialog.h"
#include "menu/gui/CoverDialog.h"
#include "menu/gui/MenuWindow.h"
#include "tests/menu/DiscFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/Contrast.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using ui::testing::control;
using ui::testing::FakeServices;
using ui::testing::press;
using namespace menu::coverlayout;

namespace {

QString today() {
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return QLocale::system().toString(QDate::currentDate(), format);
}

// A point of a printed page, relative to the cover's detail area like the layout.
QColor at(const QImage& page, qreal left, qreal top, int dpi) {
    return page.pixelColor(int((kLeft + left) * dpi / 25.4), int((kTop + top) * dpi / 25.4));
}

// The shipped texts in the standard design, whose label colour is close to its background.
void shippedDisc(DiscFixture& disc, const QString& languageFile) {
    disc.addCategory(QStringLiteral("Tools"));
    disc.save();
    QVERIFY(QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/") + languageFile,
                        disc.cfg() + QStringLiteral("language.zol")));
    QVERIFY(QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/Standard.lbd"),
                        disc.cfg() + QStringLiteral("design.cfg")));
}

void shippedLanguages() {
    QTest::addColumn<QString>("languageFile");
    QTest::newRow("English") << QStringLiteral("language0.0");
    QTest::newRow("German") << QStringLiteral("language1.0");
}

} // namespace

class TestCoverDialog : public QObject {
    Q_OBJECT

private:
    DiscFixture m_disc;
    FakeServices m_fakes;
    std::unique_ptr<MenuWindow> m_window;
    CoverDialog* m_cover = nullptr;

    template <typename T> T* field(const char* name) const {
        T* found = control<T>(*m_cover, QString::fromLatin1(name));
        if (!found)
            qFatal("no field %s", name);
        return found;
    }
    static ContentDialog* contentDialog(const QWidget& cover) {
        return control<ContentDialog>(cover, QStringLiteral("Tcontentform"));
    }
    QTextEdit* contentView() const {
        return control<QTextEdit>(*contentDialog(*m_cover), QStringLiteral("content"));
    }
    // The file name shown for a chosen picture, with its whole path as tooltip.
    QString pictureFile(const char* name) const { return field<QLabel>(name)->toolTip(); }
    void reopen() {
        QVERIFY(press(*m_cover, QStringLiteral("cancel")));
        QVERIFY(!m_cover->isVisible());
        QVERIFY(press(*m_window, QStringLiteral("printcover")));
        QVERIFY(m_cover->isVisible());
    }

private Q_SLOTS:
    void initTestCase() {
        m_disc.set(QStringLiteral("members.cfg"), QStringLiteral("general"), QStringLiteral("cdname"),
                   QStringLiteral("My Disc"));
        m_disc.addCategory(QStringLiteral("Games"));
        m_disc.addCategory(QStringLiteral("Tools"));
        m_disc.addItem(0, QStringLiteral("A"), {});
        m_disc.addItem(0, QStringLiteral("B"), {});
        m_disc.save();
        m_window = std::make_unique<MenuWindow>(m_fakes.services(), m_disc.folders());
        m_window->startUp();
        m_cover = control<CoverDialog>(*m_window, QStringLiteral("Tprintdlgform"));
        QVERIFY(m_cover);
        QVERIFY(contentDialog(*m_cover));
        QCOMPARE(contentDialog(*m_cover)->size(), QSize(521, 470));
    }

    void firstOpeningFillsTheFields() {
        QVERIFY(press(*m_window, QStringLiteral("printcover")));
        QVERIFY(m_cover->isVisible());
        QCOMPARE(field<QLineEdit>("cdname")->text(), QStringLiteral("My Disc"));
        QCOMPARE(field<QLineEdit>("cddate")->text(), today());
        QCOMPARE(field<QLineEdit>("cdnr")->text(), QString());
        QCOMPARE(field<QComboBox>("ZolLogo")->currentIndex(), 0);
        QCOMPARE(field<QComboBox>("ZolLogo")->currentText(), QStringLiteral("Yes, the zol got me !!!"));
        QCOMPARE(contentView()->toPlainText(), QStringLiteral("*** Games ***\nA;B;\n"));
        QCOMPARE(contentView()->document()->blockCount(), 3);
    }

    void editedFieldsAreKeptAndEmptyOnesRefilled() {
        field<QLineEdit>("cddate")->setText(QStringLiteral("Spring 2027"));
        field<QLineEdit>("cdname")->clear();
        field<ui::ColorBox>("cdnamecolor")->setColor(Qt::red);
        reopen();
        QCOMPARE(field<QLineEdit>("cddate")->text(), QStringLiteral("Spring 2027"));
        QCOMPARE(field<QLineEdit>("cdname")->text(), QStringLiteral("My Disc"));
        QCOMPARE(field<ui::ColorBox>("cdnamecolor")->color(), QColor(Qt::red));
        field<QLineEdit>("cddate")->clear();
        reopen();
        QCOMPARE(field<QLineEdit>("cddate")->text(), today());
        field<ui::ColorBox>("cdnamecolor")->setColor(Qt::black);
    }

    void contentListIsRebuiltUnlessItsFirstLineIsEmpty() {
        contentView()->setPlainText(QStringLiteral("my own list"));
        reopen();
        QCOMPARE(contentView()->document()->firstBlock().text(), QStringLiteral("*** Games ***"));

        contentView()->setPlainText(QStringLiteral("\nmy own list"));
        reopen();
        QCOMPARE(contentView()->toPlainText(), QStringLiteral("\nmy own list"));
        contentView()->setPlainText(QStringLiteral("x"));
        reopen();
    }

    void contentIsPrintedUnderTheDiscName() {
        field<QLineEdit>("cdname")->setText(QStringLiteral("Issue 5"));
        QVERIFY(press(*m_cover, QStringLiteral("contentview")));
        ContentDialog* content = contentDialog(*m_cover);
        QVERIFY(content->isVisible());
        m_fakes.print.jobs.clear();
        QVERIFY(press(*content, QStringLiteral("printcontent")));
        QCOMPARE(m_fakes.print.jobs.size(), 1);
        QCOMPARE(m_fakes.print.jobs[0].title, QStringLiteral("- content of Issue 5 -"));
        QVERIFY(m_fakes.print.jobs[0].text.startsWith(QStringLiteral("*** Games ***\nA;B;")));
        QVERIFY(press(*content, QStringLiteral("cancel")));
        QVERIFY(!content->isVisible());
        field<QLineEdit>("cdname")->setText(QStringLiteral("My Disc"));
    }

    void picturesAreChosenAndUnreadableOnesReported() {
        m_disc.writeBitmap(QStringLiteral("back.bmp"), QColor(128, 128, 0), QSize(16, 16));
        m_disc.writeRaw(QStringLiteral("broken.wmf"), QByteArray("not a metafile"));
        const QString back = m_disc.cfg() + QStringLiteral("back.bmp");

        m_fakes.choosers.queueOpenFile(m_disc.cfg() + QStringLiteral("broken.wmf"));
        QVERIFY(press(*m_cover, QStringLiteral("backload")));
        QCOMPARE(m_fakes.messages.shown.size(), 1);
        QVERIFY(m_fakes.messages.shown[0].text.contains(QStringLiteral("broken.wmf")));
        QVERIFY(pictureFile("backname").isEmpty());
        QCOMPARE(m_fakes.choosers.requests.last().file.filter, CoverDialog::pictureFilter());
        QVERIFY(CoverDialog::pictureFilter().startsWith(
            QStringLiteral("Alle Dateien (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|")));

        m_fakes.choosers.queueOpenFile(back);
        QVERIFY(press(*m_cover, QStringLiteral("backload")));
        QCOMPARE(pictureFile("backname"), back);
        QCOMPARE(field<QLabel>("backname")->text(), QStringLiteral("back.bmp"));
        QVERIFY(press(*m_cover, QStringLiteral("backload"))); // cancelled: the picture stays
        QCOMPARE(pictureFile("backname"), back);
        m_fakes.choosers.queueOpenFile(back);
        QVERIFY(press(*m_cover, QStringLiteral("logoload")));
        QCOMPARE(pictureFile("logoname"), back);
        QVERIFY(press(*m_cover, QStringLiteral("logoclear")));
        QVERIFY(press(*m_cover, QStringLiteral("backclear")));
        QVERIFY(pictureFile("backname").isEmpty() && pictureFile("logoname").isEmpty());
        QVERIFY(field<QLabel>("backname")->text().isEmpty());
        QCOMPARE(m_fakes.messages.shown.size(), 1);
    }

    void coverIsPreviewedWithItsDefaultsAndLogos() {
        const int dpi = m_fakes.print.pageDpi;
        m_fakes.print.jobs.clear();
        QVERIFY(press(*m_cover, QStringLiteral("printcover")));
        QCOMPARE(m_fakes.print.jobs.size(), 1);
        const QImage page = m_fakes.print.jobs[0].page;
        QCOMPARE(at(page, 90, 52, dpi), QColor(Qt::black));         // title box
        QCOMPARE(at(page, 26.5, 13.8, dpi), QColor(128, 128, 128)); // date box
        QCOMPARE(at(page, 105, 113.3, dpi), QColor(0, 0, 128));     // number box
        QCOMPARE(at(page, 2.6, 160, dpi), QColor(Qt::white));       // spines
        QVERIFY(at(page, 40, 117.7, dpi) != QColor(Qt::white));     // product logo

        // The second choice leaves the product logo out; a chosen logo picture is printed anyway.
        m_disc.writeBitmap(QStringLiteral("logo.bmp"), QColor(128, 0, 128), QSize(40, 40));
        m_fakes.choosers.queueOpenFile(m_disc.cfg() + QStringLiteral("logo.bmp"));
        QVERIFY(press(*m_cover, QStringLiteral("logoload")));
        field<QComboBox>("ZolLogo")->setCurrentIndex(1);
        m_fakes.print.pdfFile = QDir(m_disc.root()).filePath(QStringLiteral("cover.pdf"));
        QVERIFY(press(*m_cover, QStringLiteral("printcover")));
        const QImage second = m_fakes.print.jobs.last().page;
        for (const QPointF mm : {QPointF(40, 117.7), QPointF(60, 116), QPointF(96, 122)})
            QCOMPARE(at(second, mm.x(), mm.y(), dpi), QColor(Qt::white));
        QCOMPARE(at(second, 6, 97, dpi), QColor(128, 0, 128));
        QVERIFY(QFileInfo(m_fakes.print.pdfFile).size() > 0);
        m_fakes.print.pdfFile.clear();
        QVERIFY(press(*m_cover, QStringLiteral("logoclear")));
        field<QComboBox>("ZolLogo")->setCurrentIndex(0);
    }

    void labelsStandOutFromTheBackground_data() { shippedLanguages(); }
    void labelsStandOutFromTheBackground() {
        QFETCH(QString, languageFile);
        DiscFixture disc;
        shippedDisc(disc, languageFile);
        FakeServices fakes;
        MenuWindow window(fakes.services(), disc.folders());
        window.startUp();
        auto* cover = control<QDialog>(window, QStringLiteral("Tprintdlgform"));
        for (QDialog* dialog : {cover, static_cast<QDialog*>(contentDialog(*cover))}) {
            const QList<ui::EffectLabel*> labels =
                dialog->findChildren<ui::EffectLabel*>(Qt::FindDirectChildrenOnly);
            QVERIFY(!labels.isEmpty());
            // What lies under the labels, without them.
            for (ui::EffectLabel* label : labels)
                label->hide();
            const QImage ground = dialog->grab().toImage();
            for (const ui::EffectLabel* label : labels) {
                const QRect area = label->geometry() & ground.rect();
                double least = 21;
                for (int y = area.top(); y <= area.bottom(); ++y)
                    for (int x = area.left(); x <= area.right(); ++x)
                        least = std::min(least, ui::contrastRatio(label->color(), ground.pixelColor(x, y)));
                QVERIFY2(least >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(label->text()).arg(least)));
            }
        }
    }

    void labelsShowTheirWholeText_data() { shippedLanguages(); }
    void labelsShowTheirWholeText() {
        QFETCH(QString, languageFile);
        DiscFixture disc;
        shippedDisc(disc, languageFile);
        FakeServices fakes;
        MenuWindow window(fakes.services(), disc.folders());
        window.startUp();
        const auto* cover = control<QDialog>(window, QStringLiteral("Tprintdlgform"));
        const auto* number = control<ui::EffectLabel>(*cover, QStringLiteral("Label7"));
        QVERIFY(number->text().contains(u'6'));
        for (const ui::EffectLabel* label :
             cover->findChildren<ui::EffectLabel*>(Qt::FindDirectChildrenOnly)) {
            const int room = label->width() - ui::effectMargin(label->effect()) - 2;
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= room,
                     qPrintable(label->text()));
        }
        // Only what needs it is smaller.
        QCOMPARE(control<ui::EffectLabel>(*cover, QStringLiteral("Label15"))->font().pointSizeF(),
                 cover->font().pointSizeF());
    }

    void captionsComeFromTheLanguageFile() {
        DiscFixture disc;
        const QString language = QStringLiteral("language.zol");
        disc.set(language, QStringLiteral("Language"), QStringLiteral("Language"), QStringLiteral("1"));
        disc.set(language, QStringLiteral("Cover"), QStringLiteral("Cover_Header"), QStringLiteral("Inhalt"));
        disc.set(language, QStringLiteral("Buttons"), QStringLiteral("22"), QStringLiteral("drucken"));
        disc.set(language, QStringLiteral("Buttons"), QStringLiteral("24"), QStringLiteral("Liste drucken"));
        disc.set(language, QStringLiteral("Details"), QStringLiteral("7"), QStringLiteral("CD Nr."));
        disc.set(language, QStringLiteral("Forms"), QStringLiteral("2"), QStringLiteral("Cover drucken"));
        disc.save();
        FakeServices fakes;
        MenuWindow window(fakes.services(), disc.folders());
        window.startUp();
        auto* cover = control<CoverDialog>(window, QStringLiteral("Tprintdlgform"));
        QCOMPARE(cover->windowTitle(), QStringLiteral("Cover drucken"));
        QCOMPARE(control<ui::ShadowButton>(*cover, QStringLiteral("printcover"))->text(),
                 QStringLiteral("drucken"));
        QCOMPARE(control<ui::ShadowButton>(*contentDialog(*cover), QStringLiteral("printcontent"))->text(),
                 QStringLiteral("Liste drucken"));
        QCOMPARE(control<QComboBox>(*cover, QStringLiteral("ZolLogo"))->itemText(1),
                 QStringLiteral("Bitte, keine Werbung."));
        QCOMPARE(cover->coverPage().contentHeading, QStringLiteral("Inhalt"));
        // Today in German, with the whole year.
        QVERIFY(press(window, QStringLiteral("printcover")));
        QCOMPARE(control<QLineEdit>(*cover, QStringLiteral("cddate"))->text(),
                 QDate::currentDate().toString(u"dd.MM.yyyy"));
        // Without categories the list is empty.
        QCOMPARE(cover->coverPage().content, QStringList({QString()}));
        cover->reject();
    }
};

QTEST_MAIN(TestCoverDialog)
#include "tst_coverdialog.moc"
