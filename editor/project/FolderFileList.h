#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <utility>
#include <vector>

// The files of a folder chosen to be added as items, one row each: the file's folder (with its
// separator) and its name, files of a folder before its subfolders, both by name. A model rather
// than a list of widget items, so that a folder of 100,000 files lists at once.
class FolderFileList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FolderColumn, NameColumn, ColumnCount };

    explicit FolderFileList(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setCaption(Column column, const QString& caption);
    // Lists the files below `folder`, with those of its subfolders when asked.
    void scan(const QString& folder, bool includeSubfolders);
    void clear();
    const std::pair<QString, QString>& file(int row) const { return m_files.at(std::size_t(row)); }

private:
    std::vector<std::pair<QString, QString>> m_files;
    std::array<QString, ColumnCount> m_captions;
};
