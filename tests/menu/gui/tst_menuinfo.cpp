// The information views: DOS and rich texts, the information window and its height, the zip
// texts and their temporary files, and the picture window with its options and docking.
#include "common/Cp437.h"
#include "common/JpegCodec.h"
#include "common/RtfReader.h"
#include "menu/gui/CopyDialog.h"
#include "menu/gui/InfoWindow.h"
#include "menu/gui/MenuWindow.h"
#include "menu/gui/PictureWindow.h"
#include "tests/menu/DiscFixture.h"
#include "tests/menu/HostileFiles.h"
#include "tests/menu/MenuDriver.h"
#include "tests/menu/ZipFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/ShadowButton.h"

#include <QLibrary>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include <cmath>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#include <memory>

using menudriver::chooseZipText;
using ui::testing::control;
using ui::testing::FakeServices;
using ui::testing::press;

namespace {

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QByteArray lines(int count) {
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "line " + QByteArray::number(i) + "\r\n";
    return text;
}

// The format of the first run of `text` in the document.
QTextCharFormat formatOf(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text);
    if (found.isNull())
        return {};
    QTextCursor inside(found);
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat();
}

enum Item { Setup, Linked, Nothing, Logo, Shot, Archive, Diz };

// A disc with one category of items with and without pictures and texts, and two archives.
void writeInfoDisc(DiscFixture& disc, int language = 0) {
    disc.set(QStringLiteral("members.cfg"), QStringLiteral("general"), QStringLiteral("rootname"),
             QDir::toNativeSeparators(disc.root()));
    disc.addCategory(QStringLiteral("All"));
    auto item = [&](const QString& caption, const QString& path) {
        disc.addItem(0, caption, {{QStringLiteral("pfad"), path}});
    };
    item(QStringLiteral("Setup"), QStringLiteral("\\tools\\setup.exe"));
    item(QStringLiteral("Linked: site"), QStringLiteral("http://example.org/"));
    item(QStringLiteral("Nothing"), QStringLiteral("\\tools\\none.exe"));
    item(QStringLiteral("Logo"), QStringLiteral("\\tools\\logo.ico"));
    item(QStringLiteral("Shot"), QStringLiteral("\\tools\\shot.bmp"));
    item(QStringLiteral("Archive"), QStringLiteral("\\tools\\texts.zip"));
    item(QStringLiteral("Diz"), QStringLiteral("\\tools\\diz.zip"));
    const QString lang = QStringLiteral("language.zol");
    disc.set(lang, QStringLiteral("Language"), QStringLiteral("Language"), QString::number(language));
    disc.set(lang, QStringLiteral("Language"), QStringLiteral("no_nfo_lang"), QStringLiteral("no nfo"));
    disc.set(lang, QStringLiteral("Language"), QStringLiteral("no_zip_lang"), QStringLiteral("no diz"));
    disc.set(lang, QStringLiteral("Language"), QStringLiteral("no_info_lang"), QStringLiteral("no info"));
    disc.set(lang, QStringLiteral("Language"), QStringLiteral("no_file_lang"), QStringLiteral("no file"));
    disc.set(lang, QStringLiteral("Forms"), QStringLiteral("6"), QStringLiteral("information"));
    disc.set(lang, QStringLiteral("Heading"), QStringLiteral("6"), QStringLiteral("zol control"));
    disc.set(lang, QStringLiteral("Hints"), QStringLiteral("28"), QStringLiteral("undock"));
    disc.set(lang, QStringLiteral("Hints"), QStringLiteral("29"), QStringLiteral("dock"));
    disc.save();

    const QString tools = disc.root() + QStringLiteral("tools/");
    QDir(disc.root()).mkpath(QStringLiteral("tools"));
    QDir(disc.root()).mkpath(QStringLiteral("tavikdat"));
    QImage shot(40, 20, QImage::Format_RGB32);
    shot.fill(Qt::green);
    QVERIFY(common::jpeg::writeFile(shot, tools + QStringLiteral("setup.jpg")));
    QVERIFY(common::jpeg::writeFile(shot, disc.root() + QStringLiteral("tavikdat/Linked_ site.jpg")));
    writeFile(tools + QStringLiteral("setup.TXT"), "About setup\r\ncaf\xe9\r\n");
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QVERIFY(icon.save(tools + QStringLiteral("logo.ico"), "ICO"));
    QVERIFY(shot.save(tools + QStringLiteral("shot.bmp"), "BMP"));
    QVERIFY(writeZip(
        tools + QStringLiteral("texts.zip"),
        {{QStringLiteral("a/one.nfo"), "\xC9\xCD\xBB one", {}},
         {QStringLiteral("readme.txt"), "not this", {}},
         {QStringLiteral("docs/two.NFO"), "\xC9\xCD\xCD\xBB\r\n\xBA two \xBA\r\n\xC8\xCD\xCD\xBC\x1A", {}}}));
    QVERIFY(writeZip(tools + QStringLiteral("diz.zip"),
                     {{QStringLiteral("FILE_ID.DIZ"), "the diz", {}}, {QStringLiteral("x.exe"), "x", {}}}));
    QVERIFY(QFile::copy(QStringLiteral(LUMBREL_UNZIP_MODULE), disc.cfg() + QStringLiteral("Unzdll.dll")));
}

} // namespace

