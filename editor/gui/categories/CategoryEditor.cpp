#include "editor/gui/categories/CategoryEditor.h"

#include "common/IniFile.h"
#include "common/Paths.h"
#include "editor/gui/NamedButton.h"
#include "editor/gui/PointSize.h"
#include "editor/gui/categories/IconChooserDialog.h"
#include "editor/gui/mainwindow/MainWindow.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/CategoryFile.h"
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
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using Msg = ui::MessageBoxService;

namespace {

constexpr int kPictureRole = Qt::UserRole;
// The caption as last accepted, to restore after an in-place edit left it empty.
constexpr int kCaptionRole = Qt::UserRole + 1;

constexpr int kHelpContext = 4050;

} // namespace

CategoryEditor::CategoryEditor(EditorState& state, ui::Services services, IconChooserDialog* iconChooser,
                               QWidget* parent)
    : QDialog(parent), m_state(state), m_services(services), m_iconChooser(iconChooser) {
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
    m_categoryList = new QListWidget(m_itemPanel);
    m_categoryList->setObjectName(QStringLiteral("genreitems"));
    m_categoryList->setIconSize(QSize(IconChooserDialog::kListIconEdge, IconChooserDialog::kListIconEdge));
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
    connect(m_upButton, &QPushButton::clicked, this, &CategoryEditor::moveUpClicked);
    connect(m_downButton, &QPushButton::clicked, this, &CategoryEditor::moveDownClicked);
    connect(m_okButton, &QPushButton::clicked, this, &CategoryEditor::okClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &CategoryEditor::cancelClicked);
    connect(m_helpButton, &QPushButton::clicked, this, &CategoryEditor::helpClicked);
    connect(m_moreIconsLink, &ui::EffectLabel::clicked, this, &CategoryEditor::iconsHomePageClicked);
    connect(m_renameAction, &QAction::triggered, this, &CategoryEditor::renameClicked);
    connect(m_changeIconAction, &QAction::triggered, this, &CategoryEditor::changeIconClicked);
    connect(m_categoryList, &QListWidget::itemDoubleClicked, this, &CategoryEditor::renameClicked);
    connect(m_categoryList, &QListWidget::itemChanged, this, &CategoryEditor::captionEdited);
    connect(m_categoryList, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_itemPopup->popup(m_categoryList->viewport()->mapToGlobal(pos)); });
    updateButtons();
}

QString CategoryEditor::iconsHomePage() {
    return MainWindow::homePageAddress() + QStringLiteral("icons/");
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
    m_modified = false;
    setTitleToFile();
    m_categoryList->setFocus();
}

// --- The lists -----------------------------------------------------------------------------------

int CategoryEditor::count() const {
    return m_categoryList->count();
}

QStringList CategoryEditor::captions() const {
    QStringList out;
    for (int i = 0; i < m_categoryList->count(); ++i)
        out << m_categoryList->item(i)->text();
    return out;
}

int CategoryEditor::pictureOf(int row) const {
    const QListWidgetItem* item = m_categoryList->item(row);
    return item ? item->data(kPictureRole).toInt() : -1;
}

int CategoryEditor::selectedRow() const {
    const QList<QListWidgetItem*> selected = m_categoryList->selectedItems();
    return selected.isEmpty() ? -1 : m_categoryList->row(selected.constFirst());
}

void CategoryEditor::select(int row) {
    m_categoryList->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void CategoryEditor::clearLists() {
    m_filling = true;
    m_categoryList->clear();
    m_filling = false;
    m_iconSources.clear();
    m_genreimage.clear();
}

int CategoryEditor::appendImage(const QString& iconFile) {
    m_genreimage << IconChooserDialog::loadIconFile(iconFile);
    return int(m_genreimage.size()) - 1;
}

void CategoryEditor::setPicture(QListWidgetItem* item, int picture) {
    m_filling = true;
    item->setData(kPictureRole, picture);
    item->setIcon(picture >= 0 && picture < m_genreimage.size() ? m_genreimage[picture] : QIcon());
    m_filling = false;
}

void CategoryEditor::appendCategory(const QString& caption, int picture, const QString& iconSource) {
    m_filling = true;
    auto* item = new QListWidgetItem(caption);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(kCaptionRole, caption);
    m_categoryList->addItem(item);
    m_filling = false;
    setPicture(item, picture);
    m_iconSources << iconSource;
    updateButtons();
}

void CategoryEditor::updateButtons() {
    // Every reader takes the count as an 8-bit value: one more category would read back as none.
    m_addButton->setEnabled(m_categoryList->count() < categoryfile::kMaxCategories);
}

void CategoryEditor::setTitleToFile() {
    setWindowTitle(m_state.language.text(u"T22") + u' ' + m_currentFile);
}

bool CategoryEditor::load(const QString& path) {
    const categoryfile::Contents contents = categoryfile::read(path);
    clearLists();
    for (const QString& icon : contents.icons)
        appendImage(icon);
    if (!contents.missingIcon.isEmpty()) {
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 environmentfiles::cannotOpenText(m_state.language, contents.missingIcon));
        updateButtons();
        return false;
    }
    // The standard file is never saved over, so its captions may show in the current language.
    const bool standard = categoryfile::isStandardFile(path, m_state.programFolder);
    for (const categoryfile::Category& c : contents.categories)
        appendCategory(standard ? standardcategories::caption(m_state.language, c.caption) : c.caption,
                       c.iconNumber, c.iconSource);
    m_categoryList->scrollToTop();
    updateButtons();
    return true;
}

// --- File commands -------------------------------------------------------------------------------

void CategoryEditor::newCategoryFileClicked() {
    click();
    clearLists();
    updateButtons();
    m_currentFile.clear();
    m_modified = true;
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
    m_modified = false;
    m_state.modified = true;
    setTitleToFile();
}

