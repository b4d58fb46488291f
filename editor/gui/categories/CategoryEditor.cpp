#include "editor/gui/categories/CategoryEditor.h"

#include "common/IniFile.h"
#include "editor/gui/HomePages.h"
#include "editor/gui/NamedButton.h"
#include "editor/gui/PointSize.h"
#include "editor/gui/categories/IconChooserDialog.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/CategoryFile.h"
#include "editor/project/CategoryList.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"
#include "editor/project/StandardCategories.h"
#include "ui/services/ChooserService.h"
#include "ui/services/HelpService.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/EffectLabel.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

using Msg = ui::MessageBoxService;
using Refusal = CategoryList::Refusal;

namespace {

constexpr int kHelpContext = 4050;

// Hands a caption edited in the list to the window, which says why it refuses one.
class CaptionDelegate : public QStyledItemDelegate {
public:
    CaptionDelegate(std::function<void(int, const QString&)> edited, QObject* parent)
        : QStyledItemDelegate(parent), m_edited(std::move(edited)) {}

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        if (const auto* line = qobject_cast<QLineEdit*>(editor))
            m_edited(index.row(), line->text());
    }

private:
    std::function<void(int, const QString&)> m_edited;
};

} // namespace

CategoryEditor::CategoryEditor(EditorState& state, ui::Services services, IconChooserDialog* iconChooser,
                               QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_iconChooser(iconChooser),
      m_categories(new CategoryList(this)) {
    setObjectName(QStringLiteral("Tgfform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - Categories"));
    setModal(true);

    m_filePanel = new QGroupBox(QStringLiteral("Category File Control"), this);
    m_filePanel->setObjectName(QStringLiteral("filePanel"));
    m_newFileButton = namedButton(m_filePanel, "crgf", QStringLiteral("New"));
    m_loadFileButton = namedButton(m_filePanel, "lgf", QStringLiteral("Load"));
    m_saveFileButton = namedButton(m_filePanel, "sgf", QStringLiteral("Save"));
    m_saveAsButton = namedButton(m_filePanel, "SaveAs", QStringLiteral("Save As"));
    auto* fileRow = new QHBoxLayout(m_filePanel);
    for (QPushButton* b : {m_newFileButton, m_loadFileButton, m_saveFileButton, m_saveAsButton})
        fileRow->addWidget(b);

    m_itemPanel = new QGroupBox(QStringLiteral("Category Item Control"), this);
    m_itemPanel->setObjectName(QStringLiteral("itemPanel"));
    m_categoryList = new QListView(m_itemPanel);
    m_categoryList->setObjectName(QStringLiteral("genreitems"));
    m_categoryList->setModel(m_categories);
    m_categoryList->setItemDelegate(new CaptionDelegate(
        [this](int row, const QString& caption) { captionEdited(row, caption); }, m_categoryList));
    m_categoryList->setIconSize(QSize(CategoryList::kIconEdge, CategoryList::kIconEdge));
    m_categoryList->setSpacing(1);
    m_categoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_categoryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_categoryList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_categoryList->installEventFilter(this);
    m_captionEdit = new QLineEdit(m_itemPanel);
    m_captionEdit->setObjectName(QStringLiteral("Edit1"));
    m_captionEdit->setMaxLength(200);
    m_addButton = namedButton(m_itemPanel, "add", QStringLiteral("Add"));
    m_removeButton = namedButton(m_itemPanel, "rem", QStringLiteral("Remove"));
    m_upButton = namedButton(m_itemPanel, "gup", QStringLiteral("Up"));
    m_downButton = namedButton(m_itemPanel, "gdown", QStringLiteral("Down"));
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {m_removeButton, m_upButton, m_downButton})
        side->addWidget(b);
    side->addStretch();
    auto* items = new QGridLayout(m_itemPanel);
    items->addWidget(m_categoryList, 0, 0);
    items->addLayout(side, 0, 1);
    items->addWidget(m_captionEdit, 1, 0);
    items->addWidget(m_addButton, 1, 1);
    items->setRowStretch(0, 1);

    m_itemPopup = new QMenu(this);
    m_itemPopup->setObjectName(QStringLiteral("PopupMenu1"));
    m_itemPopup->setTitle(m_itemPanel->title());
    m_renameAction = m_itemPopup->addAction(QStringLiteral("Rename Item"));
    m_renameAction->setObjectName(QStringLiteral("RenameItem1"));
    m_changeIconAction = m_itemPopup->addAction(QStringLiteral("Change Icon"));
    m_changeIconAction->setObjectName(QStringLiteral("chanegicon1"));

    m_moreIconsLink = new ui::EffectLabel(QStringLiteral("More Icons at Tavik Homebase"), this);
    m_moreIconsLink->setObjectName(QStringLiteral("moreIcons"));
    m_moreIconsLink->setLink(true);
    // Red under the mouse; otherwise the link colour, which reads on the light dialog background
    // where white would vanish.
    m_moreIconsLink->setColor(m_moreIconsLink->palette().color(QPalette::Link));
    m_moreIconsLink->installEventFilter(this);
    m_moreIconsLink->setMinimumWidth(m_moreIconsLink->sizeHint().width() + 6);
    m_okButton = namedButton(this, "OK", QStringLiteral("OK"));
    m_cancelButton = namedButton(this, "Cancel", QStringLiteral("Cancel"));
    m_helpButton = namedButton(this, "Help", QStringLiteral("Help"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_moreIconsLink);
    bottom->addStretch();
    for (QPushButton* b : {m_okButton, m_cancelButton, m_helpButton})
        bottom->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filePanel);
    layout->addWidget(m_itemPanel, 1);
    layout->addLayout(bottom);
    resize(520, 480);

    connect(m_newFileButton, &QPushButton::clicked, this, &CategoryEditor::newCategoryFileClicked);
    connect(m_loadFileButton, &QPushButton::clicked, this, &CategoryEditor::loadCategoryFileClicked);
    connect(m_saveFileButton, &QPushButton::clicked, this, &CategoryEditor::saveCategoryFileClicked);
    connect(m_saveAsButton, &QPushButton::clicked, this, &CategoryEditor::saveAsClicked);
    connect(m_addButton, &QPushButton::clicked, this, &CategoryEditor::addCategoryClicked);
    connect(m_captionEdit, &QLineEdit::returnPressed, this, &CategoryEditor::addCategoryClicked);
    connect(m_removeButton, &QPushButton::clicked, this, &CategoryEditor::removeCategoryClicked);
    connect(m_upButton, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_downButton, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(m_okButton, &QPushButton::clicked, this, &CategoryEditor::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &CategoryEditor::cancelClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &CategoryEditor::helpClicked);
    connect(m_moreIconsLink, &ui::EffectLabel::clicked, this, &CategoryEditor::iconsHomePageClicked);
    connect(m_renameAction, &QAction::triggered, this, &CategoryEditor::renameClicked);
    connect(m_changeIconAction, &QAction::triggered, this, &CategoryEditor::changeIconClicked);
    connect(m_categoryList, &QAbstractItemView::doubleClicked, this, &CategoryEditor::renameClicked);
    connect(m_categoryList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_itemPopup->popup(m_categoryList->viewport()->mapToGlobal(pos)); });
    // Add is offered while the list has room.
    connect(m_categories, &QAbstractItemModel::rowsInserted, this, &CategoryEditor::updateButtons);
    connect(m_categories, &QAbstractItemModel::rowsRemoved, this, &CategoryEditor::updateButtons);
    connect(m_categories, &QAbstractItemModel::modelReset, this, &CategoryEditor::updateButtons);
    updateButtons();
}

