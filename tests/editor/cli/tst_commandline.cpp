// The editor's commands, run as a user runs them: the real program, without a display, in a program
// folder of its own, judged by its exit status, its messages and the files it leaves.
#include "common/IniFile.h"
#include "editor/cli/CommandTexts.h"
#include "tests/editor/EditorTestSupport.h"
#include "tests/support/SkipUnlessCi.h"

#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <memory>

using namespace editortest;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Every file below `folder` with its bytes, to tell that a command left it as it was.
QMap<QString, QByteArray> contentsOf(const QString& folder) {
    QMap<QString, QByteArray> contents;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        contents.insert(path, readBytes(path));
    }
    return contents;
}

// The same, named relative to `folder`.
QMap<QString, QByteArray> relativeContentsOf(const QString& folder) {
    QMap<QString, QByteArray> relative;
    const QMap<QString, QByteArray> contents = contentsOf(folder);
    for (auto it = contents.begin(); it != contents.end(); ++it)
        relative.insert(QDir(folder).relativeFilePath(it.key()), it.value());
    return relative;
}

// A project as the editor saves it: the disc folder holds one program, the project file lies beside
// the folder, and the category and design files lie in the program folder.
struct Project {
    QTemporaryDir dir;
    QString file;
    QString folder;

    explicit Project(const QString& programFolder, const std::vector<ItemRecord>& extra = {}) {
        folder = dir.path() + u"/disc/"_qs;
        writeFile(folder + u"setup.exe"_qs, "program");
        EditorState author;
        author.cdName = u"Demo CD"_qs;
        author.projectFolder = folder;
        author.files.categoryFile.set(programFolder + u"genre/cats.lbc"_qs);
        author.files.designFile.set(programFolder + u"menudesign/blue.lbd"_qs);
        author.categories = {u"Games"_qs, u"Tools"_qs};
        std::vector<ItemRecord> rows = {
            locatedItem(u"Setup"_qs, u"setup.exe"_qs, u"\\"_qs, folder + u"setup.exe"_qs)};
        rows.insert(rows.end(), extra.begin(), extra.end());
        file = writeProject(dir.path() + u"/demo.lbp"_qs, author, rows);
    }
};

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_program;
    QString m_programFolder;
    QString m_lumbre;

    // Runs the program without a display; a file size limit above 0 stands for a full disk.
    Run lumbre(const QStringList& arguments, const QStringList& environment = {}, rlim_t fileSizeLimit = 0) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* variable :
             {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES"})
            env.remove(QString::fromLatin1(variable));
        env.insert(u"LANG"_qs, u"C.UTF-8"_qs);
        for (const QString& setting : environment)
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        process.setProcessEnvironment(env);
        if (fileSizeLimit > 0) {
            process.setChildProcessModifier([fileSizeLimit] {
                // A write beyond the limit then fails as on a full disk instead of ending the process.
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{fileSizeLimit, fileSizeLimit};
                setrlimit(RLIMIT_FSIZE, &limit);
            });
        }
        process.start(m_lumbre, arguments);
        Run run;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.status = process.exitCode();
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QString files() const { return m_programFolder + u"Files/"_qs; }

    void writeSettings(const QByteArray& text) { writeFile(m_programFolder + u"lumbrel.dat"_qs, text); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_program.isValid());
        m_programFolder = m_program.path() + u"/"_qs;
        m_lumbre = m_programFolder + u"Lumbre"_qs;
        QVERIFY(QFile::copy(QStringLiteral(LUMBREL_EDITOR_EXECUTABLE), m_lumbre));
        installLanguageFiles(m_programFolder);
        QStringList shipped = {u"tiv.exe"_qs, u"Unzdll.dll"_qs, u"tiv.ico"_qs, u"autorun.inf"_qs};
        for (const char* l : {"0.0", "0.1", "1.0", "1.1"})
            shipped << u"language"_qs + QLatin1String(l);
        for (int m = 1; m <= 14; ++m)
            shipped << QStringLiteral("m%1.ico").arg(m);
        for (const QString& name : shipped)
            writeFile(files() + name, name.toLatin1());
        writeCategoryFile(m_programFolder + u"genre/cats.lbc"_qs, {u"Games"_qs, u"Tools"_qs});
        writeFile(m_programFolder + u"genre/0.ico"_qs, "icon0");
        writeFile(m_programFolder + u"genre/1.ico"_qs, "icon1");
        writeFile(m_programFolder + u"menudesign/blue.lbd"_qs, "[Language]\r\nLanguage=0\r\nStyle=1\r\n");
    }

    void init() { QFile::remove(m_programFolder + u"lumbrel.dat"_qs); }

    void builtInTextsAreTheEnglishLanguageFile() {
        const CommandTexts builtIn;
        CommandTexts english;
        english.read(common::IniFile(QStringLiteral(LUMBREL_DATA_DIR "/lang_1.dat")));
        for (int key = 1; key <= CommandTexts::LastKey; ++key)
            QCOMPARE(builtIn[CommandTexts::Key(key)], english[CommandTexts::Key(key)]);
    }

    void helpFollowsTheSettingsThenTheLocale() {
        const Run english = lumbre({u"--help"_qs});
        QCOMPARE(english.status, 0);
        QVERIFY(english.out.startsWith(u"Usage: Lumbre COMMAND PROJECT.lbp"_qs));
        for (const char* command : {"build  PROJECT.lbp", "image  PROJECT.lbp --iso FILE.iso",
                                    "check  PROJECT.lbp [--dry-run]", "export PROJECT.lbp --to", "--version",
                                    "--replace", "--accept-renamed", "--first-found", "--category-file"})
            QVERIFY2(english.out.contains(QLatin1String(command)), command);

        const Run german = lumbre({u"--help"_qs}, {u"LANG=de_DE.UTF-8"_qs});
        QCOMPARE(german.status, 0);
        QVERIFY2(german.out.startsWith(u"Aufruf: Lumbre BEFEHL"_qs), qPrintable(german.out));
        QVERIFY(german.out.contains(u"das Projekt prüfen und speichern"_qs));

        // The settings' language comes before the locale, both ways.
        writeSettings("[settings]\r\nlanguage=2\r\n");
        QVERIFY(lumbre({u"--help"_qs}).out.startsWith(u"Aufruf:"_qs));
        writeSettings("[settings]\r\nlanguage=1\r\n");
        QVERIFY(lumbre({u"--help"_qs}, {u"LANG=de_DE.UTF-8"_qs}).out.startsWith(u"Usage:"_qs));

        const Run version = lumbre({u"--version"_qs});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.out.trimmed(), u"Lumbrel 4.0"_qs);
    }

    void badCommandLinesWriteNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        const QString p = u"PROJECT"_qs;
        QTest::newRow("unknown command") << QStringList{u"burn"_qs, p} << u"burn"_qs;
        QTest::newRow("unknown option") << QStringList{u"build"_qs, p, u"--fast"_qs} << u"--fast"_qs;
        QTest::newRow("another command's option")
            << QStringList{u"build"_qs, p, u"--iso"_qs, u"x.iso"_qs} << u"--iso"_qs;
        QTest::newRow("option without value") << QStringList{u"build"_qs, p, u"--to"_qs} << u"--to"_qs;
        QTest::newRow("no project") << QStringList{u"check"_qs, u"--dry-run"_qs} << u"check"_qs;
        QTest::newRow("two projects") << QStringList{u"check"_qs, p, u"other.lbp"_qs} << u"other.lbp"_qs;
        QTest::newRow("image without file") << QStringList{u"image"_qs, p} << u"--iso"_qs;
        QTest::newRow("export without file") << QStringList{u"export"_qs, p} << u"--to"_qs;
        QTest::newRow("export format unknown")
            << QStringList{u"export"_qs, p, u"--to"_qs, u"list.pdf"_qs} << u"list.pdf"_qs;
        QTest::newRow("medium unknown")
            << QStringList{u"image"_qs, p, u"--iso"_qs, u"x.iso"_qs, u"--medium"_qs, u"bluray"_qs}
            << u"bluray"_qs;
    }
    void badCommandLinesWriteNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        Project project(m_programFolder);
        arguments.replaceInStrings(u"PROJECT"_qs, project.file);
        const auto before = contentsOf(project.dir.path());
        const Run run = lumbre(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(named) && run.err.contains(u"--help"_qs), qPrintable(run.err));
        QCOMPARE(contentsOf(project.dir.path()), before);
    }

    void buildWritesTheDiscFolderStepByStep() {
        Project project(m_programFolder);
        const Run run = lumbre({u"build"_qs, project.file});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.isEmpty());
        // Not a terminal: one line per finished step, nothing else.
        const QStringList lines = run.err.trimmed().split(u'\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith(u"Project read: "_qs), qPrintable(run.err));
        QVERIFY2(lines[1].startsWith(u"Disc folder built: "_qs), qPrintable(run.err));
        QCOMPARE(readBytes(project.folder + u"tiv.exe"_qs), QByteArray("tiv.exe"));
        const common::IniFile members(project.folder + u"CFG/members.cfg"_qs);
        QCOMPARE(members.readString(u"general", u"cdname"), u"Demo CD"_qs);
        QCOMPARE(members.readString(u"1-0", u"caption"), u"Setup"_qs);

        // Into another folder, made when missing; the project folder stays as it was.
        const auto before = contentsOf(project.folder);
        const QString other = project.dir.path() + u"/other/disc"_qs;
        QCOMPARE(lumbre({u"build"_qs, project.file, u"--to"_qs, other}).status, 0);
        QVERIFY(QFileInfo(other + u"/CFG/members.cfg"_qs).isFile());
        QCOMPARE(contentsOf(project.folder), before);
    }

    void aTerminalSeesProgressAsItGoes() {
        Project project(m_programFolder);
        int terminal = -1, child = -1;
        QVERIFY(openpty(&terminal, &child, nullptr, nullptr, nullptr) == 0);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(u"DISPLAY"_qs);
        process.setProcessEnvironment(env);
        // Standard error on the terminal, standard output still a pipe.
        process.setChildProcessModifier([child] { dup2(child, STDERR_FILENO); });
        process.start(m_lumbre, {u"build"_qs, project.file});
        QVERIFY(process.waitForFinished(60000));
        ::close(child);
        QCOMPARE(process.exitCode(), 0);
        QByteArray shown;
        fcntl(terminal, F_SETFL, O_NONBLOCK);
        char buffer[4096];
        for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;)
            shown.append(buffer, n);
        ::close(terminal);
        // The step under way is drawn and wiped again before the finished step's line.
        QVERIFY2(shown.contains("\rBuilding the disc folder ...\x1b[K\r\x1b[KDisc folder built: "), shown);
        QVERIFY(!lumbre({u"build"_qs, project.file}).err.contains(u"Building"_qs));
    }

    void buildNamesWhatTheDiscLacks() {
        Project project(m_programFolder);
        const QString icon = files() + u"m3.ico"_qs;
        QVERIFY(QFile::rename(icon, icon + u".away"_qs));
        const Run run = lumbre({u"build"_qs, project.file});
        QFile::rename(icon + u".away"_qs, icon);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(u"m3.ico"_qs), qPrintable(run.err));
        QVERIFY(QFileInfo(project.folder + u"CFG/members.cfg"_qs).isFile());
    }

    void badInputIsNamedAndWritesNothing_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing project") << u"missing"_qs << u"does not exist"_qs;
        QTest::newRow("a folder") << u"folder"_qs << u"is not a Lumbrel project"_qs;
        QTest::newRow("a pipe") << u"pipe"_qs << u"is not a Lumbrel project"_qs;
        QTest::newRow("binary file") << u"binary"_qs << u"is not a Lumbrel project"_qs;
        QTest::newRow("category file gone") << u"categories"_qs << u"--category-file"_qs;
        QTest::newRow("design file gone") << u"design"_qs << u"--design-file"_qs;
        QTest::newRow("program folder as disc") << u"refused"_qs << u"cannot be built into"_qs;
    }
    void badInputIsNamedAndWritesNothing() {
        QFETCH(QString, kind);
        QFETCH(QString, named);
        Project project(m_programFolder);
        QString file = project.file;
        QStringList extra;
        if (kind == u"missing") {
            file = project.dir.path() + u"/none.lbp"_qs;
        } else if (kind == u"folder") {
            file = project.folder;
        } else if (kind == u"pipe") {
            file = project.dir.path() + u"/pipe.lbp"_qs;
            QCOMPARE(QProcess::execute(u"mkfifo"_qs, {file}), 0);
        } else if (kind == u"binary") {
            writeFile(project.file, QByteArray("\x7f"
                                               "ELF\0\0\x01\x02",
                                               8)
                                        .repeated(100));
        } else if (kind == u"categories" || kind == u"design") {
            common::IniFile ini(project.file);
            // Gone from where it was and from the program folder's own folders.
            const QString prefix = kind == u"design" ? u"menu_file"_qs : u"genre_file"_qs;
            ini.writeString(u"general", prefix, u"/gone/x.lbc"_qs);
            ini.writeString(u"general", prefix + u"alone"_qs, u"x"_qs);
            ini.save();
        } else if (kind == u"refused") {
            extra = {u"--to"_qs, m_programFolder};
        }
        const auto before = contentsOf(project.dir.path());
        const auto program = contentsOf(m_programFolder);
        const Run run = lumbre(QStringList{u"build"_qs, file} + extra);
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(named), qPrintable(run.err));
        QCOMPARE(contentsOf(project.dir.path()), before);
        QCOMPARE(contentsOf(m_programFolder), program);
    }

    void missingCategoryAndDesignFilesTakeTheNamedOnes() {
        Project project(m_programFolder);
        common::IniFile ini(project.file);
        ini.writeString(u"general", u"genre_file", u"/gone/lost.lbc"_qs);
        ini.writeString(u"general", u"genre_filealone", u"lost"_qs);
        ini.writeString(u"general", u"menu_file", u"/gone/lost.lbd"_qs);
        ini.writeString(u"general", u"menu_filealone", u"lost"_qs);
        ini.save();
        const Run run =
            lumbre({u"build"_qs, project.file, u"--category-file"_qs, m_programFolder + u"genre/cats.lbc"_qs,
                    u"--design-file"_qs, m_programFolder + u"menudesign/blue.lbd"_qs});
        QCOMPARE(run.status, 0);
        QCOMPARE(readBytes(project.folder + u"CFG/0.ico"_qs), QByteArray("icon0"));
    }

    void imageIsWrittenAfterTheBuild() {
        Project project(m_programFolder);
        const QString iso = project.dir.path() + u"/demo.iso"_qs;
        const Run run = lumbre({u"image"_qs, project.file, u"--iso"_qs, iso, u"--medium"_qs, u"cd"_qs});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains(u"Disc folder built"_qs) && run.err.contains(u"has been written"_qs),
                 qPrintable(run.err));
        QVERIFY(QFileInfo(project.folder + u"tiv.exe"_qs).isFile());
        // Read back by a reader of its own: every file of the disc folder, byte for byte, and the CD
        // name as the volume's.
        if (QStandardPaths::findExecutable(u"xorriso"_qs).isEmpty())
            SKIP_UNLESS_CI("xorriso is not installed");
        const QString extracted = project.dir.path() + u"/extracted"_qs;
        QProcess xorriso;
        xorriso.start(u"xorriso"_qs, {u"-osirrox"_qs, u"on"_qs, u"-indev"_qs, iso, u"-extract"_qs, u"/"_qs,
                                      extracted, u"-pvd_info"_qs});
        QVERIFY(xorriso.waitForFinished(60000));
        QString volume;
        for (const QString& line : QString::fromUtf8(xorriso.readAllStandardOutput()).split(u'\n')) {
            if (line.startsWith(u"Volume Id"_qs))
                volume = line.section(u':', 1).trimmed();
        }
        QCOMPARE(volume, u"DEMO_CD"_qs);
        QCOMPARE(relativeContentsOf(extracted), relativeContentsOf(project.folder));
        QDirIterator readOnly(extracted, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (readOnly.hasNext())
            QFile::setPermissions(readOnly.next(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        // Inside the disc folder the image would hold itself.
        const Run inside = lumbre({u"image"_qs, project.file, u"--iso"_qs, project.folder + u"x.iso"_qs});
        QCOMPARE(inside.status, 3);
        QVERIFY(!QFileInfo::exists(project.folder + u"x.iso"_qs));
    }

    void imageQuestionsNeedTheirFlags() {
        Project project(m_programFolder);
        const QString iso = project.dir.path() + u"/demo.iso"_qs;
        writeFile(iso, "an older image");
        Run run = lumbre({u"image"_qs, project.file, u"--iso"_qs, iso});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"--replace"_qs), qPrintable(run.err));
        QCOMPARE(readBytes(iso), QByteArray("an older image"));
        QVERIFY(!QFileInfo::exists(project.folder + u"tiv.exe"_qs));

        // A name too long for Joliet: refused before the build, unless agreed to.
        const QString longName = QString(120, u'n') + u".txt"_qs;
        writeFile(project.folder + longName, "long");
        run = lumbre({u"image"_qs, project.file, u"--iso"_qs, iso, u"--replace"_qs});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"--accept-renamed"_qs) && run.err.contains(longName), qPrintable(run.err));
        QCOMPARE(readBytes(iso), QByteArray("an older image"));
        QVERIFY(!QFileInfo::exists(project.folder + u"tiv.exe"_qs));

        run = lumbre({u"image"_qs, project.file, u"--iso"_qs, iso, u"--replace"_qs, u"--accept-renamed"_qs});
        QCOMPARE(run.status, 0);
        QCOMPARE(readBytes(iso).mid(16 * 2048 + 1, 5), QByteArray("CD001"));

        // A link that leads out of the disc folder is left out, and named as missing.
        QVERIFY(QFile::link(m_programFolder + u"Files/tiv.ico"_qs, project.folder + u"outside.ico"_qs));
        run = lumbre({u"image"_qs, project.file, u"--iso"_qs, iso, u"--replace"_qs, u"--accept-renamed"_qs});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"--accept-left-out-links"_qs), qPrintable(run.err));
        run = lumbre({u"image"_qs, project.file, u"--iso"_qs, iso, u"--replace"_qs, u"--accept-renamed"_qs,
                      u"--accept-left-out-links"_qs});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(u"outside.ico"_qs), qPrintable(run.err));

        // The image is never written through a link.
        const QString link = project.dir.path() + u"/link.iso"_qs;
        QVERIFY(QFile::link(iso, link));
        run = lumbre({u"image"_qs, project.file, u"--iso"_qs, link, u"--replace"_qs, u"--accept-renamed"_qs,
                      u"--accept-left-out-links"_qs});
        QCOMPARE(run.status, 3);
        QVERIFY(QFileInfo(link).isSymLink());
    }

    void checkRepairsAndSavesOnlyWhenAsked() {
        // Setup's file moved into a subfolder; Gone's file is nowhere.
        Project project(m_programFolder,
                        {locatedItem(u"Gone"_qs, u"gone.exe"_qs, u"\\"_qs, u"/nowhere/gone.exe"_qs)});
        QVERIFY(QDir().mkpath(project.folder + u"tools"_qs));
        QVERIFY(QFile::rename(project.folder + u"setup.exe"_qs, project.folder + u"tools/setup.exe"_qs));
        const QByteArray stored = readBytes(project.file);

        Run run = lumbre({u"check"_qs, project.file, u"--dry-run"_qs});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.out.contains(u"tools/setup.exe"_qs), qPrintable(run.out));
        QVERIFY2(run.err.contains(u"Gone (gone.exe"_qs), qPrintable(run.err));
        QCOMPARE(readBytes(project.file), stored);

        run = lumbre({u"check"_qs, project.file});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.contains(u"Project saved"_qs), qPrintable(run.err));
        const common::IniFile saved(project.file);
        QCOMPARE(saved.readInteger(u"Anz_Einträge", u"items", 0), 1);
        QCOMPARE(saved.readString(u"Item-1", u"2"), u"\\tools\\"_qs);
        QCOMPARE(saved.readString(u"Item-1", u"9"), project.folder + u"tools/setup.exe"_qs);

        // Nothing left to repair: the file stays untouched.
        const QByteArray checked = readBytes(project.file);
        run = lumbre({u"check"_qs, project.file});
        QCOMPARE(run.status, 0);
        QCOMPARE(readBytes(project.file), checked);
    }

    void checkAsksWhichOfSeveralFolders() {
        Project project(m_programFolder);
        for (const char* folder : {"a", "b"})
            writeFile(project.folder + QLatin1String(folder) + u"/setup.exe"_qs, "copy");
        QVERIFY(QFile::remove(project.folder + u"setup.exe"_qs));
        const QByteArray stored = readBytes(project.file);
        Run run = lumbre({u"check"_qs, project.file});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"--first-found"_qs) && run.err.contains(project.folder + u"a/"_qs) &&
                     run.err.contains(project.folder + u"b/"_qs),
                 qPrintable(run.err));
        QCOMPARE(readBytes(project.file), stored);

        run = lumbre({u"check"_qs, project.file, u"--first-found"_qs});
        QCOMPARE(run.status, 0);
        QVERIFY(readBytes(project.file) != stored);
    }

    void checkWithoutProjectFolderFails() {
        Project project(m_programFolder);
        QVERIFY(QDir(project.folder).removeRecursively());
        const QByteArray stored = readBytes(project.file);
        const Run run = lumbre({u"check"_qs, project.file});
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(project.folder), qPrintable(run.err));
        QCOMPARE(readBytes(project.file), stored);
    }

    void exportWritesEveryFormat_data() {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("text") << u"txt"_qs << QByteArray("Name");
        QTest::newRow("comma-separated") << u"csv"_qs << QByteArray("\"\",Name");
        QTest::newRow("web page") << u"html"_qs << QByteArray("<");
        QTest::newRow("document") << u"docx"_qs << QByteArray("PK");
        QTest::newRow("workbook") << u"xlsx"_qs << QByteArray("PK");
    }
    void exportWritesEveryFormat() {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, start);
        Project project(m_programFolder);
        const QString file = project.dir.path() + u"/list."_qs + suffix;
        Run run = lumbre({u"export"_qs, project.file, u"--to"_qs, file});
        QCOMPARE(run.status, 0);
        const QByteArray bytes = readBytes(file);
        QVERIFY2(bytes.trimmed().startsWith(start), bytes.left(40));
        if (suffix == u"txt" || suffix == u"csv")
            QVERIFY(bytes.contains("Setup"));

        run = lumbre({u"export"_qs, project.file, u"--to"_qs, file});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"--replace"_qs), qPrintable(run.err));
        QCOMPARE(readBytes(file), bytes);
        QCOMPARE(lumbre({u"export"_qs, project.file, u"--to"_qs, file, u"--replace"_qs}).status, 0);
    }

    void checkAsksBeforeLosingCharacters() {
        // The file turned up in a folder whose name the project file cannot store.
        Project project(m_programFolder);
        QVERIFY(QDir().mkpath(project.folder + u"Ωmega"_qs));
        QVERIFY(QFile::rename(project.folder + u"setup.exe"_qs, project.folder + u"Ωmega/setup.exe"_qs));
        const QByteArray stored = readBytes(project.file);
        Run run = lumbre({u"check"_qs, project.file});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(u"--accept-lost-characters"_qs) && run.err.contains(u"Ω"_qs),
                 qPrintable(run.err));
        QCOMPARE(readBytes(project.file), stored);
        run = lumbre({u"check"_qs, project.file, u"--accept-lost-characters"_qs});
        QCOMPARE(run.status, 0);
        QCOMPARE(common::IniFile(project.file).readString(u"Item-1", u"2"), u"\\?mega\\"_qs);
    }

    void fullDiskFailsAndKeepsTheOldFile() {
        std::vector<ItemRecord> many;
        for (int n = 0; n < 200; ++n)
            many.push_back(
                locatedItem(QStringLiteral("Item %1").arg(n), u"x.exe"_qs, u"\\"_qs, u"/x/x.exe"_qs));
        Project project(m_programFolder, many);
        const QByteArray old(1000, 'o');
        for (const char* suffix : {"txt", "xlsx"}) {
            const QString file = project.dir.path() + u"/list."_qs + QLatin1String(suffix);
            writeFile(file, old);
            const Run run = lumbre({u"export"_qs, project.file, u"--to"_qs, file, u"--replace"_qs}, {}, 4096);
            QCOMPARE(run.status, 3);
            QVERIFY2(run.err.contains(file), qPrintable(run.err));
            QCOMPARE(readBytes(file), old);
        }
        const QString iso = project.dir.path() + u"/demo.iso"_qs;
        const Run run = lumbre({u"image"_qs, project.file, u"--iso"_qs, iso}, {}, 64 * 1024);
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(iso), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(iso));
        // A shipped file larger than the disk takes: the build says that it could not write the folder.
        const QString module = files() + u"Unzdll.dll"_qs;
        writeFile(module, QByteArray(100 * 1024, 'u'));
        const Run build = lumbre({u"build"_qs, project.file}, {}, 64 * 1024);
        writeFile(module, "Unzdll.dll");
        QCOMPARE(build.status, 3);
        QVERIFY2(build.err.contains(project.folder), qPrintable(build.err));
        // No half-written file beside the image or the lists.
        for (const QFileInfo& left : QDir(project.dir.path()).entryInfoList(QDir::Files | QDir::Hidden))
            QVERIFY2(left.fileName() == u"demo.lbp" || left.fileName().startsWith(u"list."_qs),
                     qPrintable(left.fileName()));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
