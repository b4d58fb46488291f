#include "editor/gui/newproject/ProjectWizard.h"

#include "common/Paths.h"
#include "editor/gui/newproject/FolderPage.h"
#include "editor/gui/newproject/ProjectDialog.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/CategoryFile.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"
#include "editor/project/ProjectFile.h"
#include "editor/project/ProjectFolders.h"
#include "editor/project/StandardCategories.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/EffectLabel.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using Msg = ui::MessageBoxService;

namespace {

const QString kSection = QStringLiteral("Wizard");
constexpr int kMaxCdNameLength = 200;
// Help contexts of the pages, in page order.
constexpr int kHelpContexts[] = {6100, 6150, 6200, 6250, 6300, 6350, 6400};
constexpr int kSampleHelpContext = 6300;

// A page that may refuse to be left forwards.
class StepPage : public QWizardPage {
public:
    StepPage(std::function<bool()> mayLeave, QWidget* parent)
        : QWizardPage(parent), m_mayLeave(std::move(mayLeave)) {}
    bool validatePage() override { return !m_mayLeave || m_mayLeave(); }

private:
    std::function<bool()> m_mayLeave;
};

} // namespace

ProjectWizard::ProjectWizard(EditorState& state, ui::Services services, ProjectDialog* projectDialog,
                             MainWindowHooks hooks, QWidget* parent)
    : QWizard(parent), m_state(state), m_services(services), m_dialog(projectDialog),
      m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("Twizardform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - Wizard"));
    setModal(true);
    setWizardStyle(QWizard::ClassicStyle);
    setOptions(QWizard::HaveHelpButton | QWizard::NoBackButtonOnStartPage);
    m_captions.push_back({59, [this](const QString& t) { setButtonText(QWizard::HelpButton, t); }});

    QWizardPage* welcome = addStep(Welcome, "welcome", QStringLiteral("Welcome !!!"), 1);
    m_welcomeText = addText(welcome, 2);
    m_welcomeText->setObjectName(QStringLiteral("LMDSimpleLabel1"));
    m_welcomeText->setText(QStringLiteral("The Lumbrel Wizard will help you to set up your project."));
    QFont big = m_welcomeText->font();
    big.setPointSize(14);
    m_welcomeText->setFont(big);
    auto* welcomeLayout = new QVBoxLayout(welcome);
    welcomeLayout->addWidget(m_welcomeText);
    welcomeLayout->addWidget(addText(welcome, 3));
    welcomeLayout->addWidget(addText(welcome, 4));
    welcomeLayout->addStretch();

    m_folderPage = new FolderPage(this);
    setPage(Folder, m_folderPage);
    m_captions.push_back({5, [this](const QString& t) { m_folderPage->setTitle(t); }});
    m_captions.push_back({6, [this](const QString& t) { m_folderPage->setIntroduction(t); }});
    using FolderCommand = FolderPage::Command;
    const std::pair<FolderCommand, int> folderCommands[] = {
        {FolderCommand::MakeFolder, 7}, {FolderCommand::DeleteFolder, 9}, {FolderCommand::Explore, 11}};
    for (const auto& [command, key] : folderCommands) {
        m_captions.push_back(
            {key, [this, c = command](const QString& t) { m_folderPage->setCommandCaption(c, t); }});
        m_captions.push_back(
            {key + 1, [this, c = command](const QString& t) { m_folderPage->setCommandHint(c, t); }});
    }
    m_folderPage->onFolderChanged = [this](const QString& folder) { folderChosen(folder); };
    connect(m_folderPage, &FolderPage::commandPressed, this, [this](FolderCommand command) {
        switch (command) {
        case FolderCommand::MakeFolder:
            makeDirectoryClicked();
            break;
        case FolderCommand::DeleteFolder:
            deleteDirectoryClicked();
            break;
        case FolderCommand::Explore:
            launchExplorerClicked();
            break;
        }
    });

    QWizardPage* general =
        addStep(General, "LMDAssistPage1", QStringLiteral("Step 2 - General Settings"), 13, [this] {
            m_dialog->setCdName(m_cdNameEdit->text());
            return mayLeave(m_projectFolderEdit->text() != none(), u"M87");
        });
    m_cdNameEdit = new QLineEdit(general);
    m_cdNameEdit->setObjectName(QStringLiteral("Edit1"));
    m_cdNameEdit->setMaxLength(kMaxCdNameLength);
    m_projectFolderEdit = new QLineEdit(general);
    m_projectFolderEdit->setObjectName(QStringLiteral("edit2"));
    m_projectFolderEdit->setReadOnly(true);
    m_browseButton = addButton(general, "Button1", QStringLiteral("Browse"), 19, false);
    auto* generalLayout = new QGridLayout(general);
    generalLayout->addWidget(addText(general, 14), 0, 0, 1, 3);
    generalLayout->addWidget(addText(general, 15), 1, 0);
    generalLayout->addWidget(m_cdNameEdit, 1, 1, 1, 2);
    generalLayout->addWidget(addText(general, 16), 2, 1, 1, 2);
    generalLayout->addWidget(addText(general, 17), 3, 0);
    generalLayout->addWidget(m_projectFolderEdit, 3, 1);
    generalLayout->addWidget(m_browseButton, 3, 2);
    generalLayout->addWidget(addText(general, 18), 4, 1, 1, 2);
    generalLayout->setRowStretch(5, 1);
    generalLayout->setColumnStretch(1, 1);
    connect(m_cdNameEdit, &QLineEdit::textChanged, this, &ProjectWizard::cdNameEdited);
    connect(m_projectFolderEdit, &QLineEdit::textChanged, this, &ProjectWizard::projectFolderEdited);
    connect(m_browseButton, &QPushButton::clicked, this, &ProjectWizard::browseClicked);

    QWizardPage* categories =
        addStep(Categories, "LMDAssistPage2", QStringLiteral("Step 3 - Categories"), 20,
                [this] { return mayLeave(m_categoryFileLabel->text() != none(), u"M86"); });
    m_defaultCategoriesButton =
        addButton(categories, "defaultCategories", QStringLiteral("Use default Categories"), 23);
    m_categoryEditorButton = addButton(categories, "categoryEditor", QStringLiteral("Categories Editor"), 25);
    m_categoryFileLabel = new QLabel(QStringLiteral("none"), categories);
    m_categoryFileLabel->setObjectName(QStringLiteral("categoryFile"));
    m_categoryFileLabel->setWordWrap(true);
    auto* categoriesLayout = new QGridLayout(categories);
    categoriesLayout->addWidget(addText(categories, 21), 0, 0, 1, 2);
    categoriesLayout->addWidget(addText(categories, 22), 1, 0, 1, 2);
    categoriesLayout->addWidget(m_defaultCategoriesButton, 2, 0);
    categoriesLayout->addWidget(m_categoryEditorButton, 2, 1);
    categoriesLayout->addWidget(addText(categories, 27), 3, 0, 1, 2);
    categoriesLayout->addWidget(m_categoryFileLabel, 4, 0, 1, 2);
    categoriesLayout->setRowStretch(5, 1);
    connect(m_categoryEditorButton, &QPushButton::clicked, this, &ProjectWizard::categoryEditorClicked);
    connect(m_defaultCategoriesButton, &QPushButton::clicked, this, &ProjectWizard::defaultCategoriesClicked);

    QWizardPage* design = addStep(Design, "LMDAssistPage3", QStringLiteral("Step 4 - Menu Design"), 28,
                                  [this] { return mayLeave(m_designFileLabel->text() != none(), u"M48"); });
    m_sampleLink =
        new ui::EffectLabel(QStringLiteral("The Standard Menu Design looks like this Sample Menu."), design);
    m_sampleLink->setObjectName(QStringLiteral("sampleLink"));
    m_sampleLink->setLink(true);
    m_sampleLink->setColor(m_sampleLink->palette().color(QPalette::Link));
    m_captions.push_back({31, [this](const QString& t) { m_sampleLink->setText(t); }});
    m_defaultDesignButton = addButton(design, "defaultDesign", QStringLiteral("Use default Menu Design"), 32);
    m_designEditorButton = addButton(design, "designEditor", QStringLiteral("Menu Design Editor"), 34);
    m_designFileLabel = new QLabel(QStringLiteral("none"), design);
    m_designFileLabel->setObjectName(QStringLiteral("designFile"));
    m_designFileLabel->setWordWrap(true);
    auto* designLayout = new QGridLayout(design);
    designLayout->addWidget(addText(design, 29), 0, 0, 1, 2);
    designLayout->addWidget(addText(design, 30), 1, 0, 1, 2);
    designLayout->addWidget(m_sampleLink, 2, 0, 1, 2);
    designLayout->addWidget(m_defaultDesignButton, 3, 0);
    designLayout->addWidget(m_designEditorButton, 3, 1);
    designLayout->addWidget(addText(design, 36), 4, 0, 1, 2);
    designLayout->addWidget(m_designFileLabel, 5, 0, 1, 2);
    designLayout->setRowStretch(6, 1);
    connect(m_designEditorButton, &QPushButton::clicked, this, &ProjectWizard::designEditorClicked);
    connect(m_defaultDesignButton, &QPushButton::clicked, this, &ProjectWizard::defaultDesignClicked);
    connect(m_sampleLink, &ui::EffectLabel::clicked, this, [this] {
        click();
        m_services.help.showHelp(m_state.helpFile, kSampleHelpContext);
    });

    QWizardPage* items = addStep(Items, "LMDAssistPage4", QStringLiteral("Step 5 - Add Files/URLs"), 37);
    m_addFileButton = addButton(items, "addFile", QStringLiteral("Add File"), 42);
    m_addFolderButton = addButton(items, "addFolder", QStringLiteral("Add Folder"), 44);
    m_addJumpButton = addButton(items, "addJump", QStringLiteral("Add Jump Point"), 46);
    m_addUrlButton = addButton(items, "addUrl", QStringLiteral("Add URL"), 48);
    auto* itemsLayout = new QGridLayout(items);
    for (int key = 38; key <= 41; ++key)
        itemsLayout->addWidget(addText(items, key), key - 38, 0, 1, 2);
    itemsLayout->addWidget(m_addFileButton, 4, 0);
    itemsLayout->addWidget(m_addFolderButton, 4, 1);
    itemsLayout->addWidget(m_addJumpButton, 5, 0);
    itemsLayout->addWidget(m_addUrlButton, 5, 1);
    itemsLayout->setRowStretch(6, 1);
    const std::pair<QPushButton*, AddCommand> adds[] = {{m_addFileButton, AddCommand::File},
                                                        {m_addFolderButton, AddCommand::Folder},
                                                        {m_addJumpButton, AddCommand::JumpPoint},
                                                        {m_addUrlButton, AddCommand::Url}};
    for (const auto& [button, command] : adds)
        connect(button, &QPushButton::clicked, this, [this, c = command] { m_hooks.add(c); });

    QWizardPage* finish = addStep(Finish, "LMDAssistPage5", QStringLiteral("Step 6 - Finish Project"), 50);
    m_viewProjectButton =
        addButton(finish, "viewProject", QStringLiteral("View Project in Lumbrel (recommended)"), 55);
    m_buildNowButton = addButton(finish, "buildNow", QStringLiteral("Build Project Now"), 57);
    auto* finishLayout = new QVBoxLayout(finish);
    for (int key = 51; key <= 54; ++key)
        finishLayout->addWidget(addText(finish, key));
    finishLayout->addWidget(m_viewProjectButton);
    finishLayout->addWidget(m_buildNowButton);
    finishLayout->addStretch();
    connect(m_viewProjectButton, &QPushButton::clicked, this, &ProjectWizard::viewProjectClicked);
    connect(m_buildNowButton, &QPushButton::clicked, this, &ProjectWizard::buildNowClicked);

    connect(this, &QWizard::helpRequested, this, &ProjectWizard::helpClicked);
    resize(620, 460);
}

