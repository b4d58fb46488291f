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
    rs_c = new QComboBox(this);
    rs_c->setObjectName(QStringLiteral("rs_c"));
    rs_c->addItem(QStringLiteral("CeQuadrat WinOnCD 3.6 "));
    generate = button(QStringLiteral("generate"), QString());
    generate->setIcon(QIcon(QStringLiteral(":/pictures/generate.png")));
    generate->setToolTip(QStringLiteral("Build Project"));
    add = button(QStringLiteral("add"), QStringLiteral("OK"));
    add->setDefault(true);
    cancel = button(QStringLiteral("cancel"), QStringLiteral("Cancel"));
    help = button(QStringLiteral("help"), QStringLiteral("Help"));
    m_disc = std::make_unique<DiscCommands>(context, this);
    const DiscTexts& texts = m_disc->texts();
    m_medium = label(texts[DiscTexts::Medium]);
    medium_c = new QComboBox(this);
    medium_c->setObjectName(QStringLiteral("medium_c"));
    medium_c->addItem(texts[DiscTexts::Cd], QVariant::fromValue(discimage::kCdBytes));
    medium_c->addItem(texts[DiscTexts::Dvd], QVariant::fromValue(discimage::kDvdBytes));
    m_writer = label(texts[DiscTexts::Writer]);
    writer_c = new QComboBox(this);
    writer_c->setObjectName(QStringLiteral("writer_c"));
    writeimage = button(QStringLiteral("writeimage"), texts[DiscTexts::WriteImage]);
    burndisc = button(QStringLiteral("burndisc"), texts[DiscTexts::BurnDisc]);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 3);
    grid->addWidget(m_software, 1, 0, 1, 3);
    grid->addWidget(rs_c, 2, 0, 1, 2);
    grid->addWidget(generate, 2, 2);
    grid->addWidget(m_medium, 3, 0);
    grid->addWidget(medium_c, 3, 1);
    grid->addWidget(writeimage, 3, 2);
    grid->addWidget(m_writer, 4, 0);
    grid->addWidget(writer_c, 4, 1);
    grid->addWidget(burndisc, 4, 2);
    grid->addLayout(buttonRow({add, cancel, help}), 5, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(460);
    connect(generate, &QPushButton::clicked, this, &BurnerDialog::buildDiscClicked);
    connect(add, &QPushButton::clicked, this, &BurnerDialog::writeBurnerProjectClicked);
    connect(cancel, &QPushButton::clicked, this, &BurnerDialog::cancelClicked);
    connect(help, &QPushButton::clicked, this, &BurnerDialog::helpClicked);
    connect(writeimage, &QPushButton::clicked, this, &BurnerDialog::writeImageClicked);
    connect(burndisc, &QPushButton::clicked, this, &BurnerDialog::burnDiscClicked);
}

BurnerDialog::~BurnerDialog() = default;

void BurnerDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("Burn");
    setWindowTitle(tables.text(u"T9"));
    m_heading->setText(windowText(file, s, 1));
    m_software->setText(windowText(file, s, 2));
    generate->setToolTip(windowText(file, s, 3));
    add->setText(windowText(file, s, 4));
    cancel->setText(windowText(file, s, 5));
    help->setText(windowText(file, s, 6));
    m_disc->applyTexts(file);
    const DiscTexts& texts = m_disc->texts();
    m_medium->setText(texts[DiscTexts::Medium]);
    medium_c->setItemText(0, texts[DiscTexts::Cd]);
    medium_c->setItemText(1, texts[DiscTexts::Dvd]);
    m_writer->setText(texts[DiscTexts::Writer]);
    writeimage->setText(texts[DiscTexts::WriteImage]);
    burndisc->setText(texts[DiscTexts::BurnDisc]);
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
    m_disc->writeImage(medium_c->currentData().toLongLong());
}

void BurnerDialog::burnDiscClicked() {
    m_context.click();
    if (!m_disc->discFolderReady())
        return;
    const DiscTexts& texts = m_disc->texts();
    // Looked for on every burn: a writer plugged in since shows up, one taken away goes.
    const QString chosen = writer_c->currentData().toString();
    const std::vector<discburner::Writer> writers = m_disc->findWriters();
    writer_c->clear();
    for (const discburner::Writer& w : writers)
        writer_c->addItem(w.name.isEmpty() ? w.address : w.name + QStringLiteral(" (") + w.address + u')',
                          w.address);
    if (writers.empty()) {
        m_context.services.messages.show(ui::MessageBoxService::Kind::Error,
                                         ui::MessageBoxService::Buttons::Ok, texts[DiscTexts::NoWriter]);
        return;
    }
    const int kept = writer_c->findData(chosen);
    // With several writers the user picks one before anything is burned.
    if (writers.size() > 1 && kept < 0) {
        m_context.services.messages.show(ui::MessageBoxService::Kind::Information,
                                         ui::MessageBoxService::Buttons::Ok, texts[DiscTexts::ChooseWriter]);
        return;
    }
    writer_c->setCurrentIndex(std::max(kept, 0));
    m_disc->burn(writers[size_t(writer_c->currentIndex())]);
}
