// The scripted doubles are what every window test relies on; their answering rules must hold.
#include "ui/testing/FakeServices.h"

#include <QtTest>

using ui::MessageBoxService;
using ui::testing::FakeServices;

class TestFakeServices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageBoxesTakeQueuedAnswersInOrder() {
        FakeServices fakes;
        ui::Services services = fakes.services();
        bool openedWhileShown = false;
        fakes.messages.queueAnswer(MessageBoxService::Answer::Yes, [&] { openedWhileShown = true; });
        fakes.messages.queueAnswer(MessageBoxService::Answer::Ok);

        services.messages.setCaptions(QStringLiteral("Ja"), QStringLiteral("Nein"));
        QCOMPARE(services.messages.show(MessageBoxService::Kind::Question, MessageBoxService::Buttons::YesNo,
                                        QStringLiteral("first")),
                 MessageBoxService::Answer::Yes);
        QVERIFY(openedWhileShown);
        QCOMPARE(services.messages.show(MessageBoxService::Kind::Error, MessageBoxService::Buttons::OkCancel,
                                        QStringLiteral("second")),
                 MessageBoxService::Answer::Ok);
        QCOMPARE(fakes.messages.pendingAnswers(), 0);

        QCOMPARE(fakes.messages.shown.size(), 2);
        QCOMPARE(fakes.messages.shown[0].text, QStringLiteral("first"));
        QCOMPARE(fakes.messages.shown[0].yesCaption, QStringLiteral("Ja"));
        QCOMPARE(fakes.messages.shown[0].noCaption, QStringLiteral("Nein"));
        QCOMPARE(fakes.messages.shown[1].kind, MessageBoxService::Kind::Error);
    }

    void unscriptedBoxesPressTheHarmlessButton() {
        FakeServices fakes;
        auto& m = fakes.messages;
        QCOMPARE(m.show(MessageBoxService::Kind::Information, MessageBoxService::Buttons::Ok, {}),
                 MessageBoxService::Answer::Ok);
        QCOMPARE(m.show(MessageBoxService::Kind::Warning, MessageBoxService::Buttons::OkCancel, {}),
                 MessageBoxService::Answer::Cancel);
        QCOMPARE(m.show(MessageBoxService::Kind::Question, MessageBoxService::Buttons::YesNo, {}),
                 MessageBoxService::Answer::No);
    }

    void choosersAnswerByKindAndCancelWhenEmpty() {
        FakeServices fakes;
        fakes.choosers.queueSaveFile(QStringLiteral("/p/new.lbp"));
        fakes.choosers.queueOpenFile(QStringLiteral("/p/old.lbp"));
        fakes.choosers.queueFolder(QStringLiteral("/disc"));

        ui::ChooserService::FileRequest request{QStringLiteral("Open"), QStringLiteral("/p"),
                                                QStringLiteral("Project|*.lbp"), QStringLiteral("lbp"), {}};
        QCOMPARE(fakes.choosers.openFile(request), QStringLiteral("/p/old.lbp"));
        QCOMPARE(fakes.choosers.openFile(request), QString());
        QCOMPARE(fakes.choosers.saveFile(request), QStringLiteral("/p/new.lbp"));
        QCOMPARE(fakes.choosers.chooseFolder(QStringLiteral("Build"), QStringLiteral("Choose"), QStringLiteral("/")),
                 QStringLiteral("/disc"));

        QCOMPARE(fakes.choosers.requests.size(), 4);
        QCOMPARE(fakes.choosers.requests[0].file.filter, QStringLiteral("Project|*.lbp"));
        QCOMPARE(fakes.choosers.requests[3].prompt, QStringLiteral("Choose"));
        QCOMPARE(fakes.choosers.requests[3].file.folder, QStringLiteral("/"));
    }

    void shellSoundClipboardAndHelpAreRecorded() {
        FakeServices fakes;
        ui::Services s = fakes.services();
        s.shell.open(QStringLiteral("http://example.org"));
        s.shell.explore(QStringLiteral("/disc"));
        s.shell.startProgram(QStringLiteral("/disc/tiv.exe"), QStringLiteral("/disc"));
        using Verb = ui::testing::FakeShell::Verb;
        QCOMPARE(fakes.shell.calls,
                 (QList<ui::testing::FakeShell::Call>{{Verb::Open, QStringLiteral("http://example.org"), {}},
                                                      {Verb::Explore, QStringLiteral("/disc"), {}},
                                                      {Verb::Start, QStringLiteral("/disc/tiv.exe"),
                                                       QStringLiteral("/disc")}}));

        s.sound.play(QStringLiteral(":/sounds/click.wav"));
        s.sound.play(QStringLiteral("/disc/cfg/sound3.wav"));
        QCOMPARE(fakes.sound.playing, QStringLiteral("/disc/cfg/sound3.wav"));
        s.sound.stop();
        QVERIFY(fakes.sound.playing.isEmpty());
        QCOMPARE(fakes.sound.played.size(), 2);

        s.clipboard.setText(QStringLiteral("SERIAL-123"));
        QCOMPARE(s.clipboard.text(), QStringLiteral("SERIAL-123"));
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        s.clipboard.setImage(picture);
        QCOMPARE(s.clipboard.image(), picture);
        QVERIFY(s.clipboard.text().isEmpty());

        s.help.showHelp(QStringLiteral("/p/Help/ZolHlp2.hlp"), 30);
        QCOMPARE(fakes.help.topics,
                 (QList<ui::testing::FakeHelp::Topic>{{QStringLiteral("/p/Help/ZolHlp2.hlp"), 30}}));
    }
};

QTEST_APPLESS_MAIN(TestFakeServices)
#include "tst_fakeservices.moc"
