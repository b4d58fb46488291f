#include "editor/gui/newproject/ProjectDialog.h"

#include "common/Paths.h"
#include "editor/gui/NamedButton.h"
#include "editor/gui/categories/CategoryEditor.h"
#include "editor/gui/design/DesignEditor.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFolders.h"
#include "ui/services/ChooserService.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/SoundService.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Msg = ui::MessageBoxService;

namespace {

constexpr int kHelpContext = 2050;
constexpr int kMaxCdNameLength = 200;
const QString kSection = QStringLiteral("NewProj");

} // namespace

ProjectDialog::ProjectDialog(EditorState& state, ui::Services services, CategoryEditor* categoryEditor,
                             DesignEditor* designEditor, MainWindowHooks hooks, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_categoryEditor(categoryEditor),
      m_designEditor(designEditor), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("Tnewpform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - New Project"));
    setModal(true);

    m_cdNameLabel = new QLabel(QStringLiteral("CD Name"), this);
    m_cdNameEdit = new QLineEdit(this);
    m_cdNameEdit->setObjectName(QStringLiteral("anzname"));
    m_cdNameEdit->setMaxLength(kMaxCdNameLength);
    m_folderLabel = new QLabel(QStringLiteral("Project Folder"), this);
    m_projectFolderEdit = new QLineEdit(this);
    m_projectFolderEdit->setObjectName(QStringLiteral("rootname"));
    m_projectFolderEdit->setReadOnly(true);
    m_browseButton = namedButton(this, "browsepfbtn", QStringLiteral("Browse"));
    auto* values = new QGridLayout;
    values->addWidget(m_cdNameLabel, 0, 0);
    values->addWidget(m_cdNameEdit, 0, 1, 1, 2);
    values->addWidget(m_folderLabel, 1, 0);
    values->addWidget(m_projectFolderEdit, 1, 1);
    values->addWidget(m_browseButton, 1, 2);
    values->setColumnStretch(1, 1);

    m_environmentBox = new QGroupBox(QStringLiteral("Environment"), this);
    m_categoryEditorButton = namedButton(m_environmentBox, "genrefilebtn", QStringLiteral("Category Editor"));
    m_designEditorButton = namedButton(m_environmentBox, "layoutbtn", QStringLiteral("Menu Design Editor"));
    auto* environment = new QHBoxLayout(m_environmentBox);
    environment->addWidget(m_categoryEditorButton);
    environment->addWidget(m_designEditorButton);

    m_okButton = namedButton(this, "okbtn", QStringLiteral("OK"));
    // Enter in the CD name presses OK; Browse and the editors need a click of their own.
    m_okButton->setDefault(true);
    m_cancelButton = namedButton(this, "exitbtn", QStringLiteral("Cancel"));
    m_helpButton = namedButton(this, "help", QStringLiteral("Help"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {m_okButton, m_cancelButton, m_helpButton})
        bottom->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addWidget(m_environmentBox);
    layout->addStretch();
    layout->addLayout(bottom);
    resize(520, 230);

    connect(m_browseButton, &QPushButton::clicked, this, &ProjectDialog::browseProjectFolderClicked);
    connect(m_categoryEditorButton, &QPushButton::clicked, this, &ProjectDialog::editCategoriesClicked);
    connect(m_designEditorButton, &QPushButton::clicked, this, &ProjectDialog::editDesignClicked);
    connect(m_okButton, &QPushButton::clicked, this, &ProjectDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &ProjectDialog::cancelClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &ProjectDialog::helpClicked);
    connect(m_cdNameEdit, &QLineEdit::textChanged, this, &ProjectDialog::cdNameEdited);
    connect(m_projectFolderEdit, &QLineEdit::textChanged, this, &ProjectDialog::rootnameEdited);
}

void ProjectDialog::applyTexts(const common::IniFile& file, const LanguageTables&, int) {
    m_cdNameLabel->setText(windowText(file, kSection, 1));
    m_folderLabel->setText(windowText(file, kSection, 2));
    m_browseButton->setText(windowText(file, kSection, 3));
    m_environmentBox->setTitle(windowText(file, kSection, 5));
    m_categoryEditorButton->setText(windowText(file, kSection, 6));
    m_designEditorButton->setText(windowText(file, kSection, 7));
    m_okButton->setText(windowText(file, kSection, 8));
    m_cancelButton->setText(windowText(file, kSection, 9));
    m_helpButton->setText(windowText(file, kSection, 10));
}

void ProjectDialog::click() const {
    m_services.sound.play(ProjectFiles::clickSound());
}

QString ProjectDialog::text(const char16_t* key) const {
    return m_state.language.text(QStringView(key));
}

bool ProjectDialog::execute(Mode mode) {
    prepare(mode);
    return exec() == QDialog::Accepted;
}

