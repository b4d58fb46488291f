#include "editor/project/CategoryList.h"

#include "common/Paths.h"
#include "common/PictureFile.h"
#include "editor/project/CategoryFile.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include <algorithm>

CategoryList::CategoryList(QObject* parent) : QAbstractListModel(parent) {}

int CategoryList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant CategoryList::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Category& category = m_categories[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return category.caption;
    case Qt::DecorationRole:
        if (category.picture >= 0 && category.picture < m_pictures.size())
            return m_pictures[category.picture];
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags CategoryList::flags(const QModelIndex& index) const {
    return QAbstractListModel::flags(index) | (index.isValid() ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

bool CategoryList::setData(const QModelIndex& index, const QVariant& value, int role) {
    return index.isValid() && role == Qt::EditRole && rename(index.row(), value.toString()) == Refusal::None;
}

QStringList CategoryList::captions() const {
    QStringList out;
    for (const Category& c : m_categories)
        out << c.caption;
    return out;
}

QStringList CategoryList::iconSources() const {
    QStringList out;
    for (const Category& c : m_categories)
        out << c.iconSource;
    return out;
}

bool CategoryList::canAdd() const {
    return count() < categoryfile::kMaxCategories;
}

QIcon CategoryList::loadPicture(const QString& iconFile) {
    // A larger picture in the file is still read, within reason.
    constexpr int kAllocationLimitMb = 64;
    const QImage best = common::readBestPicture(iconFile, kAllocationLimitMb, common::pictureFor(kIconEdge));
    return best.isNull() ? QIcon() : QIcon(QPixmap::fromImage(best));
}

int CategoryList::addPicture(const QString& iconFile) {
    m_pictures << loadPicture(iconFile);
    return int(m_pictures.size()) - 1;
}

void CategoryList::startNew() {
    beginResetModel();
    m_categories.clear();
    m_pictures.clear();
    endResetModel();
    m_modified = true;
}

QString CategoryList::load(const QString& path, const std::function<QString(const QString&)>& shown) {
    const categoryfile::Contents contents = categoryfile::read(path);
    beginResetModel();
    m_categories.clear();
    m_pictures.clear();
    for (const QString& icon : contents.icons)
        addPicture(icon);
    if (contents.missingIcon.isEmpty()) {
        for (const categoryfile::Category& c : contents.categories)
            m_categories.append({shown ? shown(c.caption) : c.caption, c.iconNumber, c.iconSource});
        m_modified = false;
    }
    endResetModel();
    return contents.missingIcon;
}

bool CategoryList::write(const QString& path, QString* failedFile) {
    QList<categoryfile::Entry> entries;
    for (const Category& c : std::as_const(m_categories))
        entries.append({c.caption, c.iconSource});
    if (!categoryfile::write(path, entries, failedFile))
        return false;
    const QString folder =
        common::withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    for (int i = 0; i < count(); ++i)
        m_categories[i].iconSource = categoryfile::iconFile(folder, i);
    m_modified = false;
    return true;
}

CategoryList::Refusal CategoryList::add(const QString& caption, const QString& iconFile) {
    const QString text = caption.trimmed();
    if (text.isEmpty())
        return Refusal::EmptyCaption;
    if (!canAdd())
        return Refusal::Full;
    beginInsertRows({}, count(), count());
    m_categories.append({text, addPicture(iconFile), iconFile});
    endInsertRows();
    m_modified = true;
    return Refusal::None;
}

CategoryList::Refusal CategoryList::checkRow(int row) const {
    if (m_categories.isEmpty())
        return Refusal::NoCategories;
    return row < 0 || row >= count() ? Refusal::NoneSelected : Refusal::None;
}

CategoryList::Refusal CategoryList::remove(int row) {
    if (const Refusal refusal = checkRow(row); refusal != Refusal::None)
        return refusal;
    beginRemoveRows({}, row, row);
    m_categories.removeAt(row);
    endRemoveRows();
    m_modified = true;
    return Refusal::None;
}

CategoryList::Refusal CategoryList::move(int row, int step) {
    if (const Refusal refusal = checkRow(row); refusal != Refusal::None)
        return refusal;
    const int other = row + step;
    if (other < 0)
        return Refusal::AlreadyFirst;
    if (other >= count())
        return Refusal::AlreadyLast;
    m_categories.swapItemsAt(row, other);
    Q_EMIT dataChanged(index(std::min(row, other)), index(std::max(row, other)));
    m_modified = true;
    return Refusal::None;
}

CategoryList::Refusal CategoryList::rename(int row, const QString& caption) {
    if (const Refusal refusal = checkRow(row); refusal != Refusal::None)
        return refusal;
    const QString text = caption.trimmed();
    if (text.isEmpty())
        return Refusal::EmptyCaption;
    m_categories[row].caption = text;
    Q_EMIT dataChanged(index(row), index(row));
    m_modified = true;
    return Refusal::None;
}

void CategoryList::changeIcon(int row, const QString& iconFile) {
    if (checkRow(row) != Refusal::None)
        return;
    m_categories[row].picture = addPicture(iconFile);
    m_categories[row].iconSource = iconFile;
    Q_EMIT dataChanged(index(row), index(row));
    m_modified = true;
}