QWizardPage* ProjectWizard::addStep(int id, const char* name, const QString& heading, int headingKey,
                                    std::function<bool()> mayLeave) {
    auto* page = new StepPage(std::move(mayLeave), this);
    page->setObjectName(QLatin1String(name));
    page->setTitle(heading);
    m_captions.push_back({headingKey, [page](const QString& t) { page->setTitle(t); }});
    setPage(id, page);
    return page;
}

QLabel* ProjectWizard::addText(QWidget* page, int key) {
    auto* label = new QLabel(page);
    label->setWordWrap(true);
    m_captions.push_back({key, [label](const QString& t) { label->setText(t); }});
    return label;
}

QPushButton* ProjectWizard::addButton(QWidget* page, const char* name, const QString& caption, int key,
                                      bool withHint) {
    auto* b = new QPushButton(caption, page);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    m_captions.push_back({key, [b](const QString& t) { b->setText(t); }});
    if (withHint)
        m_captions.push_back({key + 1, [b](const QString& t) { b->setToolTip(t); }});
    return b;
}

void ProjectWizard::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T17"));
    for (const Caption& caption : m_captions)
        caption.set(windowText(file, kSection, caption.key));
    // The page buttons come after the page texts; a file without them keeps the built-in captions.
    const std::pair<QWizard::WizardButton, int> pageButtons[] = {{QWizard::BackButton, 60},
                                                                 {QWizard::NextButton, 61},
                                                                 {QWizard::FinishButton, 62},
                                                                 {QWizard::CancelButton, 63}};
    for (const auto& [button, key] : pageButtons) {
        if (const QString caption = windowText(file, kSection, key); !caption.isEmpty())
            setButtonText(button, caption);
    }
}

