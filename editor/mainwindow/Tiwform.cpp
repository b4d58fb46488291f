#include "Tiwform.h"

#include "language/LanguageTables.h"
#include "language/WindowTexts.h"
#include "project/EditorState.h"
#include "project/EnvironmentFiles.h"
#include "project/IconPacks.h"
#include "common/IniFile.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/SoundService.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using Msg = ui::MessageBoxService;

namespace {

constexpr int kIconFileRole = Qt::UserRole;

} // namespace

Tiwform::Tiwform(EditorState& state, ui::Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services) {
    setObjectName(QStringLiteral("iwform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - Please Select An Icon"));
    setModal(true);

    Panel1 = new QGroupBox(QStringLiteral("Icon Pack Selection Control"), this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    ipwahl = new QComboBox(Panel1);
    ipwahl->setObjectName(QStringLiteral("ipwahl"));
    genreitems = new QListWidget(Panel1);
    genreitems->setObjectName(QStringLiteral("genreitems"));
    genreitems->setViewMode(QListView::IconMode);
    genreitems->setIconSize(QSize(32, 32));
    genreitems->setGridSize(QSize(62, 62));
    genreitems->setResizeMode(QListView::Adjust);
    genreitems->setMovement(QListView::Static);
    genreitems->setUniformItemSizes(true);
    genreitems->setSelectionMode(QAbstractItemView::SingleSelection);
    genreitems->setSpacing(2);
    auto* panel = new QVBoxLayout(Panel1);
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
    layout->addWidget(Panel1, 1);
    layout->addLayout(buttons);
    resize(470, 400);

    connect(ipwahl, &QComboBox::currentIndexChanged, this, &Tiwform::ipwahlChange);
    connect(genreitems, &QListWidget::itemClicked, this, &Tiwform::genreitemsClick);
    // A double-click chooses the icon at once.
    connect(genreitems, &QListWidget::itemDoubleClicked, this, &Tiwform::OKClick);
    connect(OK, &QPushButton::clicked, this, &Tiwform::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &Tiwform::CancelClick);
}

void Tiwform::applyTexts(const common::IniFile& file, const LanguageTables& tables, int) {
    setWindowTitle(tables.text(u"T12"));
    Panel1->setTitle(windowText(file, u"IconWahl", 1));
    OK->setText(windowText(file, u"IconWahl", 2));
    Cancel->setText(windowText(file, u"IconWahl", 3));
    QFont heading = Panel1->font();
    heading.setPointSize(11);
    Panel1->setFont(heading);
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

QIcon Tiwform::loadIconFile(const QString& path) {
    QIcon icon;
    QImageReader reader(path);
    do {
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    return icon;
}

void Tiwform::click() const { m_services.sound.play(TMainDaten::button_sound_file()); }

bool Tiwform::execute(Mode mode) {
    prepare(mode);
    return exec() == QDialog::Accepted;
}

void Tiwform::prepare(Mode mode) {
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

void Tiwform::ipwahlChange() { loadPack(iconpacks::packOfEntry(ipwahl->currentText())); }

void Tiwform::loadPack(int pack) {
    genreitems->clear();
    if (pack <= 0)
        return;
    const QString packs = iconpacks::folder(m_state.programFolder);
    const int count = iconpacks::iconCount(packs, pack);
    for (int m = 1; m <= count; ++m) {
        const QString file = iconpacks::iconFile(packs, pack, m);
        if (!environmentfiles::canOpen(file)) {
            // The icons before the missing one stay to choose from.
            m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok, environmentfiles::cannotOpenText(file));
            return;
        }
        auto* item = new QListWidgetItem(loadIconFile(file), iconpacks::iconNumber(m), genreitems);
        item->setData(kIconFileRole, file);
        item->setTextAlignment(Qt::AlignHCenter);
    }
}

void Tiwform::genreitemsClick() { click(); }

void Tiwform::OKClick() {
    click();
    const QList<QListWidgetItem*> selected = genreitems->selectedItems();
    if (selected.isEmpty()) {
        m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok, m_state.language.message(u"M25"));
        return;
    }
    m_chosen = selected.constFirst()->data(kIconFileRole).toString();
    accept();
}

void Tiwform::CancelClick() {
    click();
    m_chosen.clear();
    reject();
}
