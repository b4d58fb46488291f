// The real services, driven offscreen: modal boxes are answered by a timer that finds them.
#include "ui/QtTexts.h"
#include "ui/services/DesktopChoosers.h"
#include "ui/services/DesktopMessageBox.h"
#include "ui/services/DesktopPrint.h"
#include "ui/services/DesktopSound.h"
#include "ui/services/HelpWindow.h"
#include "ui/services/ModalScope.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

using ui::MessageBoxService;

class TestDesktopServices : public QObject {
    Q_OBJECT

private:
    // Presses the button with the given caption on the next message box and records all captions.
    static void pressOnNextBox(const QString& caption, QStringList* captions, QMessageBox::Icon* icon) {
        QTimer::singleShot(0, [=] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            *icon = box->icon();
            QPushButton* target = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                captions->append(b->text());
                if (b->text() == caption)
                    target = qobject_cast<QPushButton*>(b);
            }
            if (target)
                target->click();
            else
                box->reject();
        });
    }

private Q_SLOTS:
    void messagesShowTheirTextAsWritten() {
        // Texts from files quote markup; a box that took it for rich text would load what an
        // <img> names (a device that never ends).
        ui::DesktopMessageBox messages;
        const QString text = QStringLiteral("<img src=\"/dev/zero\">Programs <b>not bold</b>");
        Qt::TextFormat format = Qt::AutoText;
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            format = box->textFormat();
            shown = box->text();
            box->accept();
        });
        messages.show(MessageBoxService::Kind::Information, MessageBoxService::Buttons::Ok, text);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, text);
    }

    void messageBoxAnswersWithThePressedButton() {
        ui::DesktopMessageBox messages;
        QStringList captions;
        QMessageBox::Icon icon{};

        pressOnNextBox(QStringLiteral("No"), &captions, &icon);
        QCOMPARE(messages.show(MessageBoxService::Kind::Question, MessageBoxService::Buttons::YesNo,
                               QStringLiteral("Save?")),
                 MessageBoxService::Answer::No);
        // Before any language is applied the Yes button reads "OK".
        QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("No")}));
        QCOMPARE(icon, QMessageBox::Question);

        messages.setCaptions(QStringLiteral("Ja"), QStringLiteral("Nein"));
        captions.clear();
        pressOnNextBox(QStringLiteral("Ja"), &captions, &icon);
        QCOMPARE(messages.show(MessageBoxService::Kind::Warning, MessageBoxService::Buttons::YesNo,
                               QStringLiteral("Weiter?")),
                 MessageBoxService::Answer::Yes);
        QCOMPARE(captions, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
        QCOMPARE(icon, QMessageBox::Warning);

        // OK and Cancel are Qt's own: English until Qt's German texts are installed.
        captions.clear();
        pressOnNextBox(QStringLiteral("Cancel"), &captions, &icon);
        QCOMPARE(messages.show(MessageBoxService::Kind::Error, MessageBoxService::Buttons::OkCancel,
                               QStringLiteral("Not found")),
                 MessageBoxService::Answer::Cancel);
        QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
        QCOMPARE(icon, QMessageBox::Critical);
    }

    void qtsOwnTextsFollowTheLanguage() {
        ui::DesktopMessageBox messages;
        QStringList captions;
        QMessageBox::Icon icon{};
        ui::QtTexts qtTexts;
        QVERIFY(qtTexts.follow(true));
        pressOnNextBox(QStringLiteral("Abbrechen"), &captions, &icon);
        QCOMPARE(messages.show(MessageBoxService::Kind::Question, MessageBoxService::Buttons::YesNoCancel,
                               QStringLiteral("Speichern?")),
                 MessageBoxService::Answer::Cancel);
        QVERIFY(captions.contains(QStringLiteral("Abbrechen")));
        captions.clear();
        pressOnNextBox(QStringLiteral("OK"), &captions, &icon);
        messages.show(MessageBoxService::Kind::Error, MessageBoxService::Buttons::OkCancel,
                      QStringLiteral("?"));
        QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("Abbrechen")}));
        {
            QFileDialog chooser;
            chooser.setOption(QFileDialog::DontUseNativeDialog);
            QCOMPARE(chooser.labelText(QFileDialog::LookIn), QStringLiteral("Suchen in:"));
            QCOMPARE(chooser.labelText(QFileDialog::FileName), QStringLiteral("Datei&name:"));
        }

        // Back to English: Qt's built-in texts.
        QVERIFY(qtTexts.follow(false));
        captions.clear();
        pressOnNextBox(QStringLiteral("Cancel"), &captions, &icon);
        messages.show(MessageBoxService::Kind::Error, MessageBoxService::Buttons::OkCancel,
                      QStringLiteral("?"));
        QCOMPARE(captions, (QStringList{QStringLiteral("OK"), QStringLiteral("Cancel")}));
    }

    void messageBoxClosedWithoutAButtonChangesNothing() {
        ui::DesktopMessageBox messages;
        QStringList captions;
        QMessageBox::Icon icon{};
        pressOnNextBox(QString(), &captions, &icon);
        QCOMPARE(messages.show(MessageBoxService::Kind::Question, MessageBoxService::Buttons::YesNo,
                               QStringLiteral("Delete?")),
                 MessageBoxService::Answer::No);
        pressOnNextBox(QString(), &captions, &icon);
        QCOMPARE(messages.show(MessageBoxService::Kind::Error, MessageBoxService::Buttons::OkCancel,
                               QStringLiteral("Retry?")),
                 MessageBoxService::Answer::Cancel);
        pressOnNextBox(QString(), &captions, &icon);
        QCOMPARE(messages.show(MessageBoxService::Kind::Information, MessageBoxService::Buttons::Ok,
                               QStringLiteral("Done")),
                 MessageBoxService::Answer::Ok);
        QCOMPARE(icon, QMessageBox::Information);
    }

    void chooserFiltersBecomeNameFilters() {
        QCOMPARE(ui::DesktopChoosers::nameFilters(QStringLiteral("Tavik - Lumbrel - Project|*.lbp")),
                 QStringList{QStringLiteral("Tavik - Lumbrel - Project (*.lbp)")});
        QCOMPARE(ui::DesktopChoosers::nameFilters(QStringLiteral("Pictures|*.bmp;*.jpg|All files|*.*")),
                 (QStringList{QStringLiteral("Pictures (*.bmp *.jpg)"), QStringLiteral("All files (*.*)")}));
        QVERIFY(ui::DesktopChoosers::nameFilters(QString()).isEmpty());
    }

    void helpWindowOpensTheTopicOfAContextNumber() {
        QCOMPARE(ui::HelpService::htmlFileFor(QStringLiteral("/p/Help/ZolHlp1.hlp")),
                 QStringLiteral("/p/Help/ZolHlp1.html"));
        QCOMPARE(ui::HelpService::htmlFileFor(QStringLiteral("/p/Help/ZolHlp2.HLP")),
                 QStringLiteral("/p/Help/ZolHlp2.html"));

        QTemporaryDir dir;
        QFile html(dir.filePath(QStringLiteral("ZolHlp1.html")));
        QVERIFY(html.open(QIODevice::WriteOnly));
        QByteArray page = "<html><head><title>Lumbrel Help</title></head><body>";
        for (int i = 0; i < 200; ++i)
            page += "<p>Filler line " + QByteArray::number(i) + "</p>";
        page += "<h2><a name=\"1040\"></a>Adding files</h2><p>How to add files.</p>";
        for (int i = 0; i < 200; ++i)
            page += "<p>More filler " + QByteArray::number(i) + "</p>";
        html.write(page + "</body></html>");
        html.close();

        ui::HelpWindow help;
        help.showHelp(dir.filePath(QStringLiteral("ZolHlp1.hlp")), 1040);
        QVERIFY(help.isVisible());
        QCOMPARE(help.windowTitle(), QStringLiteral("Lumbrel Help"));
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("How to add files.")));
        QVERIFY(help.browser()->verticalScrollBar()->value() > 0);

        help.showHelp(dir.filePath(QStringLiteral("ZolHlp9.hlp")), 1);
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("ZolHlp9.html")));
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("cannot be found")));
    }

    void helpComesToTheFrontOnTheScreen() {
        ui::HelpWindow help;
        help.resize(5000, 5000);
        help.showHelp(QStringLiteral("/nowhere/ZolHlp1.hlp"), 1);
        const QRect area = help.screen()->availableGeometry();
        QVERIFY(area.contains(help.frameGeometry()));
        QCOMPARE(help.windowModality(), Qt::NonModal);
        help.hide();

        // Asked for from a modal dialog, help opens above it and takes the input.
        QDialog dialog;
        bool aboveTheDialog = false;
        QTimer::singleShot(0, [&] {
            help.showHelp(QStringLiteral("/nowhere/ZolHlp1.hlp"), 1);
            aboveTheDialog =
                QApplication::activeModalWidget() == &help && area.contains(help.frameGeometry());
            help.close();
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(aboveTheDialog);

        help.showHelp(QStringLiteral("/nowhere/ZolHlp1.hlp"), 1);
        QCOMPARE(help.windowModality(), Qt::NonModal);
    }

    // The wait window and its kind make way for the print dialog and the preview as they do for
    // message boxes, and come back once they close.
    void printWindowsMakeWay() {
        struct Recorder : ui::StepAside {
            QList<bool> calls;
            void stepAside(bool aside) override { calls << aside; }
        } recorder;
        ui::DesktopPrint print;
        const auto closeNextWindow = [](bool* asideWhileOpen) {
            QTimer::singleShot(0, [=] {
                *asideWhileOpen = ui::ModalScope::open();
                if (QWidget* w = QApplication::activeModalWidget())
                    w->close();
            });
        };
        bool aside = false;
        closeNextWindow(&aside);
        print.previewPage(QStringLiteral("Cover"), [](QPainter&) {});
        QVERIFY(aside);
        QCOMPARE(recorder.calls, (QList<bool>{true, false}));

        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a default printer prints without asking");
        aside = false;
        closeNextWindow(&aside);
        QTextDocument document(QStringLiteral("List"));
        QVERIFY(!print.printDocument(document, QStringLiteral("Content")));
        QVERIFY(aside);
        QCOMPARE(recorder.calls, (QList<bool>{true, false, true, false}));
    }

    // Nothing is loaded for them either: the sanitizer run reports a load abandoned at exit as a leak.
    void soundWithoutAFileOrDeviceStaysSilent() {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("ding.wav"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        ui::DesktopSound sound;
        sound.play(pipe);
        sound.play(QStringLiteral("/nonexistent/ding.wav"));
        sound.play(QString());
        sound.play(QStringLiteral(":/no/such/resource.wav"));
        sound.stop();
        sound.stop();
    }
};

QTEST_MAIN(TestDesktopServices)
#include "tst_desktopservices.moc"
