#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The categories of a category file as the category editor changes them, in the file's order: each
// with its caption, its picture in the list and the icon file that saving copies beside the
// category file. Pictures lie in a list of their own that only grows while the editor is open; a
// category names its picture by number, and a number the list lacks shows none.
class CategoryList : public QAbstractListModel {
    Q_OBJECT
public:
    struct Category {
        QString caption;
        int picture = -1;
        QString iconSource;
    };

    // Why a command left the list as it was.
    enum class Refusal { None, NoCategories, NoneSelected, AlreadyFirst, AlreadyLast, EmptyCaption, Full };

    // How large the lists show an icon.
    static constexpr int kIconEdge = 32;

    explicit CategoryList(QObject* parent = nullptr);

    // The caption is the display and edit role; editing it is renaming.
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    int count() const { return int(m_categories.size()); }
    const Category& at(int row) const { return m_categories.at(row); }
    QStringList captions() const;
    QStringList iconSources() const;
    int pictureCount() const { return int(m_pictures.size()); }
    // Every reader takes the count as an 8-bit value: one more category would read back as none.
    bool canAdd() const;

    // Whether the categories differ from the file they came from or went to last.
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Empties the list for a file not saved yet.
    void startNew();
    // Reads a category file; `shown` gives the caption to show for a stored one. Returns the icon
    // that could not be opened, and the list is empty then; empty when the file was read (a missing
    // file reads as no categories).
    QString load(const QString& path, const std::function<QString(const QString&)>& shown = {});
    // Writes the categories and their icons to `path`. The icons then lie beside the file under
    // their new numbers and are copied from there the next time: the old sources would bring back
    // the icon that a reordered category has just left. False when the file or an icon could not be
    // written, which `failedFile` names.
    bool write(const QString& path, QString* failedFile = nullptr);

    // Appends a category with its icon; the caption is trimmed.
    Refusal add(const QString& caption, const QString& iconFile);
    // `row` is the selected category, -1 for none.
    Refusal remove(int row);
    // Swaps a category with the one `step` places away: -1 moves it up, 1 down.
    Refusal move(int row, int step);
    Refusal moveUp(int row) { return move(row, -1); }
    Refusal moveDown(int row) { return move(row, 1); }
    // Gives a category a caption (trimmed); an empty one is refused.
    Refusal rename(int row, const QString& caption);
    void changeIcon(int row, const QString& iconFile);

    // The picture of an icon file that suits the lists, read at once: a numbered icon may be
    // overwritten on disk later while a list still shows the old one.
    static QIcon loadPicture(const QString& iconFile);

private:
    int addPicture(const QString& iconFile);
    Refusal checkRow(int row) const;

    QList<Category> m_categories;
    QList<QIcon> m_pictures;
    bool m_modified = false;
};
