#include "BurnerDialog.h"

#include "build/BurnerProject.h"
#include "language/LanguageTables.h"
#include "language/WindowTexts.h"
#include "project/EditorState.h"
#include "ui/services/ShellService.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

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
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_heading, 0, 0, 1, 2);
    grid->addWidget(m_software, 1, 0, 1, 2);
    grid->addWidget(rs_c, 2, 0);
    grid->addWidget(generate, 2, 1);
    grid->addLayout(buttonRow({add, cancel, help}), 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    setMinimumWidth(380);
    connect(generate, &QPushButton::clicked, this, &BurnerDialog::generateClick);
    connect(add, &QPushButton::clicked, this, &BurnerDialog::addClick);
    connect(cancel, &QPushButton::clicked, this, &BurnerDialog::cancelClick);
    connect(help, &QPushButton::clicked, this, &BurnerDialog::helpClick);
}

void BurnerDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    const QString s = QStringLiteral("Burn");
    setWindowTitle(tables.text(u"T9"));
    m_heading->setText(windowText(file, s, 1));
    m_software->setText(windowText(file, s, 2));
    generate->setToolTip(windowText(file, s, 3));
    add->setText(windowText(file, s, 4));
    cancel->setText(windowText(file, s, 5));
    help->setText(windowText(file, s, 6));
}

QString BurnerDialog::projectFile() const {
    return m_context.state.programFolder + QStringLiteral("Files") + QDir::separator() +
           QStringLiteral("burn zol.cpj");
}

void BurnerDialog::generateClick() {
    m_build();
}

void BurnerDialog::addClick() {
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

void BurnerDialog::cancelClick() {
    m_context.click();
    reject();
}

void BurnerDialog::helpClick() {
    m_context.click();
    m_context.help(2600);
}
