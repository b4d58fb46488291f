// The design editor's commands: modes and media, design files, leaving and the full preview.
#include "editor/gui/design/DesignEditor.h"

#include "common/Paths.h"
#include "editor/disc/DesignPreview.h"
#include "editor/gui/design/DesignSample.h"
#include "editor/gui/design/SplashPreviewDialog.h"
#include "editor/gui/design/StatusMark.h"
#include "editor/gui/mainwindow/EditorAboutDialog.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"
#include "ui/services/ChooserService.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/PictureView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

using Msg = ui::MessageBoxService;
using Model = DesignModel;

namespace {

constexpr int kHelpContext = 3051;

} // namespace

void DesignEditor::click() const {
    m_services.sound.play(ProjectFiles::clickSound());
}

void DesignEditor::message(const QString& key) const {
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, m_state.language.message(key));
}

void DesignEditor::refuse(designediting::Refusal refusal) const {
    if (refusal != designediting::Refusal::None)
        message(designediting::messageKey(refusal));
}

QString DesignEditor::text(Text key) const {
    return m_texts.value(key);
}

namespace {

// A list of files below a message's first line.
QString fileList(const QStringList& files) {
    return QStringLiteral("\n\n") + files.join(u'\n');
}

} // namespace

void DesignEditor::reportRefusedMedia(const QStringList& refused) const {
    if (!refused.isEmpty())
        m_services.messages.show(Msg::Kind::Warning, Msg::Buttons::Ok,
                                 text(RefusedMedia).arg(fileList(refused)));
}

bool DesignEditor::isModified() const {
    return m_state.design.modified;
}

// A bitmap, icon or wave file from a chooser; empty when cancelled or when it cannot be read,
// which is reported.
QString DesignEditor::chooseMedium(const QString& filter, const QString& suffix, const QString& folder) {
    const QString chosen = m_services.choosers.openFile({{}, folder, filter, suffix, {}});
    if (chosen.isEmpty())
        return {};
    if (!environmentfiles::canOpen(chosen)) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 environmentfiles::cannotOpenText(m_state.language, chosen));
        return {};
    }
    return chosen;
}

// Background, button and splash bitmaps all come from the shipped backgrounds' folder first. A file
// that does not decode would show nothing on the disc.
QString DesignEditor::chooseBitmap() {
    const QString chosen = chooseMedium(QStringLiteral("Bitmaps (*.bmp)|*.bmp"), QStringLiteral("BMP"),
                                        common::resolveIgnoringCase(m_state.programFolder, u"back"));
    if (chosen.isEmpty())
        return {};
    QImageReader reader(chosen);
    if (!designfile::isUsableMedium(chosen) || reader.read().isNull()) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 text(NotABitmap).arg(QDir::toNativeSeparators(chosen)));
        return {};
    }
    return chosen;
}

// --- Opening and showing ---------------------------------------------------------------------------

bool DesignEditor::execute() {
    prepare();
    return exec() == QDialog::Accepted;
}

void DesignEditor::prepare() {
    m_soundBox->setCurrentIndex(0);
    m_soundFolder = common::resolveIgnoringCase(m_state.programFolder, u"Sounds");
    const FileHolder& design = m_state.files.designFile;
    loadDesign(design.exists() ? design.path() : designfile::standardFile(m_state.programFolder));
    m_openingDesignFile = m_state.files.designFile.path();
}

void DesignEditor::loadDesign(const QString& file) {
    const QStringList refused = designfile::load(m_state, file);
    const ProjectFiles& media = m_state.files;
    for (int i = 0; i < 5; ++i)
        m_soundLoaded[i] = media.sounds[i].exists();
    if (media.splashFile.exists())
        m_splashPreview->load(media.splashFile.path());
    else
        m_splashPreview->release();
    setTitleToDesign();
    m_tabs->setCurrentIndex(0);
    showDesign();
    reportRefusedMedia(refused);
}

void DesignEditor::setTitleToDesign() {
    setWindowTitle(m_state.language.text(u"T47") + QStringLiteral(" - ") + m_state.files.designFile.path());
}

