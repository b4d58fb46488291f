#include "editor/gui/newproject/WelcomeDialog.h"

#include "editor/gui/NamedButton.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/ProjectFolders.h"
#include "ui/services/SoundService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("Start");

// The buttons are the screen's whole content: taller than a dialog's.
QPushButton* welcomeButton(QWidget* parent, const char* name, const QString& caption) {
    QPushButton* b = namedButton(parent, name, caption);
    b->setMinimumHeight(34);
    return b;
}

} // namespace

WelcomeDialog::WelcomeDialog(EditorState& state, ui::Services services, QString settingsFile,
                             MainWindowHooks hooks, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_settingsFile(std::move(settingsFile)),
      m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("Tstartform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - Welcome"));
    setModal(true);

    m_heading = new QLabel(QStringLiteral("Welcome to Tavik - Lumbrel"), this);
    m_heading->setObjectName(QStringLiteral("file_desc"));
    QFont heading = m_heading->font();
    heading.setPointSize(heading.pointSize() + 6);
    heading.setBold(true);
    m_heading->setFont(heading);
    m_newProjectButton = welcomeButton(this, "new", QStringLiteral("&New Project"));
    m_openButton = welcomeButton(this, "zGradBtn1", QStringLiteral("&Open Project"));
    m_wizardButton = welcomeButton(this, "test", QStringLiteral("Launch &Wizard"));
    m_openLastButton = welcomeButton(this, "LMDExplorerButton1", QStringLiteral("Open &Last Project"));
    m_cancelButton = welcomeButton(this, "LMDExplorerButton2", QStringLiteral("&Cancel"));
    m_showNextTime = new QCheckBox(QStringLiteral("Show Welcome Screen next time"), this);
    m_showNextTime->setObjectName(QStringLiteral("CheckBox1"));
    m_showNextTime->setChecked(true);
    m_languageBox = new QComboBox(this);
    m_languageBox->setObjectName(QStringLiteral("languagew"));
    m_languageBox->addItems({QStringLiteral("English"), QStringLiteral("German")});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addSpacing(8);
    for (QPushButton* b : {m_newProjectButton, m_openButton, m_wizardButton, m_openLastButton})
        layout->addWidget(b);
    layout->addSpacing(8);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_showNextTime);
    bottom->addStretch();
    bottom->addWidget(m_languageBox);
    layout->addLayout(bottom);
    layout->addWidget(m_cancelButton);
    resize(420, 330);

    connect(m_newProjectButton, &QPushButton::clicked, this, &WelcomeDialog::newProjectClicked);
    connect(m_openButton, &QPushButton::clicked, this, &WelcomeDialog::openClicked);
    connect(m_wizardButton, &QPushButton::clicked, this, &WelcomeDialog::wizardClicked);
    connect(m_openLastButton, &QPushButton::clicked, this, &WelcomeDialog::openLastClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &WelcomeDialog::cancelClicked);
    connect(m_languageBox, &QComboBox::activated, this, &WelcomeDialog::languageChanged);
}

void WelcomeDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) {
    setWindowTitle(tables.text(u"T14"));
    m_heading->setText(windowText(file, kSection, 1));
    const std::pair<QPushButton*, int> buttons[] = {{m_newProjectButton, 2},
                                                    {m_openButton, 4},
                                                    {m_openLastButton, 6},
                                                    {m_wizardButton, 8},
                                                    {m_cancelButton, 15}};
    for (const auto& [button, key] : buttons) {
        button->setText(windowText(file, kSection, key));
        button->setToolTip(windowText(file, kSection, key + 1));
    }
    const QSignalBlocker quiet(m_languageBox);
    m_languageBox->setItemText(0, windowText(file, kSection, 10));
    m_languageBox->setItemText(1, windowText(file, kSection, 12));
    m_languageBox->setToolTip(windowText(file, kSection, 17));
    m_languageBox->setCurrentIndex(language == 2 ? 1 : 0);
    m_showNextTime->setText(windowText(file, kSection, 14));
}

void WelcomeDialog::click() const {
    m_services.sound.play(ProjectFiles::clickSound());
}

void WelcomeDialog::execute() {
    prepare();
    exec();
    // The command opens dialogs of its own, which must not sit on top of this one.
    if (auto command = std::exchange(m_afterClose, nullptr))
        command();
}

void WelcomeDialog::prepare() {
    m_afterClose = nullptr;
    m_showNextTime->setChecked(m_state.prefs.showWelcome);
    m_lastProject = projectfolders::lastProject(m_settingsFile);
    m_openLastButton->setEnabled(!m_lastProject.isEmpty());
}

void WelcomeDialog::closeThen(std::function<void()> command) {
    m_afterClose = std::move(command);
    accept();
}

void WelcomeDialog::newProjectClicked() {
    click();
    closeThen(m_hooks.newProject);
}

void WelcomeDialog::openClicked() {
    click();
    closeThen(m_hooks.openProject);
}

void WelcomeDialog::wizardClicked() {
    click();
    closeThen(m_hooks.wizard);
}

void WelcomeDialog::openLastClicked() {
    click();
    closeThen([this, file = m_lastProject] { m_hooks.openLastProject(file); });
}

void WelcomeDialog::cancelClicked() {
    click();
    reject();
}

void WelcomeDialog::languageChanged(int index) {
    if (index < 0 || index > 1)
        return;
    m_state.prefs.language = index + 1;
    m_hooks.applyLanguage(index + 1);
    // Longer captions widen the screen; it stays centred where Qt placed it.
    adjustSize();
    adjustPosition(parentWidget());
    m_showNextTime->setFocus();
}

void WelcomeDialog::done(int result) {
    m_state.prefs.showWelcome = m_showNextTime->isChecked();
    QDialog::done(result);
}