QString CategoryEditor::iconsHomePage() {
    return lumbrelHomePage() + QStringLiteral("icons/");
}

void CategoryEditor::applyTexts(const common::IniFile& file, const LanguageTables&, int) {
    const QString section = QStringLiteral("Genre");
    m_filePanel->setTitle(windowText(file, section, 1));
    m_newFileButton->setText(windowText(file, section, 2));
    m_loadFileButton->setText(windowText(file, section, 3));
    m_saveFileButton->setText(windowText(file, section, 4));
    m_saveAsButton->setText(windowText(file, section, 5));
    m_itemPanel->setTitle(windowText(file, section, 6));
    m_itemPopup->setTitle(m_itemPanel->title()); // never shown; names the menu like its list
    m_removeButton->setText(windowText(file, section, 7));
    m_upButton->setText(windowText(file, section, 8));
    m_downButton->setText(windowText(file, section, 9));
    m_addButton->setText(windowText(file, section, 10));
    m_okButton->setText(windowText(file, section, 11));
    m_cancelButton->setText(windowText(file, section, 12));
    m_helpButton->setText(windowText(file, section, 13));
    m_renameAction->setText(windowText(file, section, 14));
    m_changeIconAction->setText(windowText(file, section, 15));
    m_moreIconsLink->setText(windowText(file, section, 17));

    // Headings 11 points, buttons 10, the rest 9. The layout gives a longer caption its room, so
    // "Save As" keeps the size of the buttons beside it.
    for (QGroupBox* g : {m_filePanel, m_itemPanel})
        setPointSize(g, 11);
    for (QWidget* w : std::initializer_list<QWidget*>{m_categoryList, m_captionEdit, m_moreIconsLink})
        setPointSize(w, 9);
    for (QPushButton* b :
         {m_newFileButton, m_loadFileButton, m_saveFileButton, m_saveAsButton, m_addButton, m_removeButton,
          m_upButton, m_downButton, m_okButton, m_cancelButton, m_helpButton})
        setPointSize(b, 10);
    // A little room beyond the measured text, so that rounding never cuts the link short.
    m_moreIconsLink->setMinimumWidth(m_moreIconsLink->sizeHint().width() + 6);
}

