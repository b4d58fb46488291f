// Both programs come up, and neither aborts where a desktop is missing.
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "menu/gui/MenuWindow.h"
#include "ui/testing/FakeServices.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

class TestProgramStart : public QObject {
    Q_OBJECT

private:
    static void expectExplainedExitWithoutDisplay(const QString& program, const QString& name) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(variable));
        process.setProcessEnvironment(env);
        process.start(program, {});
        QVERIFY2(process.waitForFinished(20000), qPrintable(program));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(error.startsWith(name + QStringLiteral(" needs a graphical display")), qPrintable(error));
    }

private Q_SLOTS:
    void editorShowsItsMainWindow() {
        // No settings file, no language file, no program folder contents: the defaults hold.
        QTemporaryDir empty;
        ui::testing::FakeServices fakes;
        EditorState state;
        state.programFolder = empty.path() + QDir::separator();
        MainWindow form1(state, fakes.services());
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QCOMPARE(form1.windowTitle(), QStringLiteral("Tavik - Lumbrel 4.0"));
        QCOMPARE(form1.items().itemCount(), 1);
    }

    void menuWindowIsFixedWithoutCloseBox() {
        ui::testing::FakeServices fakes;
        MenuWindow form1(fakes.services());
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QCOMPARE(form1.size(), QSize(632, 413));
        QCOMPARE(form1.minimumSize(), form1.maximumSize());
        QVERIFY(!(form1.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void clickSoundIsAShortMonoWave() {
        QFile wave(QStringLiteral(":/sounds/click.wav"));
        QVERIFY(wave.open(QIODevice::ReadOnly));
        const QByteArray bytes = wave.readAll();
        QVERIFY(bytes.size() > 44);
        QCOMPARE(bytes.left(4), QByteArray("RIFF"));
        QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
        const auto* h = reinterpret_cast<const uchar*>(bytes.constData());
        QCOMPARE(qFromLittleEndian<quint16>(h + 20), quint16(1));     // PCM
        QCOMPARE(qFromLittleEndian<quint16>(h + 22), quint16(1));     // mono
        QCOMPARE(qFromLittleEndian<quint32>(h + 24), quint32(22050)); // sample rate
        QCOMPARE(qFromLittleEndian<quint16>(h + 34), quint16(16));    // bits
        const quint32 dataSize = qFromLittleEndian<quint32>(h + 40);
        QCOMPARE(qsizetype(dataSize) + 44, bytes.size());
        QVERIFY(dataSize < 22050 * 2 / 5); // well under a fifth of a second
    }

    void programsWithoutDisplayExplainAndEnd() {
        expectExplainedExitWithoutDisplay(QStringLiteral(EDITOR_EXECUTABLE), QStringLiteral("Lumbrel"));
        expectExplainedExitWithoutDisplay(QStringLiteral(MENU_EXECUTABLE), QStringLiteral("tiv"));
    }
};

QTEST_MAIN(TestProgramStart)
#include "tst_programstart.moc"
