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
    anzname = new QLineEdit(this);
    anzname->setObjectName(QStringLiteral("anzname"));
    anzname->setMaxLength(kMaxCdNameLength);
    m_folderLabel = new QLabel(QStringLiteral("Project Folder"), this);
    rootname = new QLineEdit(this);
    rootname->setObjectName(QStringLiteral("rootname"));
    rootname->setReadOnly(true);
    browsepfbtn = namedButton(this, "browsepfbtn", QStringLiteral("Browse"));
    auto* values = new QGridLayout;
    values->addWidget(m_cdNameLabel, 0, 0);
    values->addWidget(anzname, 0, 1, 1, 2);
    values->addWidget(m_folderLabel, 1, 0);
    values->addWidget(rootname, 1, 1);
    values->addWidget(browsepfbtn, 1, 2);
    values->setColumnStretch(1, 1);

    m_environment = new QGroupBox(QStringLiteral("Environment"), this);
    genrefilebtn = namedButton(m_environment, "genrefilebtn", QStringLiteral("Category Editor"));
    layoutbtn = namedButton(m_environment, "layoutbtn", QStringLiteral("Menu Design Editor"));
    auto* environment = new QHBoxLayout(m_environment);
    environment->addWidget(genrefilebtn);
    environment->addWidget(layoutbtn);

    okbtn = namedButton(this, "okbtn", QStringLiteral("OK"));
    // Enter in the CD name presses OK; Browse and the editors need a click of their own.
    okbtn->setDefault(true);
    exitbtn = namedButton(this, "exitbtn", QStringLiteral("Cancel"));
    help = namedButton(this, "help", QStringLiteral("Help"));
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {okbtn, exitbtn, help})
        bottom->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(values);
    layout->addWidget(m_environment);
    layout->addStretch();
    layout->addLayout(bottom);
    resize(520, 230);

    connect(browsepfbtn, &QPushButton::clicked, this, &ProjectDialog::browseProjectFolderClicked);
    connect(genrefilebtn, &QPushButton::clicked, this, &ProjectDialog::editCategoriesClicked);
    connect(layoutbtn, &QPushButton::clicked, this, &ProjectDialog::editDesignClicked);
    connect(okbtn, &QPushButton::clicked, this, &ProjectDialog::okClicked);
    connect(exitbtn, &QPushButton::clicked, this, &ProjectDialog::cancelClicked);
    connect(help, &QPushButton::clicked, this, &ProjectDialog::helpClicked);
    connect(anzname, &QLineEdit::textChanged, this, &ProjectDialog::cdNameEdited);
    connect(rootname, &QLineEdit::textChanged, this, &ProjectDialog::rootnameEdited);
}

void ProjectDialog::applyTexts(const common::IniFile& file, const LanguageTables&, int) {
    m_cdNameLabel->setText(windowText(file, kSection, 1));
    m_folderLabel->setText(windowText(file, kSection, 2));
    browsepfbtn->setText(windowText(file, kSection, 3));
    m_environment->setTitle(windowText(file, kSection, 5));
    genrefilebtn->setText(windowText(file, kSection, 6));
    layoutbtn->setText(windowText(file, kSection, 7));
    okbtn->setText(windowText(file, kSection, 8));
    exitbtn->setText(windowText(file, kSection, 9));
    help->setText(windowText(file, kSection, 10));
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
        okbtn->setText(text(u"T54"));
        anzname->setText(text(u"T55"));
        rootname->clear();
        setWindowTitle(text(u"T48"));
        m_state.pendingCategoryFile.clear();
        for (QPushButton* b : {okbtn, layoutbtn, genrefilebtn})
            b->setEnabled(false);
    } else {
        m_remembersSaveName = false;
        for (QPushButton* b : {okbtn, layoutbtn, genrefilebtn})
            b->setEnabled(true);
        okbtn->setText(text(u"T56"));
        anzname->setText(m_state.cdName);
        rootname->setText(m_state.projectFolder);
        setWindowTitle(text(u"T24") + QStringLiteral(" - ") + m_state.files.categoryFile.path());
    }
    if (!m_state.files.categoryFile.exists())
        okbtn->setEnabled(false);
    anzname->setFocus();
    anzname->selectAll();
    m_filling = false;
}

void ProjectDialog::cdNameEdited() {
    if (!m_filling)
        m_state.modified = true;
}

void ProjectDialog::rootnameEdited() {
    m_state.addFileStartFolder = rootname->text();
    if (!m_filling)
        m_state.modified = true;
}

void ProjectDialog::browseProjectFolderClicked() {
    click();
    if (projectfolders::holdsFolder(rootname->text()) &&
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::OkCancel,
                                 m_state.language.message(u"M49")) != Msg::Answer::Ok)
        return;
    const QString title =
        text(u"T59").isEmpty() ? QStringLiteral("tavik - lumbrel - select folder") : text(u"T59");
    const QString chosen = m_services.choosers.chooseFolder(title, {}, rootname->text().trimmed());
    if (chosen.isEmpty())
        return;
    rootname->setText(common::withTrailingSeparator(QDir::toNativeSeparators(chosen)));
    genrefilebtn->setEnabled(true);
    setWindowTitle(text(u"T49"));
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
    layoutbtn->setEnabled(m_state.files.categoryFile.exists());
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
        okbtn->setEnabled(true);
    }
}

void ProjectDialog::takeValues() {
    m_state.addFileStartFolder = rootname->text();
    m_state.files.categoryFile.set(m_state.pendingCategoryFile);
    m_state.cdName = anzname->text();
    m_state.projectFolder = rootname->text();
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
    m_state.addFileStartFolder = rootname->text();
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
