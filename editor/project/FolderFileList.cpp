#include "editor/project/FolderFileList.h"

#include "editor/project/ItemRules.h"

FolderFileList::FolderFileList(QObject* parent) : QAbstractTableModel(parent) {}

int FolderFileList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_files.size());
}

int FolderFileList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderFileList::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole)
        return {};
    const auto& [folder, name] = file(index.row());
    return index.column() == FolderColumn ? folder : name;
}

QVariant FolderFileList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return m_captions.at(std::size_t(section));
}

void FolderFileList::setCaption(Column column, const QString& caption) {
    m_captions.at(std::size_t(column)) = caption;
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

void FolderFileList::scan(const QString& folder, bool includeSubfolders) {
    beginResetModel();
    m_files = itemrules::findFiles(folder, includeSubfolders);
    endResetModel();
}

void FolderFileList::clear() {
    beginResetModel();
    m_files.clear();
    endResetModel();
}