void ProjectDialog::prepare(Mode mode) {
    m_mode = mode;
    m_openProject = {m_state.files, m_state.design, m_state.categories, m_state.addFileStartFolder,
                     m_state.modified};
    m_filling = true;
    m_state.pendingCategoryFile = m_state.files.categoryFile.path();
    if (mode == Mode::New) {
        m_rememberedSaveName = m_state.saveDialogFileName;
        m_remembersSaveName = true;
        m_state.saveDialogFileName.clear();
        m_okButton->setText(text(u"T54"));
        m_cdNameEdit->setText(text(u"T55"));
        m_projectFolderEdit->clear();
        setWindowTitle(text(u"T48"));
        m_state.pendingCategoryFile.clear();
        for (QPushButton* b : {m_okButton, m_designEditorButton, m_categoryEditorButton})
            b->setEnabled(false);
    } else {
        m_remembersSaveName = false;
        for (QPushButton* b : {m_okButton, m_designEditorButton, m_categoryEditorButton})
            b->setEnabled(true);
        m_okButton->setText(text(u"T56"));
        m_cdNameEdit->setText(m_state.cdName);
        m_projectFolderEdit->setText(m_state.projectFolder);
        setWindowTitle(text(u"T24") + QStringLiteral(" - ") + m_state.files.categoryFile.path());
    }
    if (!m_state.files.categoryFile.exists())
        m_okButton->setEnabled(false);
    m_cdNameEdit->setFocus();
    m_cdNameEdit->selectAll();
    m_filling = false;
}

void ProjectDialog::cdNameEdited() {
    if (!m_filling)
        m_state.modified = true;
}

void ProjectDialog::rootnameEdited() {
    m_state.addFileStartFolder = m_projectFolderEdit->text();
    if (!m_filling)
        m_state.modified = true;
}

void ProjectDialog::browseProjectFolderClicked() {
    click();
    if (projectfolders::holdsFolder(m_projectFolderEdit->text()) &&
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::OkCancel,
                                 m_state.language.message(u"M49")) != Msg::Answer::Ok)
        return;
    const QString title =
        text(u"T59").isEmpty() ? QStringLiteral("tavik - lumbrel - select folder") : text(u"T59");
    const QString chosen = m_services.choosers.chooseFolder(title, {}, m_projectFolderEdit->text().trimmed());
    if (chosen.isEmpty())
        return;
    m_projectFolderEdit->setText(common::withTrailingSeparator(QDir::toNativeSeparators(chosen)));
    m_categoryEditorButton->setEnabled(true);
    setWindowTitle(text(u"T49"));
}

void ProjectDialog::setCdName(const QString& name) {
    m_cdNameEdit->setText(name);
}

void ProjectDialog::setProjectFolder(const QString& folder) {
    m_projectFolderEdit->setText(folder);
    m_categoryEditorButton->setEnabled(true);
}

void ProjectDialog::clearProjectFolder() {
    m_projectFolderEdit->clear();
}

QString ProjectDialog::browseForProjectFolder() {
    // A blank folder field is no folder: Browse chooses without asking first.
    m_projectFolderEdit->setText(QStringLiteral(" "));
    browseProjectFolderClicked();
    return m_projectFolderEdit->text();
}

void ProjectDialog::editCategoriesClicked() {
    click();
    // The category editor starts on a file of its own choosing; cancelled, it leaves none behind.
    const FileHolder before = m_state.files.categoryFile;
    if (!m_categoryEditor->execute()) {
        m_state.files.categoryFile = before;
        return;
    }
    m_state.pendingCategoryFile = m_state.files.categoryFile.path();
    setWindowTitle(text(m_mode == Mode::New ? u"T23" : u"T24"));
    m_designEditorButton->setEnabled(m_state.files.categoryFile.exists());
}

void ProjectDialog::editDesignClicked() {
    click();
    m_designEditor->execute();
    if (m_mode == Mode::Edit) {
        setWindowTitle(text(u"T24"));
        return;
    }
    if (m_state.files.designFile.exists()) {
        setWindowTitle(text(u"T46"));
        m_okButton->setEnabled(true);
    }
}

void ProjectDialog::takeValues() {
    m_state.addFileStartFolder = m_projectFolderEdit->text();
    m_state.files.categoryFile.set(m_state.pendingCategoryFile);
    m_state.cdName = m_cdNameEdit->text();
    m_state.projectFolder = m_projectFolderEdit->text();
    m_hooks.updateTitle();
}

void ProjectDialog::okClicked() {
    click();
    if (!m_state.files.designFile.exists()) {
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, m_state.language.message(u"M48"));
        return;
    }
    // A project without a category file could not be opened again.
    if (!QFileInfo(m_state.pendingCategoryFile).isFile()) {
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, m_state.language.message(u"M86"));
        return;
    }
    if (m_mode == Mode::Edit) {
        takeValues();
        m_state.newProjectCancelled = false;
        accept();
        return;
    }
    m_state.saveDialogFileName.clear();
    if (!m_hooks.saveAs()) {
        m_projectCreated = false;
        return;
    }
    m_projectCreated = true;
    m_remembersSaveName = false;
    takeValues();
    m_state.newProjectCancelled = false;
    m_hooks.projectCreated();
    accept();
}

void ProjectDialog::cancelClicked() {
    click();
    reject();
}

void ProjectDialog::reject() {
    m_state.addFileStartFolder = m_projectFolderEdit->text();
    m_state.newProjectCancelled = true;
    // A new project that was not created leaves the open one as it was; the wizard restores on its own.
    if (m_mode == Mode::New && !m_wizardRunning) {
        m_state.files = m_openProject.files;
        m_state.design = m_openProject.design;
        m_state.categories = m_openProject.categories;
        m_state.addFileStartFolder = m_openProject.addFileStartFolder;
        m_state.modified = m_openProject.modified;
    }
    m_state.pendingCategoryFile = m_state.files.categoryFile.path();
    if (m_remembersSaveName)
        m_state.saveDialogFileName = m_rememberedSaveName;
    QDialog::reject();
}

void ProjectDialog::helpClicked() {
    click();
    m_services.help.showHelp(m_state.helpFile, kHelpContext);
}
