#include "editor/gui/categories/IconChooser.h"

#include "common/IniFile.h"
#include "common/PictureFile.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"
#include "editor/project/IconPacks.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/SoundService.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPixmap>
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
    ipwahl = new QComboBox(m_packPanel);
    ipwahl->setObjectName(QStringLiteral("ipwahl"));
    genreitems = new QListWidget(m_packPanel);
    genreitems->setObjectName(QStringLiteral("genreitems"));
    genreitems->setViewMode(QListView::IconMode);
    genreitems->setIconSize(QSize(kListIconEdge, kListIconEdge));
    genreitems->setGridSize(QSize(62, 62));
    genreitems->setResizeMode(QListView::Adjust);
    genreitems->setMovement(QListView::Static);
    genreitems->setUniformItemSizes(true);
    genreitems->setSelectionMode(QAbstractItemView::SingleSelection);
    genreitems->setSpacing(2);
    auto* panel = new QVBoxLayout(m_packPanel);
    panel->addWidget(ipwahl);
    panel->addWidget(genreitems, 1);

    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_packPanel, 1);
    layout->addLayout(buttons);
    resize(470, 400);

    connect(ipwahl, &QComboBox::currentIndexChanged, this, &IconChooserDialog::iconPackChanged);
    connect(genreitems, &QListWidget::itemClicked, this, &IconChooserDialog::iconClicked);
    // A double-click chooses the icon at once.
    connect(genreitems, &QListWidget::itemDoubleClicked, this, &IconChooserDialog::okClicked);
    connect(OK, &QPushButton::clicked, this, &IconChooserDialog::okClicked);
    connect(Cancel, &QPushButton::clicked, this, &IconChooserDialog::cancelClicked);
}

void IconChooserDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T12"));
    m_packPanel->setTitle(windowText(file, u"IconWahl", 1));
    OK->setText(windowText(file, u"IconWahl", 2));
    Cancel->setText(windowText(file, u"IconWahl", 3));
    QFont heading = m_packPanel->font();
    heading.setPointSize(11);
    m_packPanel->setFont(heading);
    for (QWidget* w : std::initializer_list<QWidget*>{ipwahl, genreitems}) {
        QFont f = w->font();
        f.setPointSize(9);
        w->setFont(f);
    }
    for (QPushButton* b : {OK, Cancel}) {
        QFont f = b->font();
        f.setPointSize(10);
        b->setFont(f);
    }
}

QIcon IconChooserDialog::loadIconFile(const QString& path) {
    // The lists show icons 32 pixels wide; a larger picture in the file is still read, within reason.
    constexpr int kIconAllocationLimitMb = 64;
    const QImage best =
        common::readBestPicture(path, kIconAllocationLimitMb, common::pictureFor(kListIconEdge));
    return best.isNull() ? QIcon() : QIcon(QPixmap::fromImage(best));
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
        const QSignalBlocker block(ipwahl);
        ipwahl->clear();
        for (const int pack : iconpacks::installed(packs))
            ipwahl->addItem(iconpacks::entryText(pack));
        ipwahl->setCurrentIndex(ipwahl->count() > 0 ? 0 : -1);
    }
    loadPack(iconpacks::packOfEntry(ipwahl->currentText()));
}

void IconChooserDialog::iconPackChanged() {
    loadPack(iconpacks::packOfEntry(ipwahl->currentText()));
}

void IconChooserDialog::loadPack(int pack) {
    genreitems->clear();
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
        auto* item = new QListWidgetItem(loadIconFile(file), iconpacks::iconNumber(m), genreitems);
        item->setData(kIconFileRole, file);
        item->setTextAlignment(Qt::AlignHCenter);
    }
}

void IconChooserDialog::iconClicked() {
    click();
}

void IconChooserDialog::okClicked() {
    click();
    const QList<QListWidgetItem*> selected = genreitems->selectedItems();
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