bool CategoryEditor::saveCategoryFileClicked() {
    click();
    return save();
}

bool CategoryEditor::saveAsClicked() {
    click();
    return saveAs();
}

bool CategoryEditor::save() {
    if (m_currentFile.isEmpty())
        return saveAs();
    if (m_categoryList->count() == 0) {
        message(u"M24");
        return false;
    }
    if (categoryfile::isStandardFile(m_currentFile, m_state.programFolder))
        return saveAs();
    return writeTo(m_currentFile);
}

bool CategoryEditor::saveAs() {
    if (m_categoryList->count() == 0) {
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
    QList<categoryfile::Entry> entries;
    for (int i = 0; i < m_categoryList->count(); ++i)
        entries.append({m_categoryList->item(i)->text(), m_iconSources.value(i)});
    QString failed;
    if (!categoryfile::write(path, entries, &failed)) {
        // Either the file itself or a category's icon that could not be brought beside it.
        m_services.messages.show(Msg::Kind::Error, Msg::Buttons::Ok,
                                 failed == path ? environmentfiles::cannotWriteText(m_state.language, path)
                                                : environmentfiles::cannotOpenText(m_state.language, failed));
        return false;
    }
    // The icons now lie in the category folder under their new numbers. Copying from the old
    // sources again would bring back the icon that a reordered category has just left behind.
    const QString folder =
        common::withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    for (int i = 0; i < m_iconSources.size(); ++i)
        m_iconSources[i] = categoryfile::iconFile(folder, i);
    m_currentFile = path;
    m_state.pendingCategoryFile = path;
    m_modified = false;
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
    if (m_categoryList->count() >= categoryfile::kMaxCategories || !m_iconChooser ||
        !m_iconChooser->execute(IconChooserDialog::Mode::Add))
        return;
    const QString icon = m_iconChooser->chosenIcon();
    appendCategory(caption, appendImage(icon), icon);
    m_categoryList->scrollToBottom();
    m_captionEdit->clear();
    m_modified = true;
}

void CategoryEditor::removeCategoryClicked() {
    click();
    if (m_categoryList->count() == 0) {
        message(u"M17");
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        message(u"M16");
        return;
    }
    m_filling = true;
    delete m_categoryList->takeItem(row);
    m_filling = false;
    m_iconSources.removeAt(row);
    m_modified = true;
    updateButtons();
}

void CategoryEditor::swapWith(int row, int other) {
    QListWidgetItem* a = m_categoryList->item(row);
    QListWidgetItem* b = m_categoryList->item(other);
    m_filling = true;
    const QString caption = a->text();
    a->setText(b->text());
    a->setData(kCaptionRole, b->text());
    b->setText(caption);
    b->setData(kCaptionRole, caption);
    m_filling = false;
    const int picture = pictureOf(row);
    setPicture(a, pictureOf(other));
    setPicture(b, picture);
    m_iconSources.swapItemsAt(row, other);
    select(other);
    m_modified = true;
}

void CategoryEditor::moveUpClicked() {
    click();
    if (m_categoryList->count() == 0) {
        message(u"M19");
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        message(u"M16");
        return;
    }
    if (row == 0) {
        message(u"M18");
        return;
    }
    swapWith(row, row - 1);
}

void CategoryEditor::moveDownClicked() {
    click();
    if (m_categoryList->count() == 0) {
        message(u"M21");
        return;
    }
    const int row = selectedRow();
    if (row < 0) {
        message(u"M16");
        return;
    }
    if (row == m_categoryList->count() - 1) {
        message(u"M20");
        return;
    }
    swapWith(row, row + 1);
}

void CategoryEditor::renameClicked() {
    if (m_categoryList->count() == 0)
        return;
    m_modified = true;
    const int row = std::max(selectedRow(), 0);
    QListWidgetItem* item = m_categoryList->item(row);
    if (askNewCaption) {
        const QString caption = askNewCaption(item->text());
        if (!caption.isEmpty())
            renameCategory(caption);
        return;
    }
    select(row);
    m_categoryList->editItem(item);
}

bool CategoryEditor::renameCategory(const QString& caption) {
    if (m_categoryList->count() == 0)
        return false;
    const QString text = caption.trimmed();
    if (text.isEmpty()) {
        message(u"M6");
        return false;
    }
    QListWidgetItem* item = m_categoryList->item(std::max(selectedRow(), 0));
    m_filling = true;
    item->setText(text);
    item->setData(kCaptionRole, text);
    m_filling = false;
    m_modified = true;
    return true;
}

void CategoryEditor::captionEdited(QListWidgetItem* item) {
    if (m_filling)
        return;
    const QString text = item->text().trimmed();
    const QString before = item->data(kCaptionRole).toString();
    m_filling = true;
    item->setText(text.isEmpty() ? before : text);
    item->setData(kCaptionRole, item->text());
    m_filling = false;
    if (text.isEmpty()) {
        // An empty caption would read back as nothing; the old one stays and the edit reopens.
        message(u"M6");
        const int row = m_categoryList->row(item);
        QTimer::singleShot(0, this, [this, row] {
            if (QListWidgetItem* again = m_categoryList->item(row))
                m_categoryList->editItem(again);
        });
        return;
    }
    m_modified = true;
}

void CategoryEditor::changeIconClicked() {
    if (m_categoryList->count() == 0 || !m_iconChooser ||
        !m_iconChooser->execute(IconChooserDialog::Mode::Change))
        return;
    const int row = std::max(selectedRow(), 0);
    const QString icon = m_iconChooser->chosenIcon();
    setPicture(m_categoryList->item(row), appendImage(icon));
    m_iconSources[row] = icon;
    m_modified = true;
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
    if (m_modified) {
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
    m_modified = false;
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
