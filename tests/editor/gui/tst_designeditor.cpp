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
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/ShadowButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace editortest;
using Answer = ui::MessageBoxService::Answer;
using Verb = ui::testing::FakeShell::Verb;
using Model = DesignModel;

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
            md->loadBackgroundClicked();
            fakes.choosers.queueSaveFile(program(u"menudesign/Blue.lbd"_qs));
            md->saveAsClicked();
            return program(u"menudesign/Blue/Blue.lbd"_qs);
        }
    };

private Q_SLOTS:
    void boxFillsFollowTheBitmapModes() {
        Fixture f;
        f.openOn(f.standard());
        QVERIFY(f.md->bandsel->isOn() && !f.md->bmpsel->isOn());

        f.md->boxf_bmp->setCurrentIndex(int(Model::BoxFill::BackgroundBitmap));
        QCOMPARE(f.lastMessage(), f.message(u"M45"));
        QCOMPARE(f.md->boxf_bmp->currentIndex(), 0);
        QCOMPARE(f.state.design.filesBoxFill, Model::BoxFill::None);
        f.md->boxd_bmp->setCurrentIndex(int(Model::BoxFill::ButtonBitmap));
        QCOMPARE(f.lastMessage(), f.message(u"M46"));
        QCOMPARE(f.md->boxd_bmp->currentIndex(), 0);

        // Set Bitmapmode without a bitmap is refused; with one loaded, the fill stays.
        f.md->backgroundBitmapModeClicked();
        QCOMPARE(f.lastMessage(), f.message(u"M42"));
        QVERIFY(f.md->bandsel->isOn());
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Sky.bmp"_qs), Qt::cyan));
        f.md->loadBackgroundClicked();
        QVERIFY(f.md->bmpsel->isOn() && f.md->modebmp->isOn() && !f.md->bandsel->isOn());
        QCOMPARE(f.fakes.choosers.requests.last().file.filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
        QCOMPARE(f.fakes.choosers.requests.last().file.folder, f.program(u"back"_qs));
        f.md->backgroundBandClicked();
        f.md->backgroundBitmapModeClicked();
        const int shown = int(f.fakes.messages.shown.size());
        f.md->boxf_bmp->setCurrentIndex(int(Model::BoxFill::BackgroundBitmap));
        QCOMPARE(int(f.fakes.messages.shown.size()), shown);
        QCOMPARE(f.state.design.filesBoxFill, Model::BoxFill::BackgroundBitmap);

        // Transparent buttons take every fill back to "None", the background bitmap's too.
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Stone.bmp"_qs), Qt::gray));
        f.md->loadButtonBitmapClicked();
        QVERIFY(f.md->buttonbmpsel->isOn() && f.md->BtnBmp->isOn());
        f.md->boxc_bmp->setCurrentIndex(int(Model::BoxFill::ButtonBitmap));
        QCOMPARE(f.state.design.categoryBoxFill, Model::BoxFill::ButtonBitmap);
        f.md->transparentClicked();
        QVERIFY(f.md->buttontranssel->isOn() && !f.md->buttonbmpsel->isOn() && !f.md->buttonbandsel->isOn());
        for (QComboBox* box : {f.md->boxc_bmp, f.md->boxf_bmp, f.md->boxd_bmp})
            QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(f.state.design.filesBoxFill, Model::BoxFill::None);
        QCOMPARE(f.state.design.buttonMode, Model::ButtonMode::Trans);
    }

    void clearingAbsentBitmapsChangesNothing() {
        Fixture f;
        f.openOn(f.standard());
        const qsizetype clicks = f.fakes.sound.played.count(ProjectFiles::clickSound());
        const Model before = f.state.design;
        f.md->clearBackgroundClicked();
        QCOMPARE(f.lastMessage(), f.message(u"M42"));
        f.md->clearButtonBitmapClicked();
        f.md->buttonBitmapModeClicked();
        QCOMPARE(f.fakes.messages.shown.size(), 3);
        QVERIFY(f.state.design == before);
        QVERIFY(!f.md->isModified());

        // A loaded bitmap is cleared, and its mode falls back to the gradient.
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Stone.bmp"_qs), Qt::gray));
        f.md->loadButtonBitmapClicked();
        f.md->clearButtonBitmapClicked();
        QVERIFY(!f.state.files.buttonFile.exists());
        QVERIFY(!f.md->BtnBmp->isOn() && f.md->buttonbandsel->isOn());
        QVERIFY(f.md->isModified());
        // Every one of these buttons clicks first.
        QCOMPARE(f.fakes.sound.played.count(ProjectFiles::clickSound()) - clicks, 5);
    }

    void sampleShowsEverySetting() {
        Fixture f;
        f.openOn(f.standard());
        DesignSample* sample = f.md->sample;
        const qsizetype clicks = f.fakes.sound.played.count(ProjectFiles::clickSound());
        f.md->language_c->setCurrentIndex(1);
        f.md->language_sc->setCurrentIndex(1);
        QCOMPARE(sample->testbtn->text(), QStringLiteral("Vorschau"));
        QCOMPARE(sample->m_headingSample->text(), QStringLiteral("Kategorie"));
        QCOMPARE(sample->m_labelSample->text(), QStringLiteral("Datei"));
        QCOMPARE(sample->m_valueSample->text(), QStringLiteral("c:\\test.exe"));
        f.md->language_c->setCurrentIndex(0);
        f.md->language_sc->setCurrentIndex(0);
        QCOMPARE(sample->testbtn->text(), QStringLiteral("full preview"));

        f.md->btncw->setColor(Qt::red);
        QCOMPARE(sample->testbtn->face().start(), QColor(Qt::red));
        f.md->btnsd->setValue(11);
        QCOMPARE(sample->testbtn->shadowDepth(), 11);
        f.md->btnstylecb->setCurrentIndex(0);
        QCOMPARE(sample->testbtn->bevel(), ui::ShadowButton::Bevel::Inset);
        f.md->btneffectcb->setCurrentIndex(1);
        QCOMPARE(sample->testbtn->shape(), ui::ShadowButton::Shape::ThreeD);
        f.md->FontBtnStyle->setCurrentIndex(5);
        QCOMPARE(sample->testbtn->textEffect(), ui::TextEffect::SunkenShadow);
        f.md->Font2Style->setCurrentIndex(1);
        QCOMPARE(sample->m_labelSample->effect(), ui::TextEffect::Raised);
        f.md->fdnc->setColor(Qt::yellow);
        QCOMPARE(sample->m_valueSample->color(), QColor(Qt::yellow));
        f.md->df_b->setChecked(true);
        QVERIFY(sample->m_valueSample->isBold());
        f.md->backStart->setColor(QColor(0, 128, 0));
        QCOMPARE(sample->backdrop().start(), QColor(0, 128, 0));

        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Sky.bmp"_qs), Qt::cyan, QSize(5, 3)));
        f.md->loadBackgroundClicked();
        f.md->bmptmcb->setCurrentIndex(int(Model::TileMode::Stretch));
        QCOMPARE(sample->backdrop().kind(), ui::Backdrop::Kind::Bitmap);
        QCOMPARE(sample->backdrop().placement(), ui::Placement::Stretch);
        QCOMPARE(sample->backdrop().pixmap().size(), QSize(5, 3));
        f.md->transparentClicked();
        QCOMPARE(sample->testbtn->face().kind(), ui::Backdrop::Kind::Nothing);
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
        f.md->btnbw->setValue(7);

        f.md->saveDesignClicked(); // Save As, cancelled
        QCOMPARE(f.fakes.choosers.requests.last().kind, ui::testing::FakeChoosers::Kind::Save);
        QCOMPARE(f.fakes.choosers.requests.last().file.filter, designfile::filter());
        QCOMPARE(readBytes(f.standard()), standard);
        // Chosen in Save As, the standard design is refused too.
        f.fakes.choosers.queueSaveFile(f.standard());
        f.md->saveDesignClicked();
        QCOMPARE(readBytes(f.standard()), standard);
        QVERIFY(f.md->isModified());

        f.fakes.choosers.queueSaveFile(f.program(u"menudesign/Wide.lbd"_qs));
        f.md->saveDesignClicked();
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
        f.md->okClicked();
        QVERIFY(!f.md->isVisible());
        QCOMPARE(f.md->result(), int(QDialog::Accepted));

        f.md->show();
        f.md->btnsd->setValue(2);
        f.fakes.messages.queueAnswer(Answer::Cancel);
        f.md->okClicked();
        QCOMPARE(f.lastMessage(), f.message(u"M40"));
        QVERIFY(f.md->isVisible());
        QCOMPARE(common::IniFile(own).readInteger(u"Buttons", u"btnsd", 0), 4);

        f.fakes.messages.queueAnswer(Answer::Ok);
        f.md->okClicked();
        QVERIFY(!f.md->isVisible());
        QCOMPARE(common::IniFile(own).readInteger(u"Buttons", u"btnsd", 0), 2);

        // Cancel: the design that was open, with its media, is the project's again.
        f.md->show();
        f.md->prepare();
        f.md->clearBackgroundClicked();
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Night.bmp"_qs), Qt::black));
        f.md->loadSplashClicked();
        f.md->newDesignClicked();
        QCOMPARE(f.state.files.designFile.path(), f.standard());
        f.md->cancelClicked();
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
        f.md->btn_fb->setChecked(false);
        f.fakes.messages.queueAnswer(Answer::Ok);
        f.md->okClicked(); // Save As cancelled
        QVERIFY(f.md->isVisible());
        QVERIFY(f.md->isModified());

        // A project whose design file vanished while the dialog was open cannot close with it.
        f.state.files.designFile.clear();
        f.fakes.messages.queueAnswer(Answer::Ok);
        f.md->okClicked();
        QCOMPARE(f.lastMessage(), f.message(u"M41"));
        QVERIFY(f.md->isVisible());
        f.md->cancelClicked();
    }

    void soundsFollowTheSelectedEntry() {
        Fixture f;
        f.openOn(f.standard());
        QVERIFY(!f.md->soundplay->isEnabled()); // the standard's sounds lie elsewhere
        const QString wave = writeFile(f.program(u"Sounds/Bell.wav"_qs), "RIFF");
        f.md->soundc->setCurrentIndex(2);
        f.fakes.choosers.queueOpenFile(wave);
        f.md->loadSoundClicked();
        QCOMPARE(f.fakes.choosers.requests.last().file.filter, QStringLiteral("Wavefile|*.wav"));
        QCOMPARE(f.fakes.choosers.requests.last().file.folder, f.program(u"Sounds"_qs));
        QCOMPARE(f.state.files.sounds[2].path(), QDir::toNativeSeparators(wave));
        QVERIFY(f.md->soundplay->isEnabled() && f.md->soundstop->isEnabled());
        f.md->playSoundClicked();
        QCOMPARE(f.fakes.sound.playing, QDir::toNativeSeparators(wave));

        f.md->soundc->setCurrentIndex(0);
        QVERIFY(!f.md->soundplay->isEnabled());
        f.md->clearSoundClicked(); // nothing loaded there: nothing happens
        f.md->soundc->setCurrentIndex(2);
        QVERIFY(f.md->soundplay->isEnabled());
        f.md->clearSoundClicked();
        QVERIFY(!f.state.files.sounds[2].exists());
        QVERIFY(!f.md->soundplay->isEnabled());
        QVERIFY(f.md->isModified());
    }

    void roundTripThroughTheWindowAndTheMenuReader() {
        Fixture f;
        const QString own = f.ownDesign();
        f.openOn(own);
        DesignEditor* md = f.md;
        md->backEnd->setColor(Qt::red);
        md->bmptmcb->setCurrentIndex(int(Model::TileMode::Center));
        md->boxf_fc->setColor(Qt::yellow);
        md->boxc_bmp->setCurrentIndex(int(Model::BoxFill::BackgroundBitmap));
        md->btnsd->setValue(9);
        md->btnstylecb->setCurrentIndex(int(Model::ButtonStyle::Offset));
        md->FontBtnStyle->setCurrentIndex(int(Model::FontEffect::RaisedShadow));
        md->btn_fb->setChecked(false);
        md->fdnc->setColor(QColor(128, 0, 0));
        md->Font2Style->setCurrentIndex(int(Model::FontEffect::Raised));
        md->df_b->setChecked(true);
        md->soundc->setCurrentIndex(1);
        f.fakes.choosers.queueOpenFile(writeFile(f.program(u"Sounds/Pick.wav"_qs), "RIFF"));
        md->loadSoundClicked();
        md->language_c->setCurrentIndex(1);
        md->language_sc->setCurrentIndex(0);
        f.fakes.choosers.queueOpenFile(writeBitmap(f.program(u"back/Logo.bmp"_qs), Qt::blue, QSize(40, 30)));
        md->loadSplashClicked();
        md->splash_d->setValue(7);
        md->splash_fw->setValue(3);
        md->saveDesignClicked();
        QCOMPARE(f.lastMessage(), f.message(u"M43"));

        EditorState fresh;
        fresh.programFolder = f.state.programFolder;
        DesignEditor again(fresh, f.fakes.services());
        fresh.files.designFile.set(own);
        again.prepare();
        QCOMPARE(again.backEnd->color(), QColor(Qt::red));
        QCOMPARE(again.bmptmcb->currentIndex(), int(Model::TileMode::Center));
        QVERIFY(again.bmpsel->isOn());
        QCOMPARE(again.boxf_fc->color(), QColor(Qt::yellow));
        QCOMPARE(again.boxc_bmp->currentIndex(), int(Model::BoxFill::BackgroundBitmap));
        QCOMPARE(again.btnsd->value(), 9);
        QCOMPARE(again.btnstylecb->currentIndex(), int(Model::ButtonStyle::Offset));
        QCOMPARE(again.FontBtnStyle->currentIndex(), int(Model::FontEffect::RaisedShadow));
        QVERIFY(!again.btn_fb->isChecked());
        QCOMPARE(again.fdnc->color(), QColor(128, 0, 0));
        QCOMPARE(again.Font2Style->currentIndex(), int(Model::FontEffect::Raised));
        QVERIFY(again.df_b->isChecked());
        again.soundc->setCurrentIndex(1);
        QVERIFY(again.soundplay->isEnabled());
        QCOMPARE(fresh.files.sounds[1].path(), f.program(u"menudesign/Blue/Pick.wav"_qs));
        QCOMPARE(again.language_c->currentIndex(), 1);
        QCOMPARE(again.language_sc->currentIndex(), 0);
        QVERIFY(again.splash_status->isOn() && again.splash_prev->isEnabled());
        QCOMPARE(again.splash_d->value(), 7);
        QCOMPARE(again.splash_fw->value(), 3);
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
        f.md->loadBackgroundClicked();
        f.md->language_c->setCurrentIndex(1);
        f.md->language_sc->setCurrentIndex(1);

        f.md->fullPreviewClicked();
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

        f.md->language_sc->setCurrentIndex(0);
        f.md->fullPreviewClicked();
        QCOMPARE(readBytes(cfg + u"language.zol"_qs), readBytes(f.program(u"Files/language1.0"_qs)));
    }

    // Without a menu program to start, or a folder to write into, the preview says so instead.
    void previewSaysWhatIsMissing() {
        Fixture f;
        f.openOn(f.standard());
        const QString program = designpreview::previewProgram(f.state.programFolder);
        QFile::remove(program);
        f.md->fullPreviewClicked();
        QCOMPARE(f.fakes.messages.shown.last().kind, ui::MessageBoxService::Kind::Error);
        QVERIFY(f.lastMessage().contains(program));
        QVERIFY(f.fakes.shell.calls.isEmpty());

        QFile::setPermissions(writeFile(program, "MZ"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(designpreview::previewConfigFolder(f.state.programFolder)).removeRecursively();
        writeFile(QDir::cleanPath(
            designpreview::previewConfigFolder(f.state.programFolder))); // a file in its place
        f.md->fullPreviewClicked();
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
        const DesignSample* sample = f.md->sample;
        for (int language : {0, 1}) {
            for (int style : {0, 1}) {
                for (bool bold : {false, true}) {
                    f.md->language_c->setCurrentIndex(language);
                    f.md->language_sc->setCurrentIndex(style);
                    f.md->df_b->setChecked(bold);
                    f.md->ff_b->setChecked(bold);
                    f.md->cf_b->setChecked(bold);
                    for (QComboBox* effect : {f.md->Font1Style, f.md->Font2Style, f.md->Font3Style})
                        effect->setCurrentIndex(bold ? int(Model::FontEffect::RaisedShadow) : 0);
                    QCoreApplication::processEvents();
                    for (const ui::EffectLabel* label :
                         {sample->m_headingSample, sample->m_labelSample, sample->m_valueSample}) {
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
            f.md->newDesignClicked();
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
        f.md->btnsd->setValue(12);
        f.fakes.choosers.queueSaveFile(f.program(u"menudesign/Blue.lbd"_qs));
        f.md->saveAsClicked(); // answered No
        QCOMPARE(f.fakes.messages.shown.last().buttons, ui::MessageBoxService::Buttons::YesNo);
        QVERIFY(f.lastMessage().contains(own));
        QCOMPARE(readBytes(own), before);
        QVERIFY(QFile::exists(f.program(u"menudesign/Blue/Sky.bmp"_qs)));

        f.fakes.choosers.queueSaveFile(f.program(u"menudesign/Blue"_qs));
        f.fakes.messages.queueAnswer(Answer::Yes);
        f.md->saveAsClicked();
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
        QVERIFY(f.md->bandsel->isOn());

        // A file that is called a bitmap but does not decode is not taken.
        f.fakes.choosers.queueOpenFile(writeFile(f.program(u"back/Broken.bmp"_qs), "BM not really"));
        f.md->loadBackgroundClicked();
        QVERIFY(f.lastMessage().contains(u"Broken.bmp"_qs));
        QVERIFY(!f.state.files.backgroundFile.exists());
        QVERIFY(!f.md->modebmp->isOn());
    }

    void menuDesignCommandOpensTheEditor() {
        Fixture f;
        QTimer::singleShot(0, [&] {
            QVERIFY(f.md->isVisible());
            QCOMPARE(f.md->objectName(), QStringLiteral("Tmdform"));
            QCOMPARE(f.state.files.designFile.path(), f.standard());
            f.md->cancelClicked();
        });
        f.form->editDesignClicked();
        QVERIFY(!f.md->isVisible());
    }

    void germanCaptionsFillEveryControl() {
        Fixture f;
        f.form->languageClicked(2);
        QCOMPARE(f.md->ngf->text(), QStringLiteral("Neu"));
        for (QPushButton* b : f.md->findChildren<QPushButton*>())
            QVERIFY2(!b->text().isEmpty(), qPrintable(b->objectName()));
        for (QComboBox* box : f.md->findChildren<QComboBox*>()) {
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(!box->itemText(i).isEmpty(), qPrintable(box->objectName()));
        }
        QCOMPARE(f.md->backStart->itemText(0), QStringLiteral("Schwarz"));
        const DesignEditor builtIn(f.state, f.fakes.services());
        for (int key = DesignEditor::RefusedMedia; key <= DesignEditor::LastText; ++key) {
            const auto text = DesignEditor::Text(key);
            QCOMPARE(
                f.md->text(text),
                common::IniFile(f.program(u"Files/lang_2.dat"_qs)).readString(u"MD", u"E%1"_qs.arg(key)));
            QVERIFY(f.md->text(text) != builtIn.text(text));
        }
        f.form->languageClicked(1);
        QCOMPARE(f.md->backStart->itemText(0), QStringLiteral("Black"));
        // Before a language file is applied, the editor's own messages are the English file's.
        for (int key = DesignEditor::RefusedMedia; key <= DesignEditor::LastText; ++key)
            QCOMPARE(builtIn.text(DesignEditor::Text(key)), f.md->text(DesignEditor::Text(key)));
    }
};

QTEST_MAIN(TestDesignEditor)
#include "tst_designeditor.moc"
