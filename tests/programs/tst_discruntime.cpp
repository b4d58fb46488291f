// A disc built from the installed program folder runs on its own runtime: lean binaries, every Qt
// and ICU library from the disc, and a menu program that comes up where the system has no Qt.
#include "editor/disc/DiscBuild.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"
#include "tests/support/SkipUnlessCi.h"

#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kProgramFolder = QStringLiteral(LUMBREL_PROGRAM_FOLDER);

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAll());
}

} // namespace

class TestDiscRuntime : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_disc;

private Q_SLOTS:
    void initTestCase() {
        if (!QFile::exists(kProgramFolder + u"Files/runtime/qt.conf"_s))
            SKIP_UNLESS_CI("the program folder is not installed");
        EditorState state;
        state.programFolder = kProgramFolder;
        m_disc = m_dir.path() + u"/disc/"_s;
        QVERIFY(discbuild::build(m_disc, state, ItemTable()).written);
    }

    void binariesCarryNoDebugInformation() {
        for (const QString& binary : {u"tiv.exe"_s, u"CFG/Unzdll.dll"_s}) {
            int exitCode = 0;
            const QString sections = run(u"objdump"_s, {u"-h"_s, m_disc + binary}, &exitCode);
            QCOMPARE(exitCode, 0);
            QVERIFY2(!sections.contains(u".debug_"_s), qPrintable(binary));
        }
    }

    void qtAndIcuResolveInsideTheDisc() {
        int exitCode = 0;
        const QString libraries = run(u"ldd"_s, {m_disc + u"tiv.exe"_s}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(!libraries.contains(u"not found"_s), qPrintable(libraries));
        int ownLibraries = 0;
        for (const QString& line : libraries.split(u'\n')) {
            if (!line.contains(u"libQt6"_s) && !line.contains(u"libicu"_s))
                continue;
            QVERIFY2(line.contains(u"=> "_s + m_disc + u"CFG/lib/"_s), qPrintable(line));
            ++ownLibraries;
        }
        QVERIFY(ownLibraries >= 6);
        QVERIFY(QFile::exists(m_disc + u"qt.conf"_s));
        QVERIFY(QFile::exists(m_disc + u"CFG/plugins/platforms/libqxcb.so"_s));
    }

    // A German disc speaks German in Qt's own buttons and choosers on a machine without Qt's
    // translations: the disc carries the catalogue, and qt.conf points Qt at it.
    void qtsGermanTextsTravelWithTheDisc() {
        QVERIFY(QFileInfo(m_disc + u"CFG/translations/qtbase_de.qm"_s).size() > 0);
        QFile conf(m_disc + u"qt.conf"_s);
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QVERIFY(conf.readAll().contains("Translations=translations"));
    }

    void menuComesUpWithTheSystemsQtHidden() {
        if (geteuid() != 0)
            QSKIP("hiding the system's libraries needs root");
        int exitCode = 0;
        run(u"unshare"_s, {u"-m"_s, u"true"_s}, &exitCode);
        if (exitCode != 0)
            QSKIP("no private mount namespace here");
        // Every system Qt library becomes an empty file; the menu program must not need one. It
        // is still running after some seconds only when its window came up.
        const QString script = uR"(for f in "$1"/libQt6*; do mount --bind /dev/null "$f" || exit 3; done
cd "$2" && QT_QPA_PLATFORM=offscreen timeout 4 ./tiv.exe)"_s;
        const QString output = run(u"unshare"_s,
                                   {u"-m"_s, u"sh"_s, u"-c"_s, script, u"sh"_s,
                                    QLibraryInfo::path(QLibraryInfo::LibrariesPath), m_disc},
                                   &exitCode);
        QVERIFY2(exitCode == 124, qPrintable(QString::number(exitCode) + u": "_s + output));
    }
};

QTEST_MAIN(TestDiscRuntime)
#include "tst_discruntime.moc"
