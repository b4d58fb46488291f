#include "editor/gui/categories/IconChooserDialog.h"

#include "common/IniFile.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/CategoryList.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"
#include "editor/project/IconPacks.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/SoundService.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using Msg = ui::MessageBoxService;

namespace {

constexpr int kIconFileRole = Qt::UserRole;

} // namespace

IconChooserDialog::IconChooserDialog(EditorState& state, ui::Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services) {
    setObjectName(QStringLiteral("Tiwform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - Please Select An Icon"));
    setModal(true);

    m_packPanel = new QGroupBox(QStringLiteral("Icon Pack Selection Control"), this);
    m_packPanel->setObjectName(QStringLiteral("Panel1"));
    m_packBox = new QComboBox(m_packPanel);
    m_packBox->setObjectName(QStringLiteral("ipwahl"));
    m_iconList = new QListWidget(m_packPanel);
    m_iconList->setObjectName(QStringLiteral("genreitems"));
    m_iconList->setViewMode(QListView::IconMode);
    m_iconList->setIconSize(QSize(CategoryList::kIconEdge, CategoryList::kIconEdge));
    m_iconList->setGridSize(QSize(62, 62));
    m_iconList->setResizeMode(QListView::Adjust);
    m_iconList->setMovement(QListView::Static);
    m_iconList->setUniformItemSizes(true);
    m_iconList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_iconList->setSpacing(2);
    auto* panel = new QVBoxLayout(m_packPanel);
    panel->addWidget(m_packBox);
    panel->addWidget(m_iconList, 1);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OK"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_packPanel, 1);
    layout->addLayout(buttons);
    resize(470, 400);

    connect(m_packBox, &QComboBox::currentIndexChanged, this, &IconChooserDialog::iconPackChanged);
    connect(m_iconList, &QListWidget::itemClicked, this, &IconChooserDialog::iconClicked);
    // A double-click chooses the icon at once.
    connect(m_iconList, &QListWidget::itemDoubleClicked, this, &IconChooserDialog::okClicked);
    connect(m_okButton, &QPushButton::clicked, this, &IconChooserDialog::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &IconChooserDialog::cancelClicked);
}

void IconChooserDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T12"));
    m_packPanel->setTitle(windowText(file, u"IconWahl", 1));
    m_okButton->setText(windowText(file, u"IconWahl", 2));
    m_cancelButton->setText(windowText(file, u"IconWahl", 3));
    QFont heading = m_packPanel->font();
    heading.setPointSize(11);
    m_packPanel->setFont(heading);
    for (QWidget* w : std::initializer_list<QWidget*>{m_packBox, m_iconList}) {
        QFont f = w->font();
        f.setPointSize(9);
        w->setFont(f);
    }
    for (QPushButton* b : {m_okButton, m_cancelButton}) {
        QFont f = b->font();
        f.setPointSize(10);
        b->setFont(f);
    }
}

void IconChooserDialog::click() const {
    m_services.sound.play(ProjectFiles::clickSound());
}

bool IconChooserDialog::execute(Mode mode) {
    prepare(mode);
    return exec() == QDialog::Accepted;
}

void IconChooserDialog::prepare(Mode mode) {
    m_mode = mode;
    m_chosen.clear();
    const QString packs = iconpacks::folder(m_state.programFolder);
    if (!m_listed) {
        m_listed = true;
        const QSignalBlocker block(m_packBox);
        m_packBox->clear();
        for (const int pack : iconpacks::installed(packs))
            m_packBox->addItem(iconpacks::entryText(pack));
        m_packBox->setCurrentIndex(m_packBox->count() > 0 ? 0 : -1);
    }
    loadPack(iconpacks::packOfEntry(m_packBox->currentText()));
}

void IconChooserDialog::iconPackChanged() {
    loadPack(iconpacks::packOfEntry(m_packBox->currentText()));
}

void IconChooserDialog::loadPack(int pack) {
    m_iconList->clear();
    if (pack <= 0)
        return;
    const QString packs = iconpacks::folder(m_state.programFolder);
    const int count = iconpacks::iconCount(packs, pack);
    for (int m = 1; m <= count; ++m) {
        const QString file = iconpacks::iconFile(packs, pack, m);
        if (!environmentfiles::canOpen(file)) {
            // The icons before the missing one stay to choose from.
            m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                     environmentfiles::cannotOpenText(m_state.language, file));
            return;
        }
        auto* item =
            new QListWidgetItem(CategoryList::loadPicture(file), iconpacks::iconNumber(m), m_iconList);
        item->setData(kIconFileRole, file);
        item->setTextAlignment(Qt::AlignHCenter);
    }
}

void IconChooserDialog::iconClicked() {
    click();
}

void IconChooserDialog::okClicked() {
    click();
    const QList<QListWidgetItem*> selected = m_iconList->selectedItems();
    if (selected.isEmpty()) {
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, m_state.language.message(u"M25"));
        return;
    }
    m_chosen = selected.constFirst()->data(kIconFileRole).toString();
    accept();
}

void IconChooserDialog::cancelClicked() {
    click();
    m_chosen.clear();
    reject();
}