void DesignEditor::showDesign() {
    const Model& d = m_state.design;
    m_showing = true;
    m_backgroundStartColour->setColor(d.backStart);
    m_backgroundEndColour->setColor(d.backEnd);
    m_backgroundPlacementBox->setCurrentIndex(int(d.tileMode));
    m_categoryBoxColour->setColor(d.categoryBox);
    m_categoryBoxFontColour->setColor(d.categoryBoxFont);
    m_filesBoxColour->setColor(d.filesBox);
    m_filesBoxFontColour->setColor(d.filesBoxFont);
    m_detailsBoxColour->setColor(d.detailsBox);
    m_categoryBoxFillBox->setCurrentIndex(int(d.categoryBoxFill));
    m_filesBoxFillBox->setCurrentIndex(int(d.filesBoxFill));
    m_detailsBoxFillBox->setCurrentIndex(int(d.detailsBoxFill));
    m_buttonStartColour->setColor(d.buttonStart);
    m_buttonEndColour->setColor(d.buttonEnd);
    m_buttonFontColour->setColor(d.buttonFont);
    m_shadowDepthBox->setValue(d.shadowDepth);
    m_borderWidthBox->setValue(d.borderWidth);
    m_buttonStyleBox->setCurrentIndex(int(d.buttonStyle));
    m_buttonEffectBox->setCurrentIndex(int(d.buttonEffect));
    m_buttonFontEffectBox->setCurrentIndex(int(d.buttonFontEffect));
    m_buttonFontBoldBox->setChecked(d.buttonBold);
    m_categoryFontColour->setColor(d.headingFont);
    m_filesFontColour->setColor(d.labelFont);
    m_detailsFontColour->setColor(d.valueFont);
    m_categoryFontEffectBox->setCurrentIndex(int(d.headingEffect));
    m_filesFontEffectBox->setCurrentIndex(int(d.labelEffect));
    m_detailsFontEffectBox->setCurrentIndex(int(d.valueEffect));
    m_categoryFontBoldBox->setChecked(d.headingBold);
    m_filesFontBoldBox->setChecked(d.labelBold);
    m_detailsFontBoldBox->setChecked(d.valueBold);
    m_menuLanguageBox->setCurrentIndex(d.language);
    m_captionStyleBox->setCurrentIndex(d.style);
    m_splashFrameColour->setColor(d.splashFrameColor);
    m_splashFrameWidthBox->setValue(d.splashFrameWidth);
    m_splashDelayBox->setValue(d.splashDelay);
    m_showing = false;

    showMarks();
    showSoundButtons();
    showIcon();
    showSample();
}

void DesignEditor::showMarks() {
    const Model::Marks& m = m_state.design.marks;
    const std::pair<StatusMark*, bool> marks[] = {{m_backgroundBandMark, m.bandsel},
                                                  {m_backgroundBitmapModeMark, m.bmpsel},
                                                  {m_backgroundBitmapLoadedMark, m.modebmp},
                                                  {m_buttonBandMark, m.buttonbandsel},
                                                  {m_buttonBitmapModeMark, m.buttonbmpsel},
                                                  {m_transparentMark, m.buttontranssel},
                                                  {m_buttonBitmapLoadedMark, m.BtnBmp},
                                                  {m_splashMark, m.splash_status},
                                                  {m_iconMark, m.icon_status}};
    for (const auto& [mark, on] : marks)
        mark->setOn(on);
    m_clearSplashButton->setEnabled(m.splash_status);
    m_previewSplashButton->setEnabled(m.splash_status);
    m_clearIconButton->setEnabled(m.icon_status);
}

void DesignEditor::showSample() {
    m_sample->showDesign(m_state.design, m_state.files);
}

void DesignEditor::showSoundButtons() {
    const int i = m_soundBox->currentIndex();
    const bool loaded = i >= 0 && m_soundLoaded[i];
    m_playSoundButton->setEnabled(loaded);
    m_stopSoundButton->setEnabled(loaded);
}

void DesignEditor::showIcon() {
    const FileHolder& icon = m_state.files.iconFile;
    m_iconPreview->load(icon.exists() ? icon.path() : designfile::defaultDiscIcon(m_state.programFolder));
}

void DesignEditor::hideEvent(QHideEvent* event) {
    m_splashPreview->release();
    m_iconPreview->clear();
    QDialog::hideEvent(event);
}

// --- Background and buttons ----------------------------------------------------------------------

void DesignEditor::backgroundBandClicked() {
    click();
    designediting::setBackgroundBand(m_state.design);
    showDesign();
}

void DesignEditor::loadBackgroundClicked() {
    click();
    const QString chosen = chooseBitmap();
    if (chosen.isEmpty())
        return;
    designediting::loadBackgroundBitmap(m_state.design, m_state.files, chosen);
    showDesign();
}

void DesignEditor::clearBackgroundClicked() {
    click();
    refuse(designediting::clearBackgroundBitmap(m_state.design, m_state.files));
    showDesign();
}

void DesignEditor::backgroundBitmapModeClicked() {
    click();
    refuse(designediting::setBackgroundBitmapMode(m_state.design));
    showDesign();
}

