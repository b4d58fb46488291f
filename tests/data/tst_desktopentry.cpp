// The editor on the desktop: the program folder's desktop entry and AppStream metadata pass the
// standard validators, the entry starts the installed editor wherever the folder lies, and the
// user's menu gets exactly what the install adds and loses exactly that again.
#include "tests/support/SkipUnlessCi.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kId = QStringLiteral(LUMBREL_DESKTOP_ID);
const QString kProgramFolder = QStringLiteral(LUMBREL_PROGRAM_FOLDER) + u'/';
const QString kDesktopFolder = QStringLiteral(LUMBREL_DESKTOP_DIR) + u'/';
const QString kEntry = u"applications/"_s + kId + u".desktop"_s;

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& arguments, const QString& dataHome = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!dataHome.isEmpty())
        environment.insert(u"XDG_DATA_HOME"_s, dataHome);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, u"did not finish: "_s + program};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file and folder below a folder, each with the bytes of the files, so that two states compare.
QStringList tree(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString name = QDir(folder).relativeFilePath(info.filePath());
        entries.append(info.isDir() ? name + u'/'
                                    : name + u' ' + QString::fromLatin1(readFile(info.filePath()).toHex()));
    }
    entries.sort();
    return entries;
}

// The value of a key of the desktop entry's main group.
QString entryValue(const QByteArray& entry, const QString& key) {
    for (const QByteArray& line : entry.split('\n'))
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    return {};
}

} // namespace

class TestDesktopEntry : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_programFolder; // a program folder of its own, with an entry and two icons

    QString script() const { return kDesktopFolder + u"desktop-menu.sh"_s; }

    // Writes the entry as the install step does, for a program at that path.
    Run writeEntry(const QString& program, const QString& entry) const {
        return run(QStringLiteral(LUMBREL_CMAKE),
                   {u"-DTEMPLATE="_s + kDesktopFolder + kId + u".desktop.in"_s, u"-DENTRY="_s + entry,
                    u"-DPROGRAM="_s + program, u"-P"_s, kDesktopFolder + u"DesktopEntry.cmake"_s});
    }

    void requireValidator(const QString& name) {
        if (QStandardPaths::findExecutable(name).isEmpty())
            SKIP_UNLESS_CI("a validator is not installed");
    }

