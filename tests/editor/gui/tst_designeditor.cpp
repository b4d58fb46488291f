// The design editor driven like a user would: modes and box fills, the sample, design files,
// leaving, sounds, the full preview, and a round trip that the menu program reads back.
#include "common/IniFile.h"
#include "editor/disc/DesignPreview.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/gui/design/DesignSample.h"
#include "editor/gui/design/StatusMark.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/project/EditorState.h"
#include "menu/reader/DesignSettings.h"
#include "tests/editor/gui/EditorWindowFixture.h"
#include "ui/testing/FakeServices.h"
#include "ui/testing/UserInput.h"
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace editortest;
using Answer = ui::MessageBoxService::Answer;
using Verb = ui::testing::FakeShell::Verb;
using Model = DesignModel;
using ui::testing::control;
using ui::testing::press;

namespace {

// Presses a control of the design editor as a user would: its tab is brought to the front first.
bool pressOnItsTab(DesignEditor& editor, const QString& name) {
    auto* tabs = control<QTabWidget>(editor, u"PageControl1"_qs);
    if (const auto* button = editor.findChild<QAbstractButton*>(name))
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(button))
                tabs->setCurrentIndex(i);
    return press(editor, name);
}

} // namespace

namespace {

QString writeBitmap(const QString& path, const QColor& colour, QSize size = QSize(16, 8)) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "BMP");
    return QDir::toNativeSeparators(path);
}

} // namespace

class TestDesignEditor : public QObject {
    Q_OBJECT

    struct Fixture : EditorWindowFixture {
        DesignEditor* md = nullptr;

