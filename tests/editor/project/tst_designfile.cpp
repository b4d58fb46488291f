// Design files: the model's defaults, reading with the media search and the mode corrections,
// writing every key, and saving a design into a folder of its own with its media.
#include "common/DesignKeys.h"
#include "common/IniFile.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"
#include "tests/editor/EditorTestSupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace editortest;
namespace keys = designkeys;
using Model = DesignModel;

namespace {

QString bitmap(const QString& path, QSize size = {40, 30}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(path, "BMP");
    return QDir::toNativeSeparators(path);
}

QString sound(const QString& path) {
    return QDir::toNativeSeparators(writeFile(path, "RIFF....WAVE"));
}

// The keys of a file, section by section, in file order.
QStringList keysInOrder(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QStringList keys;
    QString section;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(u'['))
            section = line.mid(1, line.size() - 2);
        else if (line.contains(u'='))
            keys << section + u'/' + line.left(line.indexOf(u'='));
    }
    return keys;
}

// Every medium of a design, set to files in `folder`.
void setAllMedia(ProjectFiles& d, const QString& folder) {
    d.splashFile.set(bitmap(folder + u"splash.bmp"_qs, {300, 200}));
    d.iconFile.set(writeFile(folder + u"disc.ico"_qs, "ico"));
    d.backgroundFile.set(bitmap(folder + u"my.back.bmp"_qs));
    d.buttonFile.set(bitmap(folder + u"button.bmp"_qs));
    for (int n = 0; n < 5; ++n)
        d.sounds[n].set(sound(folder + u"s%1.wav"_qs.arg(n + 1)));
}

Model sampleModel() {
    Model m;
    m.designMode = Model::DesignMode::Bmp;
    m.buttonMode = Model::ButtonMode::Trans;
    m.splashFrameColor = Qt::red;
    m.splashFrameWidth = 12;
    m.splashDelay = 7;
    m.buttonStart = QColor(0, 0, 128);
    m.buttonEnd = QColor(0, 128, 128);
    m.buttonFont = Qt::yellow;
    m.shadowDepth = 15;
    m.borderWidth = 0;
    m.buttonStyle = Model::ButtonStyle::Offset;
    m.buttonEffect = Model::ButtonEffect::ThreeD;
    m.buttonFontEffect = Model::FontEffect::RaisedShadow;
    m.buttonBold = true;
    m.categoryBox = QColor(192, 192, 192);
    m.categoryBoxFont = QColor(128, 0, 0);
    m.filesBox = Qt::black;
    m.filesBoxFont = Qt::white;
    m.detailsBox = QColor(128, 128, 0);
    m.categoryBoxFill = Model::BoxFill::BackgroundBitmap;
    m.filesBoxFill = Model::BoxFill::ButtonBitmap;
    m.headingFont = QColor(0, 128, 0);
    m.labelFont = QColor(128, 0, 128);
    m.valueFont = QColor(255, 0, 255);
    m.headingBold = false;
    m.valueBold = true;
    m.headingEffect = Model::FontEffect::None;
    m.labelEffect = Model::FontEffect::SunkenShadow;
    m.valueEffect = Model::FontEffect::Shadow;
    m.backStart = QColor(0, 255, 255);
    m.backEnd = QColor(0, 255, 0);
    m.tileMode = Model::TileMode::Stretch;
    m.language = 1;
    m.style = 1;
    m.marks.bandsel = false;
    m.marks.bmpsel = m.marks.modebmp = true;
    m.marks.buttonbandsel = false;
    m.marks.buttontranssel = true;
    m.marks.BtnBmp = m.marks.splash_status = m.marks.icon_status = true;
    return m;
}

} // namespace

class TestDesignFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void missingFileGivesTheDefaults() {
        QTemporaryDir dir;
        EditorState state;
        state.design.shadowDepth = 9;
        state.design.modified = true;
        state.files.backgroundFile.set(bitmap(dir.filePath(u"old.bmp"_qs)));
        designfile::load(state, dir.filePath(u"none.lbd"_qs));
        QCOMPARE(state.design, Model());
        QVERIFY(!state.files.backgroundFile.exists());
        QVERIFY(!state.files.designFile.exists());