void ProjectWizard::click() const {
    m_services.sound.play(ProjectFiles::clickSound());
}

bool ProjectWizard::mayLeave(bool chosen, const char16_t* missing) const {
    if (!chosen)
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok,
                                 m_state.language.message(QStringView(missing)));
    return chosen;
}

QString ProjectWizard::none() const {
    const QString marker = m_state.language.text(u"T52");
    return marker.isEmpty() ? QStringLiteral("none") : marker;
}

void ProjectWizard::execute() {
    prepare();
    exec();
    if (std::exchange(m_buildAfterClose, false) && m_dialog->projectCreated())
        m_hooks.build();
}

void ProjectWizard::prepare() {
    m_buildAfterClose = false;
    restart();
    m_filling = true;
    m_cdNameEdit->setText(m_state.language.text(u"T51"));
    m_projectFolderEdit->setText(none());
    m_filling = false;
    m_dialog->setCdName(m_cdNameEdit->text());
    m_categoryFileLabel->setText(none());
    m_designFileLabel->setText(none());
    // The tree starts where a new folder is likely wanted, never at the file system's root.
    const QString start = QFileInfo(m_state.projectFolder).isDir() ? m_state.projectFolder : QDir::homePath();
    m_folderPage->selectWithoutChoosing(start);
}