void CategoryEditor::click() const {
    m_services.sound.play(ProjectFiles::clickSound());
}

void CategoryEditor::message(const char16_t* key) const {
    m_services.messages.show(Msg::Kind::Information, Msg::Buttons::Ok,
                             m_state.language.message(QStringView(key)));
}

bool CategoryEditor::execute() {
    prepare();
    return exec() == QDialog::Accepted;
}

void CategoryEditor::prepare() {
    FileHolder& genre = m_state.files.categoryFile;
    if (genre.exists()) {
        m_currentFile = genre.path();
    } else {
        m_currentFile = categoryfile::standardFile(m_state.programFolder);
        genre.set(m_currentFile);
    }
    load(m_currentFile);
    m_categories->setModified(false);
    setTitleToFile();
    m_categoryList->setFocus();
}

// --- The list ------------------------------------------------------------------------------------

int CategoryEditor::selectedRow() const {
    const QModelIndexList selected = m_categoryList->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void CategoryEditor::select(int row) {
    m_categoryList->selectionModel()->setCurrentIndex(m_categories->index(row),
                                                      QItemSelectionModel::ClearAndSelect);
}

void CategoryEditor::updateButtons() {
    m_addButton->setEnabled(m_categories->canAdd());
}

void CategoryEditor::setTitleToFile() {
    setWindowTitle(m_state.language.text(u"T22") + u' ' + m_currentFile);
}

bool CategoryEditor::load(const QString& path) {
    // The standard file is never saved over, so its captions may show in the current language.
    std::function<QString(const QString&)> shown;
    if (categoryfile::isStandardFile(path, m_state.programFolder))
        shown = [this](const QString& caption) {
            return standardcategories::caption(m_state.language, caption);
        };
    const QString missingIcon = m_categories->load(path, shown);
    if (!missingIcon.isEmpty()) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 environmentfiles::cannotOpenText(m_state.language, missingIcon));
        return false;
    }
    m_categoryList->scrollToTop();
    return true;
}

// --- File commands -------------------------------------------------------------------------------

void CategoryEditor::newCategoryFileClicked() {
    click();
    m_categories->startNew();
    m_currentFile.clear();
    setWindowTitle(m_state.language.text(u"T21"));
}

void CategoryEditor::loadCategoryFileClicked() {
    click();
    const QString chosen = m_services.choosers.openFile({m_loadFileButton->text(),
                                                         categoryfile::startFolder(m_state.programFolder),
                                                         categoryfile::filter(),
                                                         categoryfile::defaultSuffix(),
                                                         {}});
    if (chosen.isEmpty() || !load(chosen))
        return;
    m_currentFile = chosen;
    m_state.pendingCategoryFile = chosen;
    m_state.modified = true;
    setTitleToFile();
}

void CategoryEditor::saveCategoryFileClicked() {
    click();
    save();
}

void CategoryEditor::saveAsClicked() {
    click();
    saveAs();
}

bool CategoryEditor::save() {
    if (m_currentFile.isEmpty())
        return saveAs();
    if (m_categories->count() == 0) {
        message(u"M24");
        return false;
    }
    if (categoryfile::isStandardFile(m_currentFile, m_state.programFolder))
        return saveAs();
    return writeTo(m_currentFile);
}

bool CategoryEditor::saveAs() {
    if (m_categories->count() == 0) {
        message(u"M24");
        return false;
    }
    const QString chosen = m_services.choosers.saveFile({m_saveAsButton->text(),
                                                         categoryfile::startFolder(m_state.programFolder),
                                                         categoryfile::filter(),
                                                         categoryfile::defaultSuffix(),
                                                         {}});
    if (chosen.isEmpty())
        return false;
    return writeTo(environmentfiles::fileInOwnFolder(
        environmentfiles::withDefaultSuffix(chosen, categoryfile::defaultSuffix())));
}

bool CategoryEditor::writeTo(const QString& path) {
    QString failed;
    if (!m_categories->write(path, &failed)) {
        // Either the file itself or a category's icon that could not be brought beside it.
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 failed == path ? environmentfiles::cannotWriteText(m_state.language, path)
                                                : environmentfiles::cannotOpenText(m_state.language, failed));
        return false;
    }
    m_currentFile = path;
    m_state.pendingCategoryFile = path;
    // The file's categories changed under the project: its lists are rebuilt after the dialog.
    m_state.modified = true;
    setTitleToFile();
    return true;
}

// --- Category commands ---------------------------------------------------------------------------

