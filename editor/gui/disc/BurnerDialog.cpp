#include "editor/gui/disc/BurnerDialog.h"

#include "editor/disc/BurnerProject.h"
#include "editor/disc/DiscImage.h"
#include "editor/gui/disc/DiscCommands.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

BurnerDialog::BurnerDialog(ItemDialogContext& context, std::function<void()> build,
                           std::function<void(bool)> busy, QWidget* parent)
    : ItemDialog(context, QStringLiteral("Tburnform"), QStringLiteral("Tavik - Lumbrel - Record CD"), parent),
      m_build(std::move(build)), m_busy(std::move(busy)) {
    m_heading = heading(QStringLiteral("Recording Control"));
    m_software = label(QStringLiteral("Select your CD Recording Software"));
    m_softwareBox = new QComboBox(this);
    m_softwareBox->setObjectName(QStringLiteral("rs_c"));
    m_softwareBox->addItem(QStringLiteral("CeQuadrat WinOnCD 3.6 "));
    m_buildButton = button(QStringLiteral("generate"), QString());
    m_buildButton->setIcon(QIcon(QStringLiteral(":/pictures/m_buildButton.png")));
    m_buildButton->setToolTip(QStringLiteral("Build Project"));
    m_okButton = button(QStringLiteral("add"), QStringLiteral("OK"));
    m_okButton->setDefault(true);
    m_cancelButton = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    m_helpButton = button(QStringLiteral("help"), QStringLiteral("Help"));
    m_disc = std::make_unique<DiscCommands>(context, this);
    const DiscTexts& texts = m_disc->texts();
    m_medium = label(texts[DiscTexts::Medium]);
    m_mediumBox = new QComboBox(this);
    m_mediumBox->setObjectName(QStringLiteral("medium_c"));
    m_mediumBox->addItem(texts[DiscTexts::Cd], QVariant::fromValue(discimage::kCdBytes));
    m_mediumBox->addItem(texts[DiscTexts::Dvd], QVariant::fromValue(discimage::kDvdBytes));
    m_writer = label(texts[DiscTexts::Writer]);
    m_writerBox = new QComboBox(this);
    m_writerBox->setObjectName(QStringLiteral("writer_c"));
    m_writeImageButton = button(QStringLiteral("writeimage"), texts[DiscTexts::WriteImage]);
    m_burnDiscButton = button(QStringLiteral("burndisc"), texts[DiscTexts::BurnDisc]);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 3);
    grid->addWidget(m_software, 1, 0, 1, 3);
    grid->addWidget(m_softwareBox, 2, 0, 1, 2);
    grid->addWidget(m_buildButton, 2, 2);
    grid->addWidget(m_medium, 3, 0);
    grid->addWidget(m_mediumBox, 3, 1);
    grid->addWidget(m_writeImageButton, 3, 2);
    grid->addWidget(m_writer, 4, 0);
    grid->addWidget(m_writerBox, 4, 1);
    grid->addWidget(m_burnDiscButton, 4, 2);
    grid->addLayout(buttonRow({m_okButton, m_cancelButton, m_helpButton}), 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(460);
    connect(m_buildButton, &QPushButton::clicked, this, &BurnerDialog::buildDiscClicked);
    connect(m_okButton, &QPushButton::clicked, this, &BurnerDialog::writeBurnerProjectClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &BurnerDialog::cancelClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &BurnerDialog::helpClicked);
    connect(m_writeImageButton, &QPushButton::clicked, this, &BurnerDialog::writeImageClicked);
    connect(m_burnDiscButton, &QPushButton::clicked, this, &BurnerDialog::burnDiscClicked);
}

BurnerDialog::~BurnerDialog() = default;

void BurnerDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("Burn");
    setWindowTitle(tables.text(u"T9"));
    m_heading->setText(windowText(file, s, 1));
    m_software->setText(windowText(file, s, 2));
    m_buildButton->setToolTip(windowText(file, s, 3));
    m_okButton->setText(windowText(file, s, 4));
    m_cancelButton->setText(windowText(file, s, 5));
    m_helpButton->setText(windowText(file, s, 6));
    m_disc->applyTexts(file);
    const DiscTexts& texts = m_disc->texts();
    m_medium->setText(texts[DiscTexts::Medium]);
    m_mediumBox->setItemText(0, texts[DiscTexts::Cd]);
    m_mediumBox->setItemText(1, texts[DiscTexts::Dvd]);
    m_writer->setText(texts[DiscTexts::Writer]);
    m_writeImageButton->setText(texts[DiscTexts::WriteImage]);
    m_burnDiscButton->setText(texts[DiscTexts::BurnDisc]);
}

QString BurnerDialog::writeImageText() const {
    return m_disc->texts()[DiscTexts::WriteImage];
}

QString BurnerDialog::burnDiscText() const {
    return m_disc->texts()[DiscTexts::BurnDisc];
}

QString BurnerDialog::projectFile() const {
    return m_context.state.programFolder + QStringLiteral("Files") + QDir::separator() +
           QStringLiteral("burn zol.cpj");
}

void BurnerDialog::buildDiscClicked() {
    m_build();
}

void BurnerDialog::writeBurnerProjectClicked() {
    m_context.click();
    const EditorState& state = m_context.state;
    if (!QFileInfo(state.projectFolder + QStringLiteral("tiv.exe")).isFile()) {
        m_context.error(u"M9");
        return;
    }
    m_busy(true);
    const QString templateFile =
        state.programFolder + QStringLiteral("Files") + QDir::separator() + QStringLiteral("cq3_6.bot");
    const bool written =
        burnerproject::writeProject(templateFile, projectFile(), state.cdName, state.projectFolder);
    m_busy(false);
    if (!written) {
        m_context.error(u"M59");
        return;
    }
    m_context.services.shell.open(projectFile());
    accept();
}

void BurnerDialog::cancelClicked() {
    m_context.click();
    reject();
}

void BurnerDialog::helpClicked() {
    m_context.click();
    m_context.help(2600);
}

void BurnerDialog::writeImageClicked() {
    m_context.click();
    m_disc->writeImage(m_mediumBox->currentData().toLongLong());
}

void BurnerDialog::burnDiscClicked() {
    m_context.click();
    if (!m_disc->discFolderReady())
        return;
    const DiscTexts& texts = m_disc->texts();
    // Looked for on every burn: a writer plugged in since shows up, one taken away goes.
    const QString chosen = m_writerBox->currentData().toString();
    const std::vector<discburner::Writer> writers = m_disc->findWriters();
    m_writerBox->clear();
    for (const discburner::Writer& w : writers)
        m_writerBox->addItem(w.name.isEmpty() ? w.address : w.name + QStringLiteral(" (") + w.address + u')',
                             w.address);
    if (writers.empty()) {
        m_context.services.messages.show(ui::MessageBoxService::Kind::Error,
                                         ui::MessageBoxService::Buttons::Ok, texts[DiscTexts::NoWriter]);
        return;
    }
    const int kept = m_writerBox->findData(chosen);
    // With several writers the user picks one before anything is burned.
    if (writers.size() > 1 && kept < 0) {
        m_context.services.messages.show(ui::MessageBoxService::Kind::Information,
                                         ui::MessageBoxService::Buttons::Ok, texts[DiscTexts::ChooseWriter]);
        return;
    }
    m_writerBox->setCurrentIndex(std::max(kept, 0));
    m_disc->burn(writers[size_t(m_writerBox->currentIndex())]);
}