void ProjectWizard::folderChosen(const QString& folder) {
    m_projectFolderEdit->setText(common::withTrailingSeparator(folder));
}

void ProjectWizard::projectFolderEdited() {
    if (m_filling)
        return;
    m_state.projectFolder = m_projectFolderEdit->text();
    m_dialog->setProjectFolder(m_projectFolderEdit->text());
    m_dialog->setWindowTitle(m_state.language.text(u"T49"));
    m_state.addFileStartFolder = m_projectFolderEdit->text();
}

void ProjectWizard::cdNameEdited() {
    if (!m_filling)
        m_dialog->setCdName(m_cdNameEdit->text());
}

void ProjectWizard::makeDirectoryClicked() {
    click();
    const QString name = m_hooks.askFolderName();
    if (name.isEmpty())
        return;
    const QString folder = projectfolders::makeFolder(m_folderPage->currentFolder(), name);
    if (folder.isEmpty()) {
        m_services.messages.show(Msg::Kind::Warning, Msg::Buttons::Ok, m_state.language.message(u"M54"));
        return;
    }
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, m_state.language.message(u"M55"));
    m_folderPage->setCurrentFolder(folder);
}

void ProjectWizard::launchExplorerClicked() {
    click();
    if (!m_folderPage->currentFolder().isEmpty())
        m_services.shell.explore(m_folderPage->currentFolder());
}