void DesignEditor::buttonBandClicked() {
    click();
    designediting::setButtonBand(m_state.design);
    showDesign();
}

void DesignEditor::loadButtonBitmapClicked() {
    click();
    const QString chosen = chooseBitmap();
    if (chosen.isEmpty())
        return;
    designediting::loadButtonBitmap(m_state.design, m_state.files, chosen);
    showDesign();
}

void DesignEditor::clearButtonBitmapClicked() {
    click();
    refuse(designediting::clearButtonBitmap(m_state.design, m_state.files));
    showDesign();
}

void DesignEditor::buttonBitmapModeClicked() {
    click();
    refuse(designediting::setButtonBitmapMode(m_state.design));
    showDesign();
}

void DesignEditor::transparentClicked() {
    click();
    designediting::setButtonTransparent(m_state.design);
    showDesign();
}

// --- Sounds ----------------------------------------------------------------------------------------

void DesignEditor::soundChosen() {
    showSoundButtons();
}

void DesignEditor::playSoundClicked() {
    const int i = m_soundBox->currentIndex();
    if (i >= 0 && m_soundLoaded[i])
        m_services.sound.play(m_state.files.sounds[i].path());
}

void DesignEditor::stopSoundClicked() {
    click();
    m_services.sound.stop();
}

void DesignEditor::loadSoundClicked() {
    click();
    const int i = m_soundBox->currentIndex();
    if (i < 0)
        return;
    const QString chosen =
        chooseMedium(QStringLiteral("Wavefile|*.wav"), QStringLiteral("wav"), m_soundFolder);
    if (chosen.isEmpty())
        return;
    FileHolder& sound = m_state.files.sounds[i];
    sound.set(chosen);
    m_soundLoaded[i] = sound.exists();
    if (sound.exists())
        m_soundFolder = sound.folder();
    m_state.design.modified = true;
    showSoundButtons();
}

void DesignEditor::clearSoundClicked() {
    click();
    const int i = m_soundBox->currentIndex();
    if (i < 0 || !m_soundLoaded[i])
        return;
    m_services.sound.stop();
    m_state.files.sounds[i].clear();
    m_soundLoaded[i] = false;
    m_state.design.modified = true;
    showSoundButtons();
}

// --- Splash and icon -------------------------------------------------------------------------------

void DesignEditor::loadSplashClicked() {
    click();
    const QString chosen = chooseBitmap();
    if (chosen.isEmpty())
        return;
    m_state.files.splashFile.set(chosen);
    m_state.design.marks.splash_status = true;
    m_state.design.modified = true;
    m_splashPreview->load(chosen);
    showMarks();
}

void DesignEditor::clearSplashClicked() {
    m_state.files.splashFile.clear();
    m_splashPreview->release();
    m_state.design.marks.splash_status = false;
    m_state.design.modified = true;
    showMarks();
}

void DesignEditor::previewSplashClicked() {
    m_splashPreview->setFrame(m_state.design.splashFrameColor, m_state.design.splashFrameWidth);
    m_splashPreview->exec();
}

void DesignEditor::loadIconClicked() {
    const QString chosen =
        chooseMedium(QStringLiteral("Icons (*.ico)|*.ico"), QStringLiteral("ICO"), m_state.programFolder);
    if (chosen.isEmpty())
        return;
    m_state.files.iconFile.set(chosen);
    m_state.design.marks.icon_status = true;
    m_state.design.modified = true;
    showMarks();
    showIcon();
}

void DesignEditor::clearIconClicked() {
    m_state.files.iconFile.clear();
    m_state.design.marks.icon_status = false;
    m_state.design.modified = true;
    showMarks();
    showIcon();
}

// --- Design files ----------------------------------------------------------------------------------

void DesignEditor::newDesignClicked() {
    click();
    loadDesign(designfile::standardFile(m_state.programFolder));
    m_state.modified = true;
}

void DesignEditor::loadDesignClicked() {
    click();
    const QString chosen = m_services.choosers.openFile({m_loadButton->text(),
                                                         designfile::startFolder(m_state.programFolder),
                                                         designfile::filter(),
                                                         designfile::defaultSuffix(),
                                                         {}});
    if (chosen.isEmpty())
        return;
    loadDesign(chosen);
    m_state.modified = true;
}

void DesignEditor::saveDesignClicked() {
    click();
    save();
}

void DesignEditor::saveAsClicked() {
    click();
    saveAs();
}