class TestMenuInfo : public QObject {
    Q_OBJECT

private:
    FakeServices m_fakes;

    std::unique_ptr<MenuWindow> open(const DiscFixture& disc) {
        m_fakes = {};
        auto form = std::make_unique<MenuWindow>(m_fakes.services(), disc.folders());
        form->show();
        return form;
    }
    static void chooseCategory(MenuWindow& f) { menudriver::chooseCategory(f, 0); }
    static void choose(MenuWindow& f, int row) {
        chooseCategory(f);
        menudriver::chooseItem(f, row);
    }
    static InfoWindow* infoWindow(MenuWindow& f) {
        return control<InfoWindow>(f, QStringLiteral("TInfoform"));
    }
    static QTextEdit* textView(QWidget& window) {
        return control<QTextEdit>(window, QStringLiteral("infotext"));
    }
    static PictureWindow* pictureWindow(MenuWindow& f) {
        return control<PictureWindow>(f, QStringLiteral("Tpicpreviewform"));
    }
    QStringList messages() const {
        QStringList texts;
        for (const auto& shown : m_fakes.messages.shown)
            texts.append(shown.text);
        return texts;
    }

private Q_SLOTS:
    void dosTextsKeepTheirBoxDrawing() {
        QCOMPARE(common::fromCp437("\xC9\xCD\xBB\xBA\xC8\xBC \xB0\xB1\xB2\xDB \xC4\xB3\xDA\xBF\xC0\xD9\xC5"),
                 QStringLiteral("╔═╗║╚╝ ░▒▓█ ─│┌┐└┘┼"));
        QCOMPARE(common::fromCp437("Az09 ~\t\n"), QStringLiteral("Az09 ~\t\n"));
        QCOMPARE(common::fromCp437("\x80\x81\x9B\xE1\xFE\xFF"), QStringLiteral("Çü¢ß■\u00A0"));
    }