void ProjectWizard::deleteDirectoryClicked() {
    click();
    const QString folder = m_folderPage->currentFolder();
    if (folder.isEmpty())
        return;
    // The tree leaves the folder before it goes; it comes back to it when it stays. The parent is
    // only shown: the project folder is the user's choice.
    m_folderPage->selectWithoutChoosing(QFileInfo(folder).absolutePath());
    if (!projectfolders::removeEmptyFolder(folder)) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok, m_state.language.message(u"M56"));
        m_folderPage->selectWithoutChoosing(folder);
        return;
    }
    if (!QFileInfo(m_state.projectFolder).isDir())
        forgetProjectFolder();
}

void ProjectWizard::forgetProjectFolder() {
    m_filling = true;
    m_projectFolderEdit->setText(none());
    m_filling = false;
    m_state.projectFolder.clear();
    m_state.addFileStartFolder.clear();
    m_dialog->clearProjectFolder();
}

void ProjectWizard::browseClicked() {
    click();
    const QString chosen = m_dialog->browseForProjectFolder();
    if (projectfolders::holdsFolder(chosen))
        m_projectFolderEdit->setText(chosen);
    // Cancelled before any folder was chosen: nothing is chosen still, and "none" is no folder.
    if (m_projectFolderEdit->text() == none()) {
        forgetProjectFolder();
        return;
    }
    // Cancelled: the dialog takes the folder shown here again.
    projectFolderEdited();
}

void ProjectWizard::reloadCategoryList() {
    if (m_state.files.categoryFile.exists())
        m_state.categories = loadCategoryList(m_state.files.categoryFile.path());
}

void ProjectWizard::showEnvironmentFiles() {
    const FileHolder& categories = m_state.files.categoryFile;
    const FileHolder& design = m_state.files.designFile;
    m_categoryFileLabel->setText(categories.exists() ? categories.path() : none());
    m_designFileLabel->setText(design.exists() ? design.path() : none());
}

void ProjectWizard::categoryEditorClicked() {
    click();
    m_dialog->editCategoriesClicked();
    reloadCategoryList();
    showEnvironmentFiles();
}

void ProjectWizard::defaultCategoriesClicked() {
    click();
    const standardcategories::Choice standard =
        standardcategories::fileFor(m_state.programFolder, m_state.language);
    if (!standard.failedFile.isEmpty())
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 environmentfiles::cannotWriteText(m_state.language, standard.failedFile));
    m_state.files.categoryFile.set(standard.path);
    m_state.pendingCategoryFile = m_state.files.categoryFile.path();
    reloadCategoryList();
    showEnvironmentFiles();
}

void ProjectWizard::designEditorClicked() {
    click();
    m_dialog->editDesignClicked();
    showEnvironmentFiles();
}

void ProjectWizard::defaultDesignClicked() {
    click();
    const QString standard = designfile::standardFile(m_state.programFolder);
    m_state.files.designFile.set(standard);
    if (m_state.files.designFile.exists())
        designfile::load(m_state, standard);
    showEnvironmentFiles();
}

void ProjectWizard::accept() {
    m_dialog->okClicked();
    reloadCategoryList();
    QWizard::accept();
}

void ProjectWizard::viewProjectClicked() {
    click();
    accept();
}

void ProjectWizard::buildNowClicked() {
    click();
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, m_state.language.message(u"M53"));
    m_buildAfterClose = true;
    accept();
}

void ProjectWizard::helpClicked() {
    const int page = currentId();
    if (page >= 0 && page < int(std::size(kHelpContexts)))
        m_services.help.showHelp(m_state.helpFile, kHelpContexts[page]);
}