        Fixture() : EditorWindowFixture({"Files", "menudesign", "back", "Sounds"}) {
            for (const char* name :
                 {"Standard.lbd", "language0.0", "language0.1", "language1.0", "language1.1"})
                QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/") + QLatin1String(name),
                            program(u"Files/"_qs) + QLatin1String(name));
            for (int m = 1; m <= 14; ++m)
                writeFile(program(u"Files/m%1.ico"_qs.arg(m)), QByteArray::number(m));
            QFile::setPermissions(writeFile(program(u"Files/tiv.exe"_qs), "MZ"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            startEditor();
            md = form->findChild<DesignEditor*>();
        }
        QString standard() const { return program(u"Files/Standard.lbd"_qs); }
        // The editor opened on the project's design file.
        void openOn(const QString& file) {
            state.files.designFile.set(file);
            md->prepare();
        }
        // A design of its own, saved from the standard one, with a background bitmap ready.
        QString ownDesign() {
            openOn(standard());
            fakes.choosers.queueOpenFile(writeBitmap(program(u"back/Sky.bmp"_qs), Qt::cyan));
            if (!pressOnItsTab(*md, u"loadbtmpok"_qs))
                return {};
            fakes.choosers.queueSaveFile(program(u"menudesign/Blue.lbd"_qs));
            if (!pressOnItsTab(*md, u"SaveAs"_qs))
                return {};
            return program(u"menudesign/Blue/Blue.lbd"_qs);
        }
    };

private Q_SLOTS:
    void boxFillsFollowTheBitmapModes() {
        Fixture f;
        f.openOn(f.standard());
        QVERIFY(control<StatusMark>(*f.md, u"bandsel"_qs)->isOn() &&
                !control<StatusMark>(*f.md, u"bmpsel"_qs)->isOn());

        control<QComboBox>(*f.md, u"boxf_bmp"_qs)->setCurrentIndex(int(Model::BoxFill::BackgroundBitmap));
        QCOMPARE(f.lastMessage(), f.message(u"M45"));
        QCOMPARE(control<QComboBox>(*f.md, u"boxf_bmp"_qs)->currentIndex(), 0);
        QCOMPARE(f.state.design.filesBoxFill, Model::BoxFill::None);
        control<QComboBox>(*f.md, u"boxd_bmp"_qs)->setCurrentIndex(int(Model::BoxFill::ButtonBitmap));
        QCOMPARE(f.lastMessage(), f.message(u"M46"));
        QCOMPARE(control<QComboBox>(*f.md, u"boxd_bmp"_qs)->currentIndex(), 0);

        // Set Bitmapmode without a bitmap is refused; with one loaded, the fill stays.
        QVERIFY(pressOnItsTab(*f.md, u"bmpmode"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M42"));
        QVERIFY(control<StatusMark>(*f.md, u"bandsel"_qs)->isOn());
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Sky.bmp"_qs), Qt::cyan));
        QVERIFY(pressOnItsTab(*f.md, u"loadbtmpok"_qs));
        QVERIFY(control<StatusMark>(*f.md, u"bmpsel"_qs)->isOn() &&
                control<StatusMark>(*f.md, u"modebmp"_qs)->isOn() &&
                !control<StatusMark>(*f.md, u"bandsel"_qs)->isOn());
        QCOMPARE(f.fakes.choosers.requests.last().file.filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
        QCOMPARE(f.fakes.choosers.requests.last().file.folder, f.program(u"back"_qs));
        QVERIFY(pressOnItsTab(*f.md, u"bandmode"_qs));
        QVERIFY(pressOnItsTab(*f.md, u"bmpmode"_qs));
        const int shown = int(f.fakes.messages.shown.size());
        control<QComboBox>(*f.md, u"boxf_bmp"_qs)->setCurrentIndex(int(Model::BoxFill::BackgroundBitmap));
        QCOMPARE(int(f.fakes.messages.shown.size()), shown);
        QCOMPARE(f.state.design.filesBoxFill, Model::BoxFill::BackgroundBitmap);

        // Transparent buttons take every fill back to "None", the background bitmap's too.
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Stone.bmp"_qs), Qt::gray));
        QVERIFY(pressOnItsTab(*f.md, u"loadbuttonbmp"_qs));
        QVERIFY(control<StatusMark>(*f.md, u"buttonbmpsel"_qs)->isOn() &&
                control<StatusMark>(*f.md, u"BtnBmp"_qs)->isOn());
        control<QComboBox>(*f.md, u"boxc_bmp"_qs)->setCurrentIndex(int(Model::BoxFill::ButtonBitmap));
        QCOMPARE(f.state.design.categoryBoxFill, Model::BoxFill::ButtonBitmap);
        QVERIFY(pressOnItsTab(*f.md, u"buttontrans"_qs));
        QVERIFY(control<StatusMark>(*f.md, u"buttontranssel"_qs)->isOn() &&
                !control<StatusMark>(*f.md, u"buttonbmpsel"_qs)->isOn() &&
                !control<StatusMark>(*f.md, u"buttonbandsel"_qs)->isOn());
        for (QComboBox* box :
             {control<QComboBox>(*f.md, u"boxc_bmp"_qs), control<QComboBox>(*f.md, u"boxf_bmp"_qs),
              control<QComboBox>(*f.md, u"boxd_bmp"_qs)})
            QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(f.state.design.filesBoxFill, Model::BoxFill::None);
        QCOMPARE(f.state.design.buttonMode, Model::ButtonMode::Trans);
    }

    void clearingAbsentBitmapsChangesNothing() {
        Fixture f;
        f.openOn(f.standard());
        const qsizetype clicks = f.fakes.sound.played.count(ProjectFiles::clickSound());
        const Model before = f.state.design;
        QVERIFY(pressOnItsTab(*f.md, u"clearbmp"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M42"));
        QVERIFY(pressOnItsTab(*f.md, u"clearbtn"_qs));
        QVERIFY(pressOnItsTab(*f.md, u"buttonbmp"_qs));
        QCOMPARE(f.fakes.messages.shown.size(), 3);
        QVERIFY(f.state.design == before);
        QVERIFY(!f.md->isModified());

        // A loaded bitmap is cleared, and its mode falls back to the gradient.
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Stone.bmp"_qs), Qt::gray));
        QVERIFY(pressOnItsTab(*f.md, u"loadbuttonbmp"_qs));
        QVERIFY(pressOnItsTab(*f.md, u"clearbtn"_qs));
        QVERIFY(!f.state.files.buttonFile.exists());
        QVERIFY(!control<StatusMark>(*f.md, u"BtnBmp"_qs)->isOn() &&
                control<StatusMark>(*f.md, u"buttonbandsel"_qs)->isOn());
        QVERIFY(f.md->isModified());
        // Every one of these buttons clicks first.
        QCOMPARE(f.fakes.sound.played.count(ProjectFiles::clickSound()) - clicks, 5);
    }

    void sampleShowsEverySetting() {
        Fixture f;
        f.openOn(f.standard());
        DesignSample* sample = control<DesignSample>(*f.md, u"sample"_qs);
        const qsizetype clicks = f.fakes.sound.played.count(ProjectFiles::clickSound());
        control<QComboBox>(*f.md, u"language_c"_qs)->setCurrentIndex(1);
        control<QComboBox>(*f.md, u"language_sc"_qs)->setCurrentIndex(1);
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->text(), QStringLiteral("Vorschau"));
        QCOMPARE(control<ui::EffectLabel>(*sample, u"label13"_qs)->text(), QStringLiteral("Kategorie"));
        QCOMPARE(control<ui::EffectLabel>(*sample, u"label14"_qs)->text(), QStringLiteral("Datei"));
        QCOMPARE(control<ui::EffectLabel>(*sample, u"label15"_qs)->text(), QStringLiteral("c:\\test.exe"));
        control<QComboBox>(*f.md, u"language_c"_qs)->setCurrentIndex(0);
        control<QComboBox>(*f.md, u"language_sc"_qs)->setCurrentIndex(0);
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->text(), QStringLiteral("full preview"));

        control<ui::ColorBox>(*f.md, u"btncw"_qs)->setColor(Qt::red);
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->face().start(), QColor(Qt::red));
        control<QSpinBox>(*f.md, u"btnsd"_qs)->setValue(11);
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->shadowDepth(), 11);
        control<QComboBox>(*f.md, u"btnstylecb"_qs)->setCurrentIndex(0);
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->bevel(), ui::ShadowButton::Bevel::Inset);
        control<QComboBox>(*f.md, u"btneffectcb"_qs)->setCurrentIndex(1);
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->shape(), ui::ShadowButton::Shape::ThreeD);
        control<QComboBox>(*f.md, u"FontBtnStyle"_qs)->setCurrentIndex(5);
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->textEffect(),
                 ui::TextEffect::SunkenShadow);
        control<QComboBox>(*f.md, u"Font2Style"_qs)->setCurrentIndex(1);
        QCOMPARE(control<ui::EffectLabel>(*sample, u"label14"_qs)->effect(), ui::TextEffect::Raised);
        control<ui::ColorBox>(*f.md, u"fdnc"_qs)->setColor(Qt::yellow);
        QCOMPARE(control<ui::EffectLabel>(*sample, u"label15"_qs)->color(), QColor(Qt::yellow));
        control<QCheckBox>(*f.md, u"df_b"_qs)->setChecked(true);
        QVERIFY(control<ui::EffectLabel>(*sample, u"label15"_qs)->isBold());
        control<ui::ColorBox>(*f.md, u"bcw"_qs)->setColor(QColor(0, 128, 0));
        QCOMPARE(sample->backdrop().start(), QColor(0, 128, 0));

        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Sky.bmp"_qs), Qt::cyan, QSize(5, 3)));
        QVERIFY(pressOnItsTab(*f.md, u"loadbtmpok"_qs));
        control<QComboBox>(*f.md, u"bmptmcb"_qs)->setCurrentIndex(int(Model::TileMode::Stretch));
        QCOMPARE(sample->backdrop().kind(), ui::Backdrop::Kind::Bitmap);
        QCOMPARE(sample->backdrop().placement(), ui::Placement::Stretch);
        QCOMPARE(sample->backdrop().pixmap().size(), QSize(5, 3));
        QVERIFY(pressOnItsTab(*f.md, u"buttontrans"_qs));
        QCOMPARE(control<ui::ShadowButton>(*sample, u"testbtn"_qs)->face().kind(),
                 ui::Backdrop::Kind::Nothing);
        QVERIFY(f.md->isModified());
        // Only the style and effect lists click among these.
        QCOMPARE(f.fakes.sound.played.count(ProjectFiles::clickSound()) - clicks, 4);
    }

    void saveNeverWritesTheStandardDesign() {
        Fixture f;
        f.openOn(f.program(u"menudesign/missing.lbd"_qs));
        QCOMPARE(f.state.files.designFile.path(), f.standard());
        QCOMPARE(f.md->windowTitle(), f.state.language.text(u"T47") + u" - "_qs + f.standard());
        const QByteArray standard = readBytes(f.standard());
        control<QSpinBox>(*f.md, u"btnbw"_qs)->setValue(7);

        QVERIFY(pressOnItsTab(*f.md, u"crgf"_qs)); // Save As, cancelled
        QCOMPARE(f.fakes.choosers.requests.last().kind, ui::testing::FakeChoosers::Kind::Save);
        QCOMPARE(f.fakes.choosers.requests.last().file.filter, designfile::filter());
        QCOMPARE(readBytes(f.standard()), standard);
        // Chosen in Save As, the standard design is refused too.
        f.fakes.choosers.queueSaveFile(f.standard());
        QVERIFY(pressOnItsTab(*f.md, u"crgf"_qs));
        QCOMPARE(readBytes(f.standard()), standard);
        QVERIFY(f.md->isModified());

        f.fakes.choosers.queueSaveFile(f.program(u"menudesign/Wide.lbd"_qs));
        QVERIFY(pressOnItsTab(*f.md, u"crgf"_qs));
        const QString saved = f.program(u"menudesign/Wide/Wide.lbd"_qs);
        QCOMPARE(f.lastMessage(), f.message(u"M43"));
        QCOMPARE(f.state.files.designFile.path(), saved);
        QCOMPARE(common::IniFile(saved).readInteger(u"Buttons", u"btnbw", 0), 7);
        QCOMPARE(f.md->windowTitle(), f.state.language.text(u"T47") + u" - "_qs + saved);
        QVERIFY(!f.md->isModified());
        QVERIFY(f.state.modified);
        QCOMPARE(readBytes(f.standard()), standard);
    }

    void okAsksToSaveChangesAndCancelRestores() {
        Fixture f;
        const QString own = f.ownDesign();
        f.openOn(own);
        f.md->show();
        QVERIFY(pressOnItsTab(*f.md, u"zGradBtn3"_qs));
        QVERIFY(!f.md->isVisible());
        QCOMPARE(f.md->result(), int(QDialog::Accepted));

        f.md->show();
        control<QSpinBox>(*f.md, u"btnsd"_qs)->setValue(2);
        f.fakes.messages.queueAnswer(Answer::Cancel);
        QVERIFY(pressOnItsTab(*f.md, u"zGradBtn3"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M40"));
        QVERIFY(f.md->isVisible());
        QCOMPARE(common::IniFile(own).readInteger(u"Buttons", u"btnsd", 0), 4);

        f.fakes.messages.queueAnswer(Answer::Ok);
        QVERIFY(pressOnItsTab(*f.md, u"zGradBtn3"_qs));
        QVERIFY(!f.md->isVisible());
        QCOMPARE(common::IniFile(own).readInteger(u"Buttons", u"btnsd", 0), 2);

        // Cancel: the design that was open, with its media, is the project's again.
        f.md->show();
        f.md->prepare();
        QVERIFY(pressOnItsTab(*f.md, u"clearbmp"_qs));
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Night.bmp"_qs), Qt::black));
        QVERIFY(pressOnItsTab(*f.md, u"splash_load"_qs));
        QVERIFY(pressOnItsTab(*f.md, u"ngf"_qs));
        QCOMPARE(f.state.files.designFile.path(), f.standard());
        QVERIFY(pressOnItsTab(*f.md, u"zGradBtn4"_qs));
        QVERIFY(!f.md->isVisible());
        QCOMPARE(f.state.files.designFile.path(), own);
        QCOMPARE(f.state.files.backgroundFile.path(), f.program(u"menudesign/Blue/Sky.bmp"_qs));
        QVERIFY(!f.state.files.splashFile.exists());
        QCOMPARE(f.state.design.designMode, Model::DesignMode::Bmp);
    }

    void okOnTheStandardDesignStaysUntilSaved() {
        Fixture f;
        f.openOn(f.standard());
        f.md->show();
        control<QCheckBox>(*f.md, u"btn_fb"_qs)->setChecked(false);
        f.fakes.messages.queueAnswer(Answer::Ok);
        QVERIFY(pressOnItsTab(*f.md, u"zGradBtn3"_qs)); // Save As cancelled
        QVERIFY(f.md->isVisible());
        QVERIFY(f.md->isModified());

        // A project whose design file vanished while the dialog was open cannot close with it.
        f.state.files.designFile.clear();
        f.fakes.messages.queueAnswer(Answer::Ok);
        QVERIFY(pressOnItsTab(*f.md, u"zGradBtn3"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M41"));
        QVERIFY(f.md->isVisible());
        QVERIFY(pressOnItsTab(*f.md, u"zGradBtn4"_qs));
    }

    void soundsFollowTheSelectedEntry() {
        Fixture f;
        f.openOn(f.standard());
        QVERIFY(!control<QPushButton>(*f.md, u"soundplay"_qs)
                     ->isEnabled()); // the standard's sounds lie elsewhere
        const QString wave = writeFile(f.program(u"Sounds/Bell.wav"_qs), "RIFF");
        control<QComboBox>(*f.md, u"soundc"_qs)->setCurrentIndex(2);
        f.fakes.choosers.queueOpenFile(wave);
        QVERIFY(pressOnItsTab(*f.md, u"SoundOpen"_qs));
        QCOMPARE(f.fakes.choosers.requests.last().file.filter, QStringLiteral("Wavefile|*.wav"));
        QCOMPARE(f.fakes.choosers.requests.last().file.folder, f.program(u"Sounds"_qs));
        QCOMPARE(f.state.files.sounds[2].path(), QDir::toNativeSeparators(wave));
        QVERIFY(control<QPushButton>(*f.md, u"soundplay"_qs)->isEnabled() &&
                control<QPushButton>(*f.md, u"soundstop"_qs)->isEnabled());
        QVERIFY(pressOnItsTab(*f.md, u"soundplay"_qs));
        QCOMPARE(f.fakes.sound.playing, QDir::toNativeSeparators(wave));

        control<QComboBox>(*f.md, u"soundc"_qs)->setCurrentIndex(0);
        QVERIFY(!control<QPushButton>(*f.md, u"soundplay"_qs)->isEnabled());
        QVERIFY(pressOnItsTab(*f.md, u"SoundClear"_qs)); // nothing loaded there: nothing happens
        control<QComboBox>(*f.md, u"soundc"_qs)->setCurrentIndex(2);
        QVERIFY(control<QPushButton>(*f.md, u"soundplay"_qs)->isEnabled());
        QVERIFY(pressOnItsTab(*f.md, u"SoundClear"_qs));
        QVERIFY(!f.state.files.sounds[2].exists());
        QVERIFY(!control<QPushButton>(*f.md, u"soundplay"_qs)->isEnabled());
        QVERIFY(f.md->isModified());
    }

    void roundTripThroughTheWindowAndTheMenuReader() {
        Fixture f;
        const QString own = f.ownDesign();
        f.openOn(own);
        DesignEditor* md = f.md;
        control<ui::ColorBox>(*md, u"becw"_qs)->setColor(Qt::red);
        control<QComboBox>(*md, u"bmptmcb"_qs)->setCurrentIndex(int(Model::TileMode::Center));
        control<ui::ColorBox>(*md, u"boxf_fc"_qs)->setColor(Qt::yellow);
        control<QComboBox>(*md, u"boxc_bmp"_qs)->setCurrentIndex(int(Model::BoxFill::BackgroundBitmap));
        control<QSpinBox>(*md, u"btnsd"_qs)->setValue(9);
        control<QComboBox>(*md, u"btnstylecb"_qs)->setCurrentIndex(int(Model::ButtonStyle::Offset));
        control<QComboBox>(*md, u"FontBtnStyle"_qs)->setCurrentIndex(int(Model::FontEffect::RaisedShadow));
        control<QCheckBox>(*md, u"btn_fb"_qs)->setChecked(false);
        control<ui::ColorBox>(*md, u"fdnc"_qs)->setColor(QColor(128, 0, 0));
        control<QComboBox>(*md, u"Font2Style"_qs)->setCurrentIndex(int(Model::FontEffect::Raised));
        control<QCheckBox>(*md, u"df_b"_qs)->setChecked(true);
        control<QComboBox>(*md, u"soundc"_qs)->setCurrentIndex(1);
        f.fakes.choosers.queueOpenFile(writeFile(f.program(u"Sounds/Pick.wav"_qs), "RIFF"));
        QVERIFY(pressOnItsTab(*md, u"SoundOpen"_qs));
        control<QComboBox>(*md, u"language_c"_qs)->setCurrentIndex(1);
        control<QComboBox>(*md, u"language_sc"_qs)->setCurrentIndex(0);
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Logo.bmp"_qs), Qt::blue, QSize(40, 30)));
        QVERIFY(pressOnItsTab(*md, u"splash_load"_qs));
        control<QSpinBox>(*md, u"splash_d"_qs)->setValue(7);
        control<QSpinBox>(*md, u"splash_fw"_qs)->setValue(3);
        QVERIFY(pressOnItsTab(*md, u"crgf"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M43"));

        EditorState fresh;
        fresh.programFolder = f.state.programFolder;
        DesignEditor again(fresh, f.fakes.services());
        fresh.files.designFile.set(own);
        again.prepare();
        QCOMPARE(control<ui::ColorBox>(again, u"becw"_qs)->color(), QColor(Qt::red));
        QCOMPARE(control<QComboBox>(again, u"bmptmcb"_qs)->currentIndex(), int(Model::TileMode::Center));
        QVERIFY(control<StatusMark>(again, u"bmpsel"_qs)->isOn());
        QCOMPARE(control<ui::ColorBox>(again, u"boxf_fc"_qs)->color(), QColor(Qt::yellow));
        QCOMPARE(control<QComboBox>(again, u"boxc_bmp"_qs)->currentIndex(),
                 int(Model::BoxFill::BackgroundBitmap));
        QCOMPARE(control<QSpinBox>(again, u"btnsd"_qs)->value(), 9);
        QCOMPARE(control<QComboBox>(again, u"btnstylecb"_qs)->currentIndex(),
                 int(Model::ButtonStyle::Offset));
        QCOMPARE(control<QComboBox>(again, u"FontBtnStyle"_qs)->currentIndex(),
                 int(Model::FontEffect::RaisedShadow));
        QVERIFY(!control<QCheckBox>(again, u"btn_fb"_qs)->isChecked());
        QCOMPARE(control<ui::ColorBox>(again, u"fdnc"_qs)->color(), QColor(128, 0, 0));
        QCOMPARE(control<QComboBox>(again, u"Font2Style"_qs)->currentIndex(), int(Model::FontEffect::Raised));
        QVERIFY(control<QCheckBox>(again, u"df_b"_qs)->isChecked());
        control<QComboBox>(again, u"soundc"_qs)->setCurrentIndex(1);
        QVERIFY(control<QPushButton>(again, u"soundplay"_qs)->isEnabled());
        QCOMPARE(fresh.files.sounds[1].path(), f.program(u"menudesign/Blue/Pick.wav"_qs));
        QCOMPARE(control<QComboBox>(again, u"language_c"_qs)->currentIndex(), 1);
        QCOMPARE(control<QComboBox>(again, u"language_sc"_qs)->currentIndex(), 0);
        QVERIFY(control<StatusMark>(again, u"splash_status"_qs)->isOn() &&
                control<QPushButton>(again, u"splash_prev"_qs)->isEnabled());
        QCOMPARE(control<QSpinBox>(again, u"splash_d"_qs)->value(), 7);
        QCOMPARE(control<QSpinBox>(again, u"splash_fw"_qs)->value(), 3);
        QVERIFY(!again.isModified());

        const menu::DesignSettings read = menu::readDesignSettings(common::IniFile(own));
        QCOMPARE(read.designMode, menu::DesignMode::Bitmap);
        QCOMPARE(read.backEnd, QColor(Qt::red));
        QCOMPARE(read.tileMode, menu::TileMode::Center);
        QCOMPARE(read.itemBox.textColor, QColor(Qt::yellow));
        QCOMPARE(read.categoryBox.fill, menu::BoxFill::BackgroundBitmap);
        QCOMPARE(read.buttonShadowDepth, 9);
        QCOMPARE(read.bevelStyle, menu::BevelStyle::Offset);
        QCOMPARE(read.buttonEffect, menu::TextEffect::RaisedShadow);
        QVERIFY(!read.buttonBold);
        QCOMPARE(read.detailValues.color, QColor(128, 0, 0));
        QVERIFY(read.detailValues.bold);
        QCOMPARE(read.detailLabels.effect, menu::TextEffect::Raised);
        QVERIFY(read.sounds[1]);
        QVERIFY(read.splash.enabled);
        QCOMPARE(read.splash.displayMs, 7000);
        QCOMPARE(read.splash.frameWidth, 3);
        QCOMPARE(QSize(read.splash.width, read.splash.height), QSize(40, 30));
    }

    void previewWritesTheUnsavedDesignAndLeavesTheProjectAlone() {
        Fixture f;
        const QString own = f.ownDesign();
        f.openOn(own);
        const QString cfg = designpreview::previewConfigFolder(f.state.programFolder);
        writeFile(cfg + u"splash.bmp"_qs); // from an earlier preview
        const QByteArray onDisk = readBytes(own);
        f.state.modified = false;
        const QString night = writeBitmap(f.program(u"back/Night.bmp"_qs), Qt::darkBlue);
        f.fakes.choosers.queueOpenFile(night);
        QVERIFY(pressOnItsTab(*f.md, u"loadbtmpok"_qs));
        control<QComboBox>(*f.md, u"language_c"_qs)->setCurrentIndex(1);
        control<QComboBox>(*f.md, u"language_sc"_qs)->setCurrentIndex(1);

        QVERIFY(pressOnItsTab(*f.md, u"testbtn"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M44"));
        const QString program = designpreview::previewProgram(f.state.programFolder);
        QCOMPARE(f.fakes.shell.calls.last().verb, Verb::Start);
        QCOMPARE(f.fakes.shell.calls.last().target, program);
        QCOMPARE(readBytes(cfg + u"back.bmp"_qs), readBytes(night));
        QVERIFY(!QFile::exists(cfg + u"splash.bmp"_qs));
        QCOMPARE(readBytes(cfg + u"language.zol"_qs), readBytes(f.program(u"Files/language1.1"_qs)));
        QCOMPARE(readBytes(cfg + u"m14.ico"_qs), QByteArray("14"));
        const common::IniFile design(cfg + u"design.cfg"_qs);
        QCOMPARE(design.readInteger(u"Splash", u"enabled", -1), 0);
        QCOMPARE(design.readString(u"Back", u"bmp"), cfg + u"back.bmp"_qs);
        QCOMPARE(design.readString(u"general", u"design_mode"), QStringLiteral("bmp"));

        // Nothing of it stays in the editor.
        QCOMPARE(readBytes(own), onDisk);
        QCOMPARE(f.state.files.designFile.path(), own);
        QCOMPARE(f.state.files.backgroundFile.path(), night);
        QVERIFY(!f.state.modified);
        QVERIFY(f.md->isModified());
        QCOMPARE(f.md->windowTitle(), f.state.language.text(u"T47") + u" - "_qs + own);

        control<QComboBox>(*f.md, u"language_sc"_qs)->setCurrentIndex(0);
        QVERIFY(pressOnItsTab(*f.md, u"testbtn"_qs));
        QCOMPARE(readBytes(cfg + u"language.zol"_qs), readBytes(f.program(u"Files/language1.0"_qs)));
    }

    // Without a menu program to start, or a folder to write into, the preview says so instead.
    void previewSaysWhatIsMissing() {
        Fixture f;
        f.openOn(f.standard());
        const QString program = designpreview::previewProgram(f.state.programFolder);
        QFile::remove(program);
        QVERIFY(pressOnItsTab(*f.md, u"testbtn"_qs));
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QVERIFY(f.lastMessage().contains(program));
        QVERIFY(f.fakes.shell.calls.isEmpty());

        QFile::setPermissions(writeFile(program, "MZ"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(designpreview::previewConfigFolder(f.state.programFolder)).removeRecursively();
        writeFile(QDir::cleanPath(
            designpreview::previewConfigFolder(f.state.programFolder))); // a file in its place
        QVERIFY(pressOnItsTab(*f.md, u"testbtn"_qs));
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QVERIFY(f.lastMessage().startsWith(f.md->text(DesignEditor::PreviewNotWritable).section(u'%', 0, 0)));
        QVERIFY(f.fakes.shell.calls.isEmpty());
        QCOMPARE(f.state.files.designFile.path(), f.standard());
    }

    // The sample's captions show whole in both languages and styles, bold or not, at the size the
    // editor opens with.
    void sampleCaptionsShowWhole() {
        Fixture f;
        f.openOn(f.standard());
        f.md->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.md));
        const DesignSample* sample = control<DesignSample>(*f.md, u"sample"_qs);
        for (int language : {0, 1}) {
            for (int style : {0, 1}) {
                for (bool bold : {false, true}) {
                    control<QComboBox>(*f.md, u"language_c"_qs)->setCurrentIndex(language);
                    control<QComboBox>(*f.md, u"language_sc"_qs)->setCurrentIndex(style);
                    control<QCheckBox>(*f.md, u"df_b"_qs)->setChecked(bold);
                    control<QCheckBox>(*f.md, u"ff_b"_qs)->setChecked(bold);
                    control<QCheckBox>(*f.md, u"cf_b"_qs)->setChecked(bold);
                    for (QComboBox* effect : {control<QComboBox>(*f.md, u"Font1Style"_qs),
                                              control<QComboBox>(*f.md, u"Font2Style"_qs),
                                              control<QComboBox>(*f.md, u"Font3Style"_qs)})
                        effect->setCurrentIndex(bold ? int(Model::FontEffect::RaisedShadow) : 0);
                    QCoreApplication::processEvents();
                    for (const ui::EffectLabel* label : {control<ui::EffectLabel>(*sample, u"label13"_qs),
                                                         control<ui::EffectLabel>(*sample, u"label14"_qs),
                                                         control<ui::EffectLabel>(*sample, u"label15"_qs)}) {
                        // The room the label paints its text into, beside the effect's margin.
                        const int room = label->width() - ui::effectMargin(label->effect()) - 2;
                        QCOMPARE(label->fontMetrics().elidedText(label->text(), Qt::ElideRight, room),
                                 label->text());
                    }
                }
            }
        }
    }

    // Escape and the close box leave as Cancel does: the design that was open is the project's again.
    void escapeAndCloseBoxRestoreTheDesign() {
        Fixture f;
        const QString own = f.ownDesign();
        f.openOn(own);
        for (const bool escape : {true, false}) {
            f.md->show();
            f.md->prepare();
            QVERIFY(pressOnItsTab(*f.md, u"ngf"_qs));
            QCOMPARE(f.state.files.designFile.path(), f.standard());
            if (escape)
                QTest::keyClick(f.md, Qt::Key_Escape);
            else
                f.md->close();
            QVERIFY(!f.md->isVisible());
            QCOMPARE(f.state.files.designFile.path(), own);
            QCOMPARE(f.state.files.backgroundFile.path(), f.program(u"menudesign/Blue/Sky.bmp"_qs));
        }
    }

    // Save As onto a name whose design already lies in its own folder asks first.
    void saveAsAsksBeforeReplacingADesign() {
        Fixture f;
        const QString own = f.ownDesign();
        const QByteArray before = readBytes(own);
        f.openOn(f.standard());
        control<QSpinBox>(*f.md, u"btnsd"_qs)->setValue(12);
        f.fakes.choosers.queueSaveFile(f.program(u"menudesign/Blue.lbd"_qs));
        QVERIFY(pressOnItsTab(*f.md, u"SaveAs"_qs)); // answered No
        QCOMPARE(f.fakes.messages.shown.last().buttons, ui::MessageBoxService::Buttons::YesNo);
        QVERIFY(f.lastMessage().contains(own));
        QCOMPARE(readBytes(own), before);
        QVERIFY(QFile::exists(f.program(u"menudesign/Blue/Sky.bmp"_qs)));

        f.fakes.choosers.queueSaveFile(f.program(u"menudesign/Blue"_qs));
        f.fakes.messages.queueAnswer(Answer::Yes);
        QVERIFY(pressOnItsTab(*f.md, u"SaveAs"_qs));
        QCOMPARE(f.lastMessage(), f.message(u"M43"));
        QCOMPARE(common::IniFile(own).readInteger(u"Buttons", u"btnsd", 0), 12);
    }

    // A design file that names files outside its folder is read without them, and says which.
    void refusedMediaAndBrokenBitmapsAreSaid() {
        Fixture f;
        const QString shared = writeFile(f.dir.path() + u"/shared/evil.lbd"_qs,
                                         "[general]\r\ndesign_mode=bmp\r\n[Back]\r\nbmp=/etc/passwd\r\n"
                                         "[Sound]\r\nsound1=/etc/hostname\r\n");
        f.openOn(shared);
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Warning);
        QVERIFY(f.lastMessage().contains(u"/etc/passwd"_qs));
        QVERIFY(f.lastMessage().contains(u"/etc/hostname"_qs));
        QVERIFY(!f.state.files.backgroundFile.exists() && !f.state.files.sounds[0].exists());
        QVERIFY(control<StatusMark>(*f.md, u"bandsel"_qs)->isOn());

        // A file that is called a bitmap but does not decode is not taken.
        f.fakes.choosers.queueOpenFile(writeFile(f.program(u"back/Broken.bmp"_qs), "BM not really"));
        QVERIFY(pressOnItsTab(*f.md, u"loadbtmpok"_qs));
        QVERIFY(f.lastMessage().contains(u"Broken.bmp"_qs));
        QVERIFY(!f.state.files.backgroundFile.exists());
        QVERIFY(!control<StatusMark>(*f.md, u"modebmp"_qs)->isOn());
    }

    void menuDesignCommandOpensTheEditor() {
        Fixture f;
        // The command needs an open project; this one keeps the standard design.
        EditorState author;
        author.cdName = u"Disc"_qs;
        author.files.categoryFile.set(writeCategoryFile(f.dir.filePath(u"c/cats.lbc"_qs), {u"Tools"_qs}));
        author.files.designFile.set(f.standard());
        author.categories = {u"Tools"_qs};
        QVERIFY(f.openProject(writeProject(f.dir.filePath(u"p.lbp"_qs), author)));
        QTimer::singleShot(0, [&] {
            QVERIFY(f.md->isVisible());
            QCOMPARE(f.md->objectName(), QStringLiteral("Tmdform"));
            QCOMPARE(f.state.files.designFile.path(), f.standard());
            QVERIFY(pressOnItsTab(*f.md, u"zGradBtn4"_qs));
        });
        QVERIFY(f.pressTool("mdbtnmain"));
        QVERIFY(!f.md->isVisible());
    }

    void germanCaptionsFillEveryControl() {
        Fixture f;
        QVERIFY(f.trigger("german"));
        QCOMPARE(control<QPushButton>(*f.md, u"ngf"_qs)->text(), QStringLiteral("Neu"));
        for (QPushButton* b : f.md->findChildren<QPushButton*>())
            QVERIFY2(!b->text().isEmpty(), qPrintable(b->objectName()));
        for (QComboBox* box : f.md->findChildren<QComboBox*>()) {
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(!box->itemText(i).isEmpty(), qPrintable(box->objectName()));
        }
        QCOMPARE(control<ui::ColorBox>(*f.md, u"bcw"_qs)->itemText(0), QStringLiteral("Schwarz"));
        const DesignEditor builtIn(f.state, f.fakes.services());
        for (int key = DesignEditor::RefusedMedia; key <= DesignEditor::LastText; ++key) {
            const auto text = DesignEditor::Text(key);
            QCOMPARE(
                f.md->text(text),
                common::IniFile(f.program(u"Files/lang_2.dat"_qs)).readString(u"MD", u"E%1"_qs.arg(key)));
            QVERIFY(f.md->text(text) != builtIn.text(text));
        }
        QVERIFY(f.trigger("english"));
        QCOMPARE(control<ui::ColorBox>(*f.md, u"bcw"_qs)->itemText(0), QStringLiteral("Black"));
        // Before a language file is applied, the editor's own messages are the English file's.
        for (int key = DesignEditor::RefusedMedia; key <= DesignEditor::LastText; ++key)
            QCOMPARE(builtIn.text(DesignEditor::Text(key)), f.md->text(DesignEditor::Text(key)));
    }
};

QTEST_MAIN(TestDesignEditor)
#include "tst_designeditor.moc"