private Q_SLOTS:
    void initTestCase() {
        m_programFolder = m_dir.filePath(u"program"_s);
        const Run written =
            writeEntry(m_programFolder + u"/Lumbre"_s, m_programFolder + u"/share/"_s + kEntry);
        QVERIFY2(written.exitCode == 0, qPrintable(written.output));
        for (const QString& size : {u"16x16"_s, u"48x48"_s})
            writeFile(m_programFolder + u"/share/icons/hicolor/"_s + size + u"/apps/"_s + kId + u".png"_s,
                      size.toUtf8());
    }

    void installedEntryAndMetadataValidate() {
        const QString entry = kProgramFolder + u"share/"_s + kEntry;
        const QString metadata = kProgramFolder + u"share/metainfo/"_s + kId + u".metainfo.xml"_s;
        if (!QFile::exists(entry))
            SKIP_UNLESS_CI("the program folder is not installed");
        requireValidator(u"desktop-file-validate"_s);
        requireValidator(u"appstreamcli"_s);
        Run result = run(u"desktop-file-validate"_s, {entry});
        QVERIFY2(result.exitCode == 0 && result.output.isEmpty(), qPrintable(result.output));
        result = run(u"appstreamcli"_s, {u"validate"_s, u"--no-net"_s, metadata});
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));

        // It starts the installed editor, and its icon lies there in the usual sizes.
        const QByteArray text = readFile(entry);
        QCOMPARE(entryValue(text, u"Exec"_s), u'"' + kProgramFolder + u"Lumbre\""_s);
        QVERIFY(QFileInfo(entryValue(text, u"TryExec"_s)).isExecutable());
        QCOMPARE(entryValue(text, u"Icon"_s), kId);
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString icon =
                kProgramFolder + u"share/icons/hicolor/%1x%1/apps/"_s.arg(size) + kId + u".png"_s;
            QImageReader reader(icon);
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.size(), QSize(size, size));
        }
    }

    // Spaces, quotes, dollars, backslashes and percent signs in the folder's path start the
    // same program; a line break cannot be said in an entry and stops the install.
    void awkwardProgramPathsStayOneCommand() {
        requireValidator(u"desktop-file-validate"_s);
        const QString entry = m_dir.filePath(u"awkward.desktop"_s);
        const Run written = writeEntry(u"/opt/my discs/$HOME `x` \"q\" \\n 100%/Lumbre"_s, entry);
        QVERIFY2(written.exitCode == 0, qPrintable(written.output));
        const Run result = run(u"desktop-file-validate"_s, {entry});
        QVERIFY2(result.exitCode == 0 && result.output.isEmpty(), qPrintable(result.output));
        QCOMPARE(entryValue(readFile(entry), u"Exec"_s),
                 uR"("/opt/my discs/\\$HOME \\`x\\` \\"q\\" \\\\n 100%%/Lumbre")"_s);

        QVERIFY(writeEntry(u"/opt/a\nb/Lumbre"_s, m_dir.filePath(u"broken.desktop"_s)).exitCode != 0);
        QVERIFY(!QFile::exists(m_dir.filePath(u"broken.desktop"_s)));
    }

    // The user's menu already has things of its own; the install adds the entry and the icons, a
    // second install changes nothing more, and the uninstall leaves the menu as it was.
    void uninstallRemovesExactlyWhatInstallAdded() {
        const QString dataHome = m_dir.filePath(u"home-a"_s);
        writeFile(dataHome + u"/applications/other.desktop"_s, "[Desktop Entry]\n");
        writeFile(dataHome + u"/icons/hicolor/48x48/apps/other.png"_s, "other");
        const QStringList before = tree(dataHome);

        Run result = run(script(), {u"install"_s, m_programFolder}, dataHome);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QCOMPARE(readFile(dataHome + u'/' + kEntry), readFile(m_programFolder + u"/share/"_s + kEntry));
        QCOMPARE(readFile(dataHome + u"/icons/hicolor/16x16/apps/"_s + kId + u".png"_s), QByteArray("16x16"));
        QCOMPARE(readFile(dataHome + u"/icons/hicolor/48x48/apps/"_s + kId + u".png"_s), QByteArray("48x48"));
        const QStringList installed = tree(dataHome);
        result = run(script(), {u"install"_s, m_programFolder}, dataHome);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QCOMPARE(tree(dataHome), installed);

        result = run(script(), {u"uninstall"_s}, dataHome);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QCOMPARE(tree(dataHome), before);
        // Nothing to remove is no failure.
        QCOMPARE(run(script(), {u"uninstall"_s}, dataHome).exitCode, 0);
    }

    // What the user changed or put in place of an added file stays; a link is never written through.
    void theUsersFilesStay() {
        const QString dataHome = m_dir.filePath(u"home-b"_s);
        const QString target = m_dir.filePath(u"target.png"_s);
        writeFile(target, "the user's own picture");
        const QString linkedIcon = dataHome + u"/icons/hicolor/16x16/apps/"_s + kId + u".png"_s;
        QVERIFY(QDir().mkpath(QFileInfo(linkedIcon).path()));
        QVERIFY(QFile::link(target, linkedIcon));

        Run result = run(script(), {u"install"_s, m_programFolder}, dataHome);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QCOMPARE(readFile(target), QByteArray("the user's own picture"));
        QVERIFY(QFileInfo(linkedIcon).isSymLink());
        writeFile(dataHome + u'/' + kEntry, "[Desktop Entry]\nName=Mine\n");

        result = run(script(), {u"uninstall"_s}, dataHome);
        QVERIFY2(result.exitCode == 0, qPrintable(result.output));
        QCOMPARE(readFile(dataHome + u'/' + kEntry), QByteArray("[Desktop Entry]\nName=Mine\n"));
        QVERIFY(QFileInfo(linkedIcon).isSymLink());
        QVERIFY(!QFile::exists(dataHome + u"/icons/hicolor/48x48"_s));
    }

    void aFolderWithoutEntryIsRefused() {
        const QString dataHome = m_dir.filePath(u"home-c"_s);
        const Run result = run(script(), {u"install"_s, m_dir.filePath(u"nothing"_s)}, dataHome);
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.output.contains(u"no desktop entry"_s));
        QVERIFY(!QFile::exists(dataHome));
    }
};

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktopentry.moc"