        writeFile(dir.filePath(u"garbage.lbd"_qs), QByteArray(3000, '\xFE'));
        designfile::load(state, dir.filePath(u"garbage.lbd"_qs));
        QCOMPARE(state.design, Model());
    }

    void writtenDesignReadsBackKeyForKey() {
        QTemporaryDir dir;
        EditorState state;
        setAllMedia(state.files, dir.filePath(u"d/"_qs));
        state.design = sampleModel();
        state.design.modified = true;
        const QString file = dir.filePath(u"d/blue.lbd"_qs);
        QDir().mkpath(dir.filePath(u"d"_qs));
        QVERIFY(designfile::write(state, file));
        QVERIFY(!state.design.modified);
        QCOMPARE(state.files.designFile.path(), QDir::toNativeSeparators(file));

        EditorState back;
        designfile::load(back, file);
        QCOMPARE(back.design, sampleModel());
        for (auto holder : {&ProjectFiles::splashFile, &ProjectFiles::iconFile, &ProjectFiles::backgroundFile,
                            &ProjectFiles::buttonFile})
            QCOMPARE((back.files.*holder).path(), (state.files.*holder).path());
        for (int n = 0; n < 5; ++n)
            QCOMPARE(back.files.sounds[n].path(), state.files.sounds[n].path());

        const common::IniFile ini(file);
        QCOMPARE(ini.readString(keys::kSplashDelay.section, keys::kSplashDelay.name), QStringLiteral("7000"));
        QCOMPARE(ini.readString(keys::kSplashWidth.section, keys::kSplashWidth.name), QStringLiteral("300"));
        QCOMPARE(ini.readString(keys::kSplashHeight.section, keys::kSplashHeight.name),
                 QStringLiteral("200"));
        QCOMPARE(ini.readString(keys::kBackBitmapAlone.section, keys::kBackBitmapAlone.name),
                 QStringLiteral("my.bmp"));
        QCOMPARE(ini.readString(keys::kButtonStart.section, keys::kButtonStart.name),
                 QStringLiteral("clNavy"));
        QCOMPARE(ini.readString(keys::kValueEffect.section, keys::kValueEffect.name),
                 QStringLiteral("tdShadow"));
        QCOMPARE(ini.readString(keys::kSoundsAlone[2].section, keys::kSoundsAlone[2].name),
                 QStringLiteral("s3.wav"));

        const QStringList keys = keysInOrder(file);
        QCOMPARE(keys.size(), 57);
        QCOMPARE(keys.mid(0, 10),
                 (QStringList{u"general/design_mode"_qs, u"general/button_mode"_qs, u"Splash/enabled"_qs,
                              u"Splash/bmp"_qs, u"Splash/bmpalone"_qs, u"Splash/height"_qs,
                              u"Splash/width"_qs, u"Splash/fc"_qs, u"Splash/fw"_qs, u"Splash/d"_qs}));
        QCOMPARE(keys.indexOf(u"Buttons/btnc"_qs), 12);
        QCOMPARE(keys.indexOf(u"Boxes/boxc_c"_qs), 23);
        QCOMPARE(keys.indexOf(u"Fonts/fuc"_qs), 31);
        QCOMPARE(keys.indexOf(u"Back/bc"_qs), 40);
        QCOMPARE(keys.mid(45, 2), (QStringList{u"Sound/sound1"_qs, u"Sound/sound2"_qs}));
        QCOMPARE(keys.indexOf(u"Sound/sound1alone"_qs), 50);
        QCOMPARE(keys.last(), QStringLiteral("Language/Style"));
    }

    void writingLeavesNoStaleKeysAndEmptyMediaEmpty() {
        QTemporaryDir dir;
        const QString file =
            writeFile(dir.filePath(u"old.lbd"_qs), "[general]\r\nextra=1\r\n[Old]\r\nkey=2\r\n");
        EditorState state;
        QVERIFY(designfile::write(state, file));
        const common::IniFile ini(file);
        QVERIFY(!ini.hasSection(u"Old"));
        QVERIFY(!ini.hasKey(u"general", u"extra"));
        QVERIFY(ini.hasKey(keys::kSoundsAlone[4].section, keys::kSoundsAlone[4].name));
        QCOMPARE(ini.readString(keys::kSoundsAlone[4].section, keys::kSoundsAlone[4].name, u"x"_qs),
                 QString());
        QCOMPARE(ini.readString(keys::kBackBitmap.section, keys::kBackBitmap.name, u"x"_qs), QString());
        // Without a splash bitmap the splash is written switched off.
        for (const designkeys::Key& key : {keys::kSplashEnabled, keys::kSplashHeight, keys::kSplashWidth,
                                           keys::kSplashFrameWidth, keys::kSplashDelay})
            QCOMPARE(ini.readString(key.section, key.name), QStringLiteral("0"));
        QCOMPARE(ini.readString(keys::kSplashFrameColor.section, keys::kSplashFrameColor.name),
                 QStringLiteral("clWhite"));

        // A colour outside the sixteen is stored as the nearest of them.
        state.design.backStart = QColor(250, 10, 5);
        QVERIFY(designfile::write(state, file));
        QCOMPARE(common::IniFile(file).readString(keys::kBackStart.section, keys::kBackStart.name),
                 QStringLiteral("clRed"));
    }

    void movedDesignFindsItsMediaBesideIt() {
        QTemporaryDir dir;
        const QString here = dir.filePath(u"moved/"_qs);
        for (const char16_t* name : {u"splash.bmp", u"back.bmp", u"btn.bmp"})
            bitmap(here + QString::fromUtf16(name));
        writeFile(here + u"disc.ico"_qs, "ico");
        // Stored under its alone name "my.wav", though Save copies it as "my.start.wav".
        sound(here + u"my.start.wav"_qs);
        for (int n = 2; n <= 5; ++n)
            sound(here + u"s%1.wav"_qs.arg(n));
        QByteArray text = "[general]\r\ndesign_mode=bmp\r\nbutton_mode=bmp\r\n"
                          "[Splash]\r\nenabled=1\r\nbmp=C:\\Old\\splash.bmp\r\nbmpalone=splash.bmp\r\nfc="
                          "clRed\r\nfw=4\r\nd=2500\r\n"
                          "[Icon]\r\nname=C:\\Old\\disc.ico\r\nnamealone=disc.ico\r\n"
                          "[Buttons]\r\nbtn_bmp=C:\\Old\\btn.bmp\r\nbtn_bmpalone=btn.bmp\r\n"
                          "[Back]\r\nbmp=C:\\Old\\back.bmp\r\nbmpalone=back.bmp\r\n"
                          "[Sound]\r\nsound1=C:\\Old\\my.start.wav\r\nsound1alone=my.wav\r\n";
        for (int n = 2; n <= 5; ++n)
            text += "sound" + QByteArray::number(n) + "=C:\\Old\\s" + QByteArray::number(n) +
                    ".wav\r\nsound" + QByteArray::number(n) + "alone=s" + QByteArray::number(n) + ".wav\r\n";
        const QString file = writeFile(here + u"design.lbd"_qs, text);

        EditorState state;
        designfile::load(state, file);
        const ProjectFiles& d = state.files;
        QCOMPARE(d.splashFile.path(), QDir::toNativeSeparators(here + u"splash.bmp"_qs));
        QCOMPARE(d.iconFile.path(), QDir::toNativeSeparators(here + u"disc.ico"_qs));
        QCOMPARE(d.backgroundFile.path(), QDir::toNativeSeparators(here + u"back.bmp"_qs));
        QCOMPARE(d.buttonFile.path(), QDir::toNativeSeparators(here + u"btn.bmp"_qs));
        QCOMPARE(d.sounds[0].path(), QDir::toNativeSeparators(here + u"my.start.wav"_qs));
        for (int n = 1; n < 5; ++n)
            QVERIFY(d.sounds[n].exists());
        QCOMPARE(state.design.designMode, Model::DesignMode::Bmp);
        QCOMPARE(state.design.splashFrameColor, QColor(Qt::red));
        QCOMPARE(state.design.splashFrameWidth, 4);
        QCOMPARE(state.design.splashDelay, 2); // 2500 ms shows as 2 s
        const Model::Marks& marks = state.design.marks;
        QVERIFY(marks.bmpsel && marks.modebmp && !marks.bandsel);
        QVERIFY(marks.buttonbmpsel && !marks.buttonbandsel && !marks.buttontranssel && marks.BtnBmp);
        QVERIFY(marks.splash_status && marks.icon_status);
        QCOMPARE(d.designFile.path(), QDir::toNativeSeparators(file));
    }

    void searchOrdersDifferForBitmapsAndSounds() {
        QTemporaryDir dir;
        EditorState state;
        state.programFolder = dir.filePath(u"program/"_qs);
        const QString backs = state.programFolder + u"back/"_qs;
        const QString sounds = state.programFolder + u"Sounds/"_qs;
        const QString beside = dir.filePath(u"design/"_qs);
        bitmap(backs + u"back.bmp"_qs);
        bitmap(beside + u"back.bmp"_qs);
        sound(sounds + u"start.wav"_qs);
        sound(beside + u"start.wav"_qs);
        const QString file =
            writeFile(beside + u"d.lbd"_qs, "[Back]\r\nbmp=" + QDir::toNativeSeparators(backs).toUtf8() +
                                                "back.bmp\r\nbmpalone=back.bmp\r\n[Sound]\r\nsound1=" +
                                                QDir::toNativeSeparators(sounds).toUtf8() +
                                                "start.wav\r\nsound1alone=start.wav\r\n");
        QCOMPARE(designfile::load(state, file), QStringList());
        QCOMPARE(state.files.backgroundFile.folder(), QDir::toNativeSeparators(beside));
        QCOMPARE(state.files.sounds[0].folder(), QDir::toNativeSeparators(sounds));
    }

    // A shared design file names private files as its media: none of them is taken, each is named.
    void mediaComeOnlyFromTheDesignAndTheProgramFolders() {
        QTemporaryDir dir;
        EditorState state;
        state.programFolder = dir.filePath(u"program/"_qs);
        const QString secret = writeFile(dir.filePath(u"home/.ssh/id_ed25519"_qs), "PRIVATE KEY");
        const QString shared = dir.filePath(u"shared/"_qs);
        // A link beside the design that leads to the key, and a medium far too large for a menu.
        QVERIFY(QFile::link(secret, shared + u"linked.bmp"_qs) ||
                (QDir().mkpath(shared) && QFile::link(secret, shared + u"linked.bmp"_qs)));
        QFile huge(shared + u"huge.wav"_qs);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(designfile::kMaxMediumBytes + 1));
        huge.close();
        // A relative name would be found in whatever folder the editor runs in.
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.filePath(u"home"_qs)));
        const QString file =
            writeFile(shared + u"evil.lbd"_qs,
                      "[general]\r\ndesign_mode=bmp\r\n"
                      "[Back]\r\nbmp=" +
                          secret.toUtf8() +
                          "\r\nbmpalone=id_ed25519\r\n"
                          "[Splash]\r\nbmp=/etc/passwd\r\nbmpalone=passwd\r\n"
                          "[Buttons]\r\nbtn_bmp=/somewhere/linked.bmp\r\nbtn_bmpalone=linked.bmp\r\n"
                          "[Sound]\r\nsound1=" +
                          secret.toUtf8() +
                          "\r\n"
                          "sound2=.ssh/id_ed25519\r\nsound3=/proc/self/pagemap\r\n"
                          "sound4=/x/huge.wav\r\nsound4alone=huge.wav\r\n");
        const QStringList refused = designfile::load(state, file);
        QDir::setCurrent(working);
        const ProjectFiles& d = state.files;
        for (const FileHolder* h : {&d.backgroundFile, &d.splashFile, &d.buttonFile, &d.sounds[0],
                                    &d.sounds[1], &d.sounds[2], &d.sounds[3]})
            QVERIFY2(!h->exists(), qPrintable(h->path()));
        QCOMPARE(state.design.designMode, Model::DesignMode::Band);
        QCOMPARE(refused, (QStringList{u"/etc/passwd"_qs, secret, u"/somewhere/linked.bmp"_qs, secret,
                                       u".ssh/id_ed25519"_qs, u"/proc/self/pagemap"_qs, u"/x/huge.wav"_qs}));

        // Wherever they lie, files that only claim a size are no media.
        QVERIFY(!designfile::isUsableMedium(u"/proc/self/pagemap"_qs));
        QVERIFY(!designfile::isUsableMedium(writeFile(shared + u"empty.wav"_qs, QByteArray())));

        // The program folder's backgrounds and sounds, and the design's own folder, are taken.
        bitmap(state.programFolder + u"back/Sky.bmp"_qs);
        const QString ok =
            writeFile(shared + u"good.lbd"_qs,
                      "[Back]\r\nbmp=" + state.programFolder.toUtf8() +
                          "back/Sky.bmp\r\n"
                          "[Sound]\r\nsound1=/elsewhere/start.wav\r\nsound1alone=start.wav\r\n");
        sound(shared + u"start.wav"_qs);
        QCOMPARE(designfile::load(state, ok), QStringList());
        QVERIFY(d.backgroundFile.exists() && d.sounds[0].exists());
    }

    void modeCorrectionsAndOddValues() {
        QTemporaryDir dir;
        EditorState state;
        state.design.buttonStyle = Model::ButtonStyle::Inset;
        state.design.tileMode = Model::TileMode::Center;
        state.design.filesBoxFill = Model::BoxFill::ButtonBitmap;
        state.design.language = 1;
        state.design.splashFrameWidth = 40;
        const QString file = writeFile(dir.filePath(u"odd.lbd"_qs),
                                       "[general]\r\ndesign_mode=bmp\r\nbutton_mode=trans\r\n"
                                       "[Splash]\r\nfc=clRed\r\nfw=9\r\nd=9000\r\n"
                                       "[Buttons]\r\nbtnc=clwhite\r\nbtnec=Purple\r\nbtnsd=99\r\nbtnbw=-"
                                       "3\r\nstyle=sbinset\r\nfont_format=BOLD\r\n"
                                       "[Boxes]\r\nboxf_bmp=7\r\n[Back]\r\nbmp=/nowhere/"
                                       "back.bmp\r\ntile_mode=TmStretch\r\n[Language]\r\nLanguage=5\r\n");
        designfile::load(state, file);
        const Model& m = state.design;
        // Bitmap mode without its bitmap falls back to the gradient.
        QCOMPARE(m.designMode, Model::DesignMode::Band);
        QVERIFY(m.marks.bandsel && !m.marks.bmpsel && !m.marks.modebmp);
        QVERIFY(m.marks.buttontranssel && !m.marks.BtnBmp);
        // Splash values only count with a splash bitmap.
        QCOMPARE(m.splashFrameColor, QColor(Qt::white));
        QCOMPARE(m.splashFrameWidth, 1);
        QCOMPARE(m.splashDelay, 1);
        // Unknown colour names, in any letter case, are white.
        QCOMPARE(m.buttonStart, QColor(Qt::white));
        QCOMPARE(m.buttonEnd, QColor(Qt::white));
        QCOMPARE(m.shadowDepth, 15);
        QCOMPARE(m.borderWidth, 0);
        // A word outside its set keeps what the model held; a missing one takes its default.
        QCOMPARE(m.buttonStyle, Model::ButtonStyle::Inset);
        QCOMPARE(m.buttonBold, false);
        QCOMPARE(m.filesBoxFill, Model::BoxFill::ButtonBitmap);
        QCOMPARE(m.language, 1);
        QCOMPARE(m.buttonEffect, Model::ButtonEffect::Shadow);
        QCOMPARE(m.tileMode, Model::TileMode::Stretch);
    }

    void aloneNamesCutAtTheFirstDot() {
        QCOMPARE(designfile::aloneName(u"C:\\Designs\\back.bmp"_qs), QStringLiteral("back.bmp"));
        QCOMPARE(designfile::aloneName(u"/d/my.pic.bmp"_qs), QStringLiteral("my.bmp"));
        QCOMPARE(designfile::aloneName(u"/d/readme"_qs), QStringLiteral("readme"));
        QCOMPARE(designfile::aloneName(QString()), QString());
    }

    void saveToANewNameMakesASelfContainedFolder() {
        QTemporaryDir dir;
        EditorState state;
        setAllMedia(state.files, dir.filePath(u"media/"_qs));
        // Two sounds of the same name from different folders stay two sounds.
        state.files.sounds[4].set(sound(dir.filePath(u"other/s1.wav"_qs)));
        state.design = sampleModel();
        const QString designs = dir.filePath(u"Designs/"_qs);
        QDir().mkpath(designs);

        QCOMPARE(designfile::saveTarget(designs + u"Blue"_qs),
                 QDir::toNativeSeparators(designs + u"Blue/Blue.lbd"_qs));
        const designfile::SaveResult saved = designfile::saveTo(state, designs + u"Blue.lbd"_qs);
        const QString written = saved.written;
        const QString blue = QDir::toNativeSeparators(designs + u"Blue/"_qs);
        QCOMPARE(written, blue + u"Blue.lbd"_qs);
        QVERIFY(QFileInfo::exists(written));
        for (const char16_t* name : {u"splash.bmp", u"disc.ico", u"my.back.bmp", u"button.bmp", u"s1.wav",
                                     u"s2.wav", u"s3.wav", u"s4.wav", u"s1_2.wav"})
            QVERIFY2(QFileInfo::exists(blue + QString::fromUtf16(name)),
                     qPrintable(QString::fromUtf16(name)));
        QCOMPARE(state.files.backgroundFile.path(), blue + u"my.back.bmp"_qs);
        QCOMPARE(state.files.sounds[4].path(), blue + u"s1_2.wav"_qs);
        QCOMPARE(state.files.designFile.path(), written);
        QVERIFY(saved.notCopied.isEmpty());
        QCOMPARE(saved.renamed, QStringList{QDir::toNativeSeparators(dir.filePath(u"other/s1.wav"_qs)) +
                                            u" -> s1_2.wav"_qs});
        QVERIFY(state.modified);

        // Moved away from its media, the design still loads every medium from its own folder.
        QVERIFY(QDir(dir.filePath(u"media"_qs)).removeRecursively());
        EditorState back;
        designfile::load(back, written);
        QCOMPARE(back.files.backgroundFile.path(), blue + u"my.back.bmp"_qs);
        QVERIFY(back.files.splashFile.exists() && back.files.iconFile.exists());
        QCOMPARE(back.design, sampleModel());

        // Saving onto the existing file writes beside it, with no further folder.
        state.modified = false;
        QCOMPARE(designfile::saveTarget(written), written);
        QCOMPARE(designfile::saveTo(state, written).written, written);
        QVERIFY(!QFileInfo::exists(blue + u"Blue"_qs));
        QVERIFY(state.modified);
    }

    // A medium of the same name as one in the design's folder does not overwrite it, and a name
    // that the file cannot store is stored under one it can.
    void savedMediaKeepEachOtherAndTheirNames() {
        QTemporaryDir dir;
        EditorState state;
        const QString red = dir.filePath(u"Designs/Red/"_qs);
        state.files.backgroundFile.set(bitmap(red + u"back.bmp"_qs, {10, 10}));
        const QByteArray background = readBytes(red + u"back.bmp"_qs);
        state.files.splashFile.set(bitmap(dir.filePath(u"pictures/back.bmp"_qs), {20, 20}));
        state.files.buttonFile.set(bitmap(dir.filePath(u"pictures/Фон ночь.bmp"_qs), {30, 30}));
        state.design.designMode = Model::DesignMode::Bmp;
        const designfile::SaveResult saved = designfile::saveTo(state, dir.filePath(u"Designs/Red.lbd"_qs));
        QCOMPARE(saved.written, QDir::toNativeSeparators(red + u"Red.lbd"_qs));
        QCOMPARE(readBytes(red + u"back.bmp"_qs), background);
        QCOMPARE(state.files.splashFile.path(), QDir::toNativeSeparators(red + u"back_2.bmp"_qs));
        QCOMPARE(state.files.buttonFile.path(), QDir::toNativeSeparators(red + u"___ ____.bmp"_qs));
        QCOMPARE(saved.renamed.size(), 2);
        QVERIFY(saved.renamed[1].endsWith(u"-> ___ ____.bmp"_qs));

        EditorState back;
        designfile::load(back, saved.written);
        QCOMPARE(QImage(back.files.backgroundFile.path()).size(), QSize(10, 10));
        QCOMPARE(QImage(back.files.splashFile.path()).size(), QSize(20, 20));
        QCOMPARE(QImage(back.files.buttonFile.path()).size(), QSize(30, 30));
        QCOMPARE(back.design.designMode, Model::DesignMode::Bmp);
    }

    void mediumThatCannotBeCopiedIsReportedAndKept() {
        QTemporaryDir dir;
        EditorState state;
        state.files.backgroundFile.set(bitmap(dir.filePath(u"media/back.bmp"_qs)));
        state.files.sounds[0].set(sound(dir.filePath(u"media/start.wav"_qs)));
        const QString designs = dir.filePath(u"Designs/"_qs);
        // A folder where the copy should go makes the copy fail.
        QDir().mkpath(designs + u"Red/back.bmp"_qs);
        const QString source = state.files.backgroundFile.path();
        const designfile::SaveResult saved = designfile::saveTo(state, designs + u"Red.lbd"_qs);
        QVERIFY(!saved.written.isEmpty());
        QCOMPARE(state.files.backgroundFile.path(), source);
        QCOMPARE(state.files.sounds[0].path(), QDir::toNativeSeparators(designs + u"Red/start.wav"_qs));
        // Not "saved": the medium that did not reach the design's folder is named.
        QCOMPARE(saved.notCopied, QStringList{source});
        // Outside its folder, the background is not taken when the design is read again, and said.
        EditorState back;
        QCOMPARE(designfile::load(back, saved.written), QStringList{source});
        QVERIFY(!back.files.backgroundFile.exists());
    }
};

QTEST_MAIN(TestDesignFile)
#include "tst_designfile.moc"