    void richTextKeepsItsBasicFormatting() {
        const QByteArray rtf =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern "
            "Courier New;}}\r\n"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
            "{\\*\\generator Msftedit 5.41;}\\viewkind4\\uc1\\pard\\qc\\b Title\\b0\\par\r\n"
            "\\pard\\li720 Normal {\\i italic} {\\ul underlined}\\ulnone  {\\strike gone} \\cf1 red\\cf0  "
            "{\\f1\\fs32 big mono} caf\\'e9 \\u8364? \\{braces\\} end\\line next\\tab tab\\par\r\n"
            "{\\pict\\wmetafile8\\picw100 0123456789abcdef}after {\\highlight2 marked}\\par\r\n}";
        QVERIFY(common::looksLikeRtf("  \r\n" + rtf));
        QVERIFY(!common::looksLikeRtf("plain {\\rtf1 later"));
        QTextDocument doc;
        common::readRtf(rtf, &doc);
        QCOMPARE(doc.toPlainText(),
                 QStringLiteral(
                     "Title\nNormal italic underlined gone red big mono café € {braces} end\nnext\ttab\n"
                     "after marked\n"));
        // A line break stays inside its paragraph.
        QCOMPARE(doc.blockCount(), 4);
        QVERIFY(formatOf(doc, QStringLiteral("Title")).fontWeight() == QFont::Bold);
        QCOMPARE(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(doc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(doc.begin().next().blockFormat().leftMargin(), 48.0);
        QVERIFY(formatOf(doc, QStringLiteral("Normal")).fontWeight() != QFont::Bold);
        QVERIFY(formatOf(doc, QStringLiteral("italic")).fontItalic());
        QVERIFY(!formatOf(doc, QStringLiteral("Normal")).fontItalic());
        QVERIFY(formatOf(doc, QStringLiteral("underlined")).fontUnderline());
        QVERIFY(formatOf(doc, QStringLiteral("gone")).fontStrikeOut());
        QCOMPARE(formatOf(doc, QStringLiteral("red")).foreground().color(), QColor(Qt::red));
        QVERIFY(!formatOf(doc, QStringLiteral("big")).hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(formatOf(doc, QStringLiteral("big")).fontPointSize(), 16.0);
        QCOMPARE(formatOf(doc, QStringLiteral("big")).fontFamilies().toStringList(),
                 QStringList{QStringLiteral("Courier New")});
        QCOMPARE(formatOf(doc, QStringLiteral("marked")).background().color(), QColor(Qt::blue));

        // Damaged input gives what text it holds, and nothing worse.
        common::readRtf("{\\rtf1 {\\b cut off", &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("cut off"));
        common::readRtf(QByteArray(100000, '{') + "\\rtf1 deep" + QByteArray("\\'"), &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("deep"));
        common::readRtf("{\\rtf1 \\bin999999999 x}", &doc);
        QCOMPARE(doc.toPlainText(), QString());
        // Font numbers beyond any table are the document's own face (the integer limit crashed).
        common::readRtf(fontAtIntegerLimit(), &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("hello"));
        common::readRtf("{\\rtf1{\\fonttbl{\\f99999 X;}{\\f-5 Y;}{\\f1 Z;}}\\f99999 a\\f-5 b\\f1 c}", &doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("abc"));
        QCOMPARE(formatOf(doc, QStringLiteral("c")).fontFamilies().toStringList(),
                 QStringList{QStringLiteral("Z")});
        QVERIFY(!formatOf(doc, QStringLiteral("a")).hasProperty(QTextFormat::FontFamilies));
        // Reading ends after the lines asked for, paragraphs and line breaks alike.
        common::readRtf("{\\rtf1 " + QByteArray("a\\par ").repeated(50) + "}", &doc, 10);
        QCOMPARE(doc.blockCount(), 10);
        common::readRtf("{\\rtf1 " + QByteArray("a\\line ").repeated(50) + "}", &doc, 10);
        QCOMPARE(doc.toRawText().count(QChar::LineSeparator), 9);
    }

    void hugeTextsAreShownInPart() {
        FakeServices fakes;
        menu::MenuState state;
        InfoWindow window(fakes.services(), state);
        QTextEdit* view = textView(window);
        window.prepareInformation(QStringLiteral("information"));
        QTemporaryDir dir;
        // Laid out whole, 4 MiB of line ends took 18 s and 1.8 GB.
        const QString ends = dir.filePath(QStringLiteral("ends.txt"));
        writeFile(ends, lineEnds(4 * 1024 * 1024));
        QVERIFY(window.loadFile(ends, InfoWindow::Encoding::Windows1252));
        QVERIFY(view->document()->blockCount() <= InfoWindow::kMaxTextLines);
        QCOMPARE(view->height(), 400);
        const QString rich = dir.filePath(QStringLiteral("rich.txt"));
        writeFile(rich, "{\\rtf1 " + QByteArray("\\par").repeated(1024 * 1024) + "}");
        QVERIFY(window.loadFile(rich, InfoWindow::Encoding::Windows1252));
        QCOMPARE(view->document()->blockCount(), InfoWindow::kMaxTextLines);
        // The beginning of a long text is there, line for line.
        const QString text = dir.filePath(QStringLiteral("long.txt"));
        writeFile(text, lines(InfoWindow::kMaxTextLines + 10));
        QVERIFY(window.loadFile(text, InfoWindow::Encoding::Dos437));
        QCOMPARE(view->document()->blockCount(), InfoWindow::kMaxTextLines);
        QCOMPARE(view->document()->lastBlock().text(),
                 QStringLiteral("line %1").arg(InfoWindow::kMaxTextLines));
#ifdef Q_OS_UNIX
        // A pipe in a text's place is not waited on.
        const QString pipe = dir.filePath(QStringLiteral("pipe.txt"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!window.loadFile(pipe, InfoWindow::Encoding::Windows1252));
#endif
    }

    void informationWindowFitsItsHeightToTheText() {
        FakeServices fakes;
        menu::MenuState state;
        InfoWindow window(fakes.services(), state);
        QTextEdit* view = textView(window);
        // A page of text at first, wide enough for eighty columns.
        QCOMPARE(window.size(), QSize(680, 510));
        QTemporaryDir dir;
        const int screenHeight = window.screen()->geometry().height();
        const struct {
            int lines;
            int view;
        } cases[] = {{25, 500}, {26, 400}, {3, 400}, {0, 400}};
        for (const auto& c : cases) {
            const QString file = dir.filePath(QStringLiteral("%1.txt").arg(c.lines));
            writeFile(file, lines(c.lines));
            window.prepareInformation(QStringLiteral("information"));
            window.clearText();
            QVERIFY(window.loadFile(file, InfoWindow::Encoding::Windows1252));
            QVERIFY(view->height() >= c.view);
            QCOMPARE(window.height(), view->height() + 110);
            // A page is the least: the view grows where the text's lines need more.
            if (c.lines <= 25)
                QCOMPARE(view->verticalScrollBar()->maximum(), 0);
            else
                QCOMPARE(view->height(), c.view);
            // The group sits below the view, its buttons 32 pixels into it.
            QCOMPARE(control<QFrame>(window, QStringLiteral("infogroup"))->y(),
                     view->geometry().bottom() + 1 + 8);
            QCOMPARE(control<ui::ShadowButton>(window, QStringLiteral("print"))->y(),
                     control<QFrame>(window, QStringLiteral("infogroup"))->y() + 32);
            const int top = int(std::lround(screenHeight / 2.0)) - int(std::lround(window.height() / 2.0));
            QCOMPARE(window.y(), std::max(0, top));
        }
        // Rich text counts its lines the same way.
        QByteArray rtf = "{\\rtf1\\ansi ";
        for (int i = 0; i < 30; ++i)
            rtf += "{\\b line}\\par ";
        writeFile(dir.filePath(QStringLiteral("rich.txt")), rtf + "}");
        QVERIFY(window.loadFile(dir.filePath(QStringLiteral("rich.txt")), InfoWindow::Encoding::Windows1252));
        QCOMPARE(view->height(), 400);
        QVERIFY(
            !window.loadFile(dir.filePath(QStringLiteral("missing.txt")), InfoWindow::Encoding::Windows1252));

        QVERIFY(press(window, QStringLiteral("print")));
        QCOMPARE(fakes.print.jobs.size(), 1);
        QCOMPARE(fakes.print.jobs[0].title, QStringLiteral("tavik - lumbrel - nfo"));
        QVERIFY(fakes.print.jobs[0].text.startsWith(QStringLiteral("line")));
    }

    void informationTextOfTheSelectedItem() {
        DiscFixture disc;
        writeInfoDisc(disc);
        auto f = open(disc);
        InfoWindow* window = infoWindow(*f);
        QTextEdit* view = textView(*window);
        // No item chosen: after a category choice the button stays from the item chosen before.
        QVERIFY(!control<ui::ShadowButton>(*f, QStringLiteral("info"))->isEnabled());
        choose(*f, Setup);
        chooseCategory(*f);
        QVERIFY(press(*f, QStringLiteral("info")));
        QCOMPARE(messages(), QStringList{QStringLiteral("no file")});

        choose(*f, Setup);
        QVERIFY(press(*f, QStringLiteral("info")));
        QVERIFY(window->isVisible());
        // The title names the item's file, not its whole path.
        QCOMPARE(window->windowTitle(), QStringLiteral("information for setup.exe"));
        const QString text = QDir::toNativeSeparators(disc.root() + QStringLiteral("tools/setup.TXT"));
        QCOMPARE(view->toPlainText(), QStringLiteral("About setup\ncafé\n"));
        QCOMPARE(view->palette().color(QPalette::Base), QColor(Qt::white));
        // Two lines show whole, without a scroll bar.
        QVERIFY(view->height() >= 40);
        QCOMPARE(view->verticalScrollBar()->maximum(), 0);
        QVERIFY(press(*window, QStringLiteral("ende")));
        QVERIFY(!window->isVisible());

        // A plain text after a rich one takes nothing of the rich one's look.
        writeFile(text, "{\\rtf1 {\\b\\fs40 Big} small}");
        QVERIFY(press(*f, QStringLiteral("info")));
        QVERIFY(formatOf(*view->document(), QStringLiteral("Big")).fontWeight() == QFont::Bold);
        QVERIFY(press(*window, QStringLiteral("ende")));
        choose(*f, Archive);
        QVERIFY(chooseZipText(*f, QStringLiteral("Zipfornfofile1")));
        QVERIFY(window->isVisible());
        const QTextCharFormat nfo = formatOf(*view->document(), QStringLiteral("two"));
        QVERIFY(nfo.fontWeight() != QFont::Bold);
        QVERIFY(!nfo.hasProperty(QTextFormat::FontPointSize));
        QVERIFY(press(*window, QStringLiteral("ende")));

        // A hyperlink's text lies in the item data folder under its caption.
        choose(*f, Linked);
        QVERIFY(!control<ui::ShadowButton>(*f, QStringLiteral("info"))->isEnabled());
        const QString linkedText = disc.root() + QStringLiteral("tavikdat/Linked_ site.txt");
        writeFile(linkedText, "linked");
        choose(*f, Linked);
        QVERIFY(press(*f, QStringLiteral("info")));
        QVERIFY(window->isVisible());
        QCOMPARE(view->toPlainText(), QStringLiteral("linked"));
        QVERIFY(press(*window, QStringLiteral("ende")));
        // A text gone since the item was chosen is said to be missing.
        QVERIFY(QFile::remove(linkedText));
        QVERIFY(press(*f, QStringLiteral("info")));
        QCOMPARE(messages().last(), QStringLiteral("no info"));
        QVERIFY(!window->isVisible());
    }

    void zipTextsAreShownAndRemovedAgain() {
        DiscFixture disc;
        writeInfoDisc(disc, 1);
        auto f = open(disc);
        choose(*f, Archive);
        QVERIFY(chooseZipText(*f, QStringLiteral("Zipfornfofile1")));
        InfoWindow* window = infoWindow(*f);
        QTextEdit* view = textView(*window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Nfo über texts.zip"));
        // The last matching entry, docs/two.NFO, in its DOS characters, without its end-of-file mark.
        QCOMPARE(view->toPlainText(), QStringLiteral("╔══╗\n║ two ║\n╚══╝"));
        QCOMPARE(view->palette().color(QPalette::Base), QColor(0, 0, 128));
        QCOMPARE(view->palette().color(QPalette::Text), QColor(Qt::white));
        QVERIFY(view->font().fixedPitch() || QFontInfo(view->font()).fixedPitch());
        const QString extracted = window->temporaryTextPath();
        QCOMPARE(QFileInfo(extracted).fileName(), QStringLiteral("two.NFO"));
        QVERIFY(QFileInfo(extracted).isFile());
        QVERIFY(!extracted.startsWith(disc.root()));
        QVERIFY(press(*window, QStringLiteral("ende")));
        QVERIFY(!QFileInfo::exists(extracted));
        QVERIFY(!QFileInfo::exists(QFileInfo(extracted).path()));

        QVERIFY(chooseZipText(*f, QStringLiteral("ZipforFileiddiz1")));
        QCOMPARE(messages(), QStringList{QStringLiteral("no diz")});
        choose(*f, Diz);
        QVERIFY(chooseZipText(*f, QStringLiteral("ZipforFileiddiz1")));
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("File_id.diz für diz.zip"));
        QCOMPARE(view->toPlainText(), QStringLiteral("the diz"));
        // Closed by its title bar, too, the text goes.
        const QString diz = window->temporaryTextPath();
        window->close();
        QVERIFY(!QFileInfo::exists(diz));
        QVERIFY(chooseZipText(*f, QStringLiteral("Zipfornfofile1")));
        QCOMPARE(messages().last(), QStringLiteral("no nfo"));

        // A text too large to be shown is not extracted at all, however small it is packed.
        const QString packed = disc.root() + QStringLiteral("tools/diz.zip");
        QVERIFY(writeZip(
            packed, {{QStringLiteral("file_id.diz"), QByteArray(InfoWindow::kMaxTextBytes + 1, ' '), {}}}));
        const qsizetype shown = messages().size();
        const QStringList before = QDir::temp().entryList({QStringLiteral("tiv-text-*")});
        QVERIFY(chooseZipText(*f, QStringLiteral("ZipforFileiddiz1")));
        QCOMPARE(messages().size(), shown + 1);
        // In the disc's language, like every message of the menu.
        QVERIFY(messages().last().startsWith(QStringLiteral("file_id.diz in ")));
        QVERIFY(messages().last().contains(QStringLiteral("ist zu groß")));
        QVERIFY(!window->isVisible());
        QCOMPARE(QDir::temp().entryList({QStringLiteral("tiv-text-*")}), before);
        // An entry's name is its own, not a pattern that takes the others along.
        QVERIFY(
            writeZip(packed, {{QStringLiteral("a.diz"), "a", {}}, {QStringLiteral("*.diz"), "star", {}}}));
        QVERIFY(chooseZipText(*f, QStringLiteral("ZipforFileiddiz1")));
        QVERIFY(window->isVisible());
        QCOMPARE(view->toPlainText(), QStringLiteral("star"));
        QCOMPARE(QDir(QFileInfo(window->temporaryTextPath()).path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("*.diz")});
        window->close();

        // A target that is no archive: the command is not offered; left from an archive chosen
        // before a category choice, it finds no text.
        choose(*f, Setup);
        QVERIFY(!control<ui::ShadowButton>(*f, QStringLiteral("nfo"))->isEnabled());
        choose(*f, Archive);
        chooseCategory(*f);
        const qsizetype said = messages().size();
        QVERIFY(chooseZipText(*f, QStringLiteral("Zipfornfofile1")));
        QCOMPARE(messages().size(), said + 1);
        QCOMPARE(messages().last(), QStringLiteral("no nfo"));
    }

    void entryNamesWithMarkupShowAsWritten() {
        DiscFixture disc;
        writeInfoDisc(disc);
        // Entry names are the archive's to choose: markup in them is shown as written.
        const QString markup = QStringLiteral("<img src=\"x.png\"><b>read"); // no '/': folders
        const QString archive = disc.root() + QStringLiteral("tools/texts.zip");
        QVERIFY(writeZip(archive, {{markup + QStringLiteral(".nfo"), "the text", {}},
                                   {QStringLiteral("../") + markup, "outside", {}}}));
        auto f = open(disc);
        choose(*f, Archive);
        QVERIFY(chooseZipText(*f, QStringLiteral("Zipfornfofile1")));
        InfoWindow* window = infoWindow(*f);
        QVERIFY(window->isVisible());
        QCOMPARE(textView(*window)->toPlainText(), QStringLiteral("the text"));
        QCOMPARE(QFileInfo(window->temporaryTextPath()).fileName(), markup + QStringLiteral(".nfo"));
        window->close();

        QTemporaryDir target;
        QVERIFY(press(*f, QStringLiteral("zip")));
        auto* copy = control<CopyDialog>(*f, QStringLiteral("Tfcform"));
        copy->selectFolder(target.path());
        QVERIFY(press(*copy, QStringLiteral("start")));
        // The refused name reaches the message as it is; the message box shows it as plain text.
        QCOMPARE(m_fakes.messages.shown.size(), 1);
        QVERIFY(messages().last().contains(QStringLiteral("../") + markup));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{markup + QStringLiteral(".nfo")});
    }

    void zipTextsWithoutTheModule() {
        if (QLibrary(QStringLiteral("Unzdll")).load())
            QSKIP("the library search finds an unzip module on this machine");
        DiscFixture disc;
        writeInfoDisc(disc);
        QFile::remove(disc.cfg() + QStringLiteral("Unzdll.dll"));
        auto f = open(disc);
        choose(*f, Archive);
        QVERIFY(chooseZipText(*f, QStringLiteral("Zipfornfofile1")));
        QCOMPARE(messages().size(), 1);
        QVERIFY(messages()[0].contains(QStringLiteral("Unzdll.dll")));
        QVERIFY(!infoWindow(*f)->isVisible());
    }

    void pictureWindowFollowsTheItemsAndTheOption() {
        DiscFixture disc;
        writeInfoDisc(disc);
        auto f = open(disc);
        PictureWindow* picture = pictureWindow(*f);
        QCOMPARE(picture->windowTitle(), QStringLiteral("Thumbnail/Screenshot"));
        QVERIFY(picture->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(picture->windowFlags() & Qt::WindowCloseButtonHint));

        // Auto: open while there is a picture, closed otherwise.
        choose(*f, Setup);
        QVERIFY(picture->isVisible());
        QVERIFY(picture->view()->hasPicture());
        QCOMPARE(picture->view()->picture().pixelColor(5, 5).green(), 255);
        QCOMPARE(picture->pos(), f->frameGeometry().topLeft() + QPoint(638, 0));
        choose(*f, Linked);
        QVERIFY(picture->isVisible());
        QVERIFY(picture->view()->hasPicture());
        choose(*f, Nothing);
        QVERIFY(!picture->isVisible());
        QVERIFY(picture->showsNoPicture());

        // Always: open throughout, with the text where there is no picture.
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("Always1")));
        choose(*f, Nothing);
        QVERIFY(picture->isVisible());
        QVERIFY(picture->showsNoPicture());
        QVERIFY(picture->view()->isHidden());
        QCOMPARE(picture->noPictureLabel()->text(), QStringLiteral("No Screenshot available"));
        QVERIFY(picture->showsDefaultBackground());
        QCOMPARE(picture->background().kind(), ui::Backdrop::Kind::Gradient);
        chooseCategory(*f);
        QVERIFY(picture->isVisible());
        QVERIFY(picture->showsNoPicture());
        // After a category choice no item is chosen, so there is no picture: not even that of the
        // item chosen before, which the list showed selected until it was refilled.
        choose(*f, Linked);
        QVERIFY(picture->view()->hasPicture());
        chooseCategory(*f);
        QVERIFY(picture->isVisible());
        QVERIFY(picture->showsNoPicture());
        QVERIFY(!picture->view()->hasPicture());
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("Auto1")));
        choose(*f, Linked);
        QVERIFY(picture->isVisible());
        chooseCategory(*f);
        QVERIFY(!picture->isVisible());
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("Always1")));

        // An icon on white, a bitmap on black.
        choose(*f, Logo);
        QVERIFY(picture->view()->hasPicture());
        QCOMPARE(picture->view()->backgroundColor(), QColor(Qt::white));
        QCOMPARE(picture->plainColor(), QColor(Qt::white));
        choose(*f, Shot);
        QVERIFY(picture->view()->hasPicture());
        QCOMPARE(picture->view()->backgroundColor(), QColor(Qt::black));
        QCOMPARE(picture->plainColor(), QColor(Qt::black));

        // A picture that cannot be read counts as none.
        writeFile(disc.root() + QStringLiteral("tools/shot.bmp"), "BM but broken");
        choose(*f, Shot);
        QVERIFY(picture->showsNoPicture());

        // Never: closed at once, and through any number of choices.
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("Never1")));
        QVERIFY(!picture->isVisible());
        for (int row : {Setup, Linked, Nothing, Logo}) {
            choose(*f, row);
            QVERIFY(!picture->isVisible());
        }
    }

    void dockingAndUndocking() {
        DiscFixture disc;
        writeInfoDisc(disc);
        auto f = open(disc);
        PictureWindow* picture = pictureWindow(*f);
        auto* docthumb = control<ui::ShadowButton>(*f, QStringLiteral("docthumb"));
        QCOMPARE(docthumb->toolTip(), QStringLiteral("dock"));
        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        choose(*f, Setup);

        QVERIFY(press(*f, QStringLiteral("docthumb")));
        QVERIFY(f->state().pictureDocked);
        QVERIFY(f->state().detailsShown);
        QCOMPARE(f->state().pictureOption, menu::PictureOption::Always);
        QVERIFY(
            control<QAction>(*control<QWidget>(*f, QStringLiteral("aboutmenu")), QStringLiteral("Always1"))
                ->isChecked());
        QCOMPARE(docthumb->arrow(), ui::ShadowButton::Arrow::Up);
        QCOMPARE(docthumb->toolTip(), QStringLiteral("undock"));
        QVERIFY(picture->isDocked());
        QVERIFY(!picture->isWindow());
        QCOMPARE(picture->parentWidget(), f.get());
        QCOMPARE(picture->geometry(), QRect(274, 126, 347, 206));
        QVERIFY(picture->isVisible());
        QVERIFY(control<ui::EffectLabel>(*f, QStringLiteral("thumbhead"))->isVisible());
        QVERIFY(!control<ui::EffectLabel>(*f, QStringLiteral("detailhead"))->isVisible());
        QVERIFY(!control<ui::EffectLabel>(*f, QStringLiteral("serial"))->isVisible());
        QVERIFY(!control<QWidget>(*f, QStringLiteral("detailbox"))->isVisible());

        // Hiding the details undocks first.
        QVERIFY(press(*f, QStringLiteral("hidedetail")));
        QVERIFY(!f->state().pictureDocked);
        QVERIFY(!f->state().detailsShown);
        QVERIFY(picture->isWindow());
        QVERIFY(picture->isVisible());
        QCOMPARE(picture->size(), QSize(137, 146));
        QCOMPARE(docthumb->arrow(), ui::ShadowButton::Arrow::Down);
        QCOMPARE(docthumb->toolTip(), QStringLiteral("dock"));
        QVERIFY(!control<ui::EffectLabel>(*f, QStringLiteral("thumbhead"))->isVisible());

        // Docked again, then auto: undocked and closed.
        QVERIFY(press(*f, QStringLiteral("docthumb")));
        QVERIFY(picture->isDocked());
        QVERIFY(menudriver::chooseOption(*f, QStringLiteral("Auto1")));
        QVERIFY(!picture->isDocked());
        QVERIFY(!picture->isVisible());
        QVERIFY(control<QWidget>(*f, QStringLiteral("detailbox"))->isVisible());
    }
};

QTEST_MAIN(TestMenuInfo)
#include "tst_menuinfo.moc"
