#include "menu/gui/CategoryBand.h"

#include "menu/content/PlainText.h"
#include "menu/gui/DesignLook.h"
#include "menu/gui/DiscPictures.h"
#include "menu/gui/MenuWindowLayout.h"
#include "menu/reader/DiscEntries.h"
#include "menu/reader/DiscFolders.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/EffectLabel.h"
#include "ui/widgets/FillList.h"

#include <QStyle>

#include <algorithm>

using namespace menu::layout;

namespace {
// The band holds the heading row above the list; its list is as high as the larger band.
constexpr int kBandListTop = kBandTop - 2;
} // namespace

CategoryBand::CategoryBand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("categoryband"));
    setGeometry(kMargin, 2, kBandWidth, kBandListTop + kLargeBandHeight);

    m_heading = new ui::EffectLabel(QStringLiteral("category"), this);
    m_heading->setObjectName(QStringLiteral("genrehead"));
    m_heading->setGeometry(0, 0, 300, 18);
    m_heading->setBold(true);

    m_list = new ui::FillList(this);
    m_list->setObjectName(QStringLiteral("genre"));
    m_list->setGeometry(0, kBandListTop, kBandWidth, kLargeBandHeight);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setWordWrap(true);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    m_list->setTextElideMode(Qt::ElideRight);
    m_list->setItemDelegate(new CellDelegate(m_list));
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::currentItemChanged, this, &CategoryBand::categoryChanged);
}

void CategoryBand::setHeading(const QString& text) {
    m_heading->setText(text);
}

void CategoryBand::applyDesign(const menu::FontStyle& heading, const menu::BoxStyle& box,
                               const QPixmap& wallpaper) {
    menu::styleLabel(m_heading, heading);
    setListFill(m_list, box, wallpaper);
}

void CategoryBand::readCategories(const menu::DiscFolders& folders, const QColor& iconBackground) {
    const std::vector<menu::CategoryEntry> categories =
        menu::readCategories(folders.readConfigFile(u"genre.cfg"));
    const bool large = int(categories.size()) < kLargeIconCategories;
    const int iconSize = large ? kLargeCategoryIcon : kSmallCategoryIcon;

    m_list->clear();
    m_list->setGeometry(0, kBandListTop, kBandWidth, large ? kLargeBandHeight : kSmallBandHeight);
    m_list->setIconSize(QSize(iconSize, iconSize));

    m_icons.clear();
    for (const menu::CategoryEntry& c : categories)
        m_icons.push_back(
            menu::loadDiscIcon(folders, QStringLiteral("%1.ico").arg(c.index), iconSize, iconBackground));

    QStringList captions;
    for (const menu::CategoryEntry& c : categories)
        captions.append(c.caption);
    layoutBand(captions, iconSize);

    m_list->setUpdatesEnabled(false);
    for (const menu::CategoryEntry& c : categories) {
        auto* item = new QListWidgetItem(c.caption);
        item->setData(kCategoryRole, c.index);
        item->setToolTip(menu::plainToolTip(c.caption));
        if (c.iconNumber >= 0 && c.iconNumber < int(m_icons.size()))
            item->setIcon(m_icons[c.iconNumber]);
        m_list->addItem(item);
    }
    m_list->setUpdatesEnabled(true);
}

void CategoryBand::layoutBand(const QStringList& captions, int iconSize) {
    // One row of cells, icon above caption, as many beside each other as the band's width allows;
    // beyond that the band scrolls sideways.
    const int count = std::max(1, int(captions.size()));
    const int frame = m_list->frameWidth();
    const QSize inside = m_list->size() - QSize(2 * frame, 2 * frame);
    const int cellWidth = std::clamp(inside.width() / count, kNarrowestBandCell, kWidestBandCell);
    const bool scrolls = cellWidth * count > inside.width();
    const int scrollBar = scrolls ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list) : 0;
    const QSize cell(cellWidth, inside.height() - scrollBar);

    // The captions take the largest size at which each wraps whole into its cell.
    const QSize captionRoom(cell.width() - 2 * kBandCellPadding,
                            cell.height() - iconSize - 2 * kBandCellPadding);
    QFont font = m_list->font();
    font.setPointSizeF(QWidget::font().pointSizeF());
    m_list->setFont(ui::fittingWrappedFont(font, captions, captionRoom, kLeastBandPoints));

    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(false);
    m_list->setSpacing(0);
    m_list->setGridSize(cell);
    auto* delegate = static_cast<CellDelegate*>(m_list->itemDelegate());
    delegate->setCellSize(cell);
    // Words too long for a cell even at the least size.
    delegate->setCaptionRoom(m_list->font(), captionRoom.width());
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setMovement(QListView::Static);
}

std::optional<int> CategoryBand::currentCategory() const {
    if (const QListWidgetItem* item = m_list->currentItem())
        return item->data(kCategoryRole).toInt();
    return std::nullopt;
}

QString CategoryBand::currentCaption() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item ? item->text() : QString();
}

void CategoryBand::chooseFirst() {
    if (m_list->count() == 0)
        return;
    if (m_list->currentRow() == 0)
        Q_EMIT categoryChanged();
    else
        m_list->setCurrentRow(0);
}

void CategoryBand::takeFocus() {
    m_list->setFocus();
}

bool CategoryBand::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list && watched != m_list->viewport())
        return QWidget::eventFilter(watched, event);
    switch (listInput(*event)) {
    case ListInput::Enter:
        Q_EMIT itemsWanted();
        return true;
    case ListInput::Released:
        Q_EMIT released();
        break;
    case ListInput::Moved:
        Q_EMIT keyMoved();
        break;
    case ListInput::DoubleClicked:
    case ListInput::Other:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