bool DesignEditor::save() {
    const FileHolder& design = m_state.files.designFile;
    if (!design.exists() || designfile::isStandardFile(design.path(), m_state.programFolder))
        return saveAs();
    return saveTo(design.path());
}

bool DesignEditor::saveAs() {
    const QString chosen = m_services.choosers.saveFile({m_saveAsButton->text(),
                                                         designfile::startFolder(m_state.programFolder),
                                                         designfile::filter(),
                                                         designfile::defaultSuffix(),
                                                         {}});
    if (chosen.isEmpty())
        return false;
    // A new name goes into a folder of its own, where the chooser never looked: a design of that
    // name there is replaced only when the user says so.
    const QString target = designfile::saveTarget(chosen);
    if (QFileInfo::exists(target) &&
        !environmentfiles::isSameFile(
            target, environmentfiles::withDefaultSuffix(chosen, designfile::defaultSuffix())) &&
        m_services.messages.show(Msg::Kind::Question, Msg::Buttons::YesNo, text(ReplaceDesign).arg(target)) !=
            Msg::Answer::Yes)
        return false;
    return saveTo(chosen);
}

bool DesignEditor::saveTo(const QString& file) {
    // The standard design is what every project without a design of its own shows.
    if (designfile::isStandardFile(environmentfiles::withDefaultSuffix(file, designfile::defaultSuffix()),
                                   m_state.programFolder)) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 environmentfiles::cannotWriteText(m_state.language, file));
        return false;
    }
    const designfile::SaveResult saved = designfile::saveTo(m_state, file);
    if (saved.written.isEmpty()) {
        m_services.messages.show(
            Msg::Kind::Error, Msg::Buttons::Ok,
            environmentfiles::cannotWriteText(m_state.language, designfile::saveTarget(file)));
        return false;
    }
    setTitleToDesign();
    QStringList warnings;
    if (!saved.notCopied.isEmpty())
        warnings << text(MediaNotCopied).arg(fileList(saved.notCopied));
    if (!saved.renamed.isEmpty())
        warnings << text(RenamedMedia).arg(fileList(saved.renamed));
    if (warnings.isEmpty())
        message(QStringLiteral("M43"));
    else
        m_services.messages.show(Msg::Kind::Warning, Msg::Buttons::Ok, warnings.join(QStringLiteral("\n\n")));
    return true;
}

// --- Leaving ---------------------------------------------------------------------------------------

void DesignEditor::okClicked() {
    click();
    if (!m_state.design.modified) {
        accept();
        return;
    }
    if (m_services.messages.show(Msg::Kind::Information, Msg::Buttons::OkCancel,
                                 m_state.language.message(u"M40")) != Msg::Answer::Ok)
        return;
    const bool saved = save();
    if (!m_state.files.designFile.exists()) {
        message(QStringLiteral("M41"));
        return;
    }
    if (!saved)
        return;
    accept();
    if (onSavedAndClosed)
        onSavedAndClosed();
}

void DesignEditor::cancelClicked() {
    click();
    reject();
}

void DesignEditor::reject() {
    // The project's design again, media included: a build after Cancel must not put the media of
    // a design the user left on the disc beside the design file that does not name them.
    if (QFileInfo(m_openingDesignFile).isFile())
        designfile::load(m_state, m_openingDesignFile);
    m_state.files.designFile.set(m_openingDesignFile);
    QDialog::reject();
}

void DesignEditor::helpClicked() {
    click();
    m_services.help.showHelp(m_state.helpFile, kHelpContext);
}

void DesignEditor::aboutClicked() {
    click();
    EditorAboutDialog about(m_services, m_state.language, m_state.helpFile, this,
                            m_state.language.text(u"T63"), QStringLiteral("1.5"));
    about.exec();
}

void DesignEditor::designsHomePageClicked() {
    m_services.shell.open(designsHomePage());
}

// --- Full preview ----------------------------------------------------------------------------------

void DesignEditor::fullPreviewClicked() {
    const QString program = designpreview::previewProgram(m_state.programFolder);
    const QFileInfo programInfo(program);
    if (!programInfo.isFile() || !programInfo.isExecutable()) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 text(NoPreviewProgram).arg(QDir::toNativeSeparators(program)));
        return;
    }
    const bool written = designpreview::write(m_state);
    setTitleToDesign();
    if (!written) {
        m_services.messages.show(
            Msg::Kind::Error, Msg::Buttons::Ok,
            text(PreviewNotWritable).arg(designpreview::previewConfigFolder(m_state.programFolder)));
        return;
    }
    message(QStringLiteral("M44"));
    m_services.shell.startProgram(program, programInfo.absolutePath());
}