void CategoryEditor::addCategoryClicked() {
    click();
    const QString caption = m_captionEdit->text().trimmed();
    if (caption.isEmpty()) {
        message(u"M22");
        m_captionEdit->setFocus();
        return;
    }
    if (!m_categories->canAdd() || !m_iconChooser || !m_iconChooser->execute(IconChooserDialog::Mode::Add))
        return;
    if (m_categories->add(caption, m_iconChooser->chosenIcon()) != Refusal::None)
        return;
    m_categoryList->scrollToBottom();
    m_captionEdit->clear();
}

void CategoryEditor::removeCategoryClicked() {
    click();
    switch (m_categories->remove(selectedRow())) {
    case Refusal::NoCategories:
        message(u"M17");
        break;
    case Refusal::NoneSelected:
        message(u"M16");
        break;
    default:
        break;
    }
}

void CategoryEditor::moveSelected(int step) {
    click();
    const int row = selectedRow();
    switch (m_categories->move(row, step)) {
    case Refusal::None:
        select(row + step);
        break;
    case Refusal::NoCategories:
        message(step < 0 ? u"M19" : u"M21");
        break;
    case Refusal::NoneSelected:
        message(u"M16");
        break;
    case Refusal::AlreadyFirst:
        message(u"M18");
        break;
    case Refusal::AlreadyLast:
        message(u"M20");
        break;
    default:
        break;
    }
}

void CategoryEditor::renameClicked() {
    if (m_categories->count() == 0)
        return;
    m_categories->setModified(true);
    const int row = std::max(selectedRow(), 0);
    if (askNewCaption) {
        const QString caption = askNewCaption(m_categories->at(row).caption);
        if (!caption.isEmpty() && m_categories->rename(row, caption) == Refusal::EmptyCaption)
            message(u"M6");
        return;
    }
    select(row);
    m_categoryList->edit(m_categories->index(row));
}

void CategoryEditor::captionEdited(int row, const QString& caption) {
    if (m_categories->rename(row, caption) != Refusal::EmptyCaption)
        return;
    // An empty caption would read back as nothing; the old one stays and the edit reopens.
    message(u"M6");
    QTimer::singleShot(0, this, [this, row] {
        if (row < m_categories->count())
            m_categoryList->edit(m_categories->index(row));
    });
}

void CategoryEditor::changeIconClicked() {
    if (m_categories->count() == 0 || !m_iconChooser ||
        !m_iconChooser->execute(IconChooserDialog::Mode::Change))
        return;
    m_categories->changeIcon(std::max(selectedRow(), 0), m_iconChooser->chosenIcon());
}

void CategoryEditor::categoryListKeyPressed(int key) {
    switch (key) {
    case Qt::Key_Delete:
        removeCategoryClicked();
        break;
    case Qt::Key_F2:
    case Qt::Key_Space:
        renameClicked();
        break;
    default:
        break;
    }
}

bool CategoryEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_categoryList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete || key == Qt::Key_F2 || key == Qt::Key_Space) {
            categoryListKeyPressed(key);
            return true;
        }
    } else if (watched == m_moreIconsLink && event->type() == QEvent::Enter) {
        m_moreIconsLink->setColor(Qt::red);
    } else if (watched == m_moreIconsLink && event->type() == QEvent::Leave) {
        m_moreIconsLink->setColor(m_moreIconsLink->palette().color(QPalette::Link));
    }
    return QDialog::eventFilter(watched, event);
}

// --- Leaving ---------------------------------------------------------------------------------------

void CategoryEditor::okClicked() {
    click();
    if (m_categories->isModified()) {
        if (m_services.messages.show(Msg::Kind::Question, Msg::Buttons::OkCancel,
                                     m_state.language.message(u"M23")) != Msg::Answer::Ok)
            return;
        // Nothing written (no categories, a cancelled Save As, a failed write): closing now would
        // drop the changes and could leave the project without a category file.
        if (!save())
            return;
    }
    // The standard file shows its captions in the current language; the project takes the copy that
    // holds them, so that the disc speaks that language too.
    if (categoryfile::isStandardFile(m_currentFile, m_state.programFolder)) {
        const standardcategories::Choice standard =
            standardcategories::fileFor(m_state.programFolder, m_state.language);
        if (!standard.failedFile.isEmpty())
            m_services.messages.show(
                Msg::Kind::Error, Msg::Buttons::Ok,
                environmentfiles::cannotWriteText(m_state.language, standard.failedFile));
        m_currentFile = standard.path;
    }
    m_state.files.categoryFile.set(m_currentFile);
    m_categories->setModified(false);
    accept();
}

void CategoryEditor::cancelClicked() {
    click();
    reject();
}

void CategoryEditor::helpClicked() {
    click();
    m_services.help.showHelp(m_state.helpFile, kHelpContext);
}

void CategoryEditor::iconsHomePageClicked() {
    m_services.shell.open(iconsHomePage());
}
