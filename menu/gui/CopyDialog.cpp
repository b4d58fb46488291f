#include "menu/gui/CopyDialog.h"
#include "menu/gui/MenuSound.h"

#include "common/Paths.h"
#include "menu/content/ArchiveLayer.h"
#include "menu/content/BlockCopy.h"
#include "menu/content/PlainText.h"
#include "menu/gui/DesignLook.h"
#include "menu/gui/NewFolderDialog.h"
#include "ui/services/MessageBoxService.h"
#include "ui/services/ShellService.h"
#include "ui/widgets/CaptionFit.h"
#include "ui/widgets/GaugeBar.h"
#include "ui/widgets/ShadowButton.h"
#include "ui/widgets/TitleWidth.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QStorageInfo>
#include <QThread>
#include <QTreeView>

#include <algorithm>
#include <climits>
#include <memory>

namespace {

constexpr int kMargin = 8;
constexpr int kListWidth = 214;
constexpr int kButtonWidth = 125, kButtonHeight = 30;
constexpr int kGaugeWidth = 35;

const QString kNoFilesInZip = QStringLiteral("Error - no files in the Zip file");

// The root of the drive that holds `path`: its longest matching drive root.
QString driveOf(const QString& path, const QStringList& drives) {
    const QString clean = QDir::cleanPath(QDir::fromNativeSeparators(path));
    QString best;
    for (const QString& drive : drives) {
        const QString root = QDir::fromNativeSeparators(drive);
        const bool inside = clean.compare(QDir::cleanPath(root), Qt::CaseInsensitive) == 0 ||
                            clean.startsWith(root.endsWith(u'/') ? root : root + u'/', Qt::CaseInsensitive);
        if (inside && root.size() > best.size())
            best = drive;
    }
    return best;
}

} // namespace

CopyDialog::CopyDialog(ui::Services services, const menu::MenuState& state, const menu::UnzipModule& unzip,
                       NewFolderDialog* newFolderDialog, QWidget* parent)
    : menu::DesignedDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_services(services), m_state(state), m_unzip(unzip), m_newFolderDialog(newFolderDialog) {
    setObjectName(QStringLiteral("Tfcform"));
    setWindowTitle(QStringLiteral("copy the selected file"));
    setFixedSize(kClientWidth, kClientHeight);

    m_driveBox = new QComboBox(this);
    m_driveBox->setObjectName(QStringLiteral("drive"));

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(true);
    m_folderTree = new QTreeView(this);
    m_folderTree->setObjectName(QStringLiteral("folders"));
    m_folderTree->setModel(m_model);
    m_folderTree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_folderTree->hideColumn(column);
    m_folderTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_folderTree->header()->setStretchLastSection(false);
    m_folderTree->setSelectionMode(QAbstractItemView::SingleSelection);

    m_progressGauge = new ui::GaugeBar(this);
    m_progressGauge->setObjectName(QStringLiteral("copyanz"));

    auto makeButton = [this](const char16_t* name, const char16_t* text) {
        auto* button = new ui::ShadowButton(QString::fromUtf16(text), this);
        button->setObjectName(QString::fromUtf16(name));
        button->setShadowDepth(3);
        return button;
    };
    m_newFolderButton = makeButton(u"newd", u"new directory");
    m_browseButton = makeButton(u"browsebtn", u"explore");
    m_startButton = makeButton(u"start", u"start");
    m_stopButton = makeButton(u"stopbtn", u"stop");
    m_stopButton->hide();
    m_cancelButton = makeButton(u"cancel", u"exit");
    layoutControls();
    connect(m_newFolderButton, &QAbstractButton::clicked, this, &CopyDialog::makeNewFolder);
    connect(m_startButton, &QAbstractButton::clicked, this, &CopyDialog::copyOrUnzip);
    connect(m_stopButton, &QAbstractButton::clicked, this, &CopyDialog::stopCopying);
    connect(m_browseButton, &QAbstractButton::clicked, this, &CopyDialog::exploreFolder);
    connect(m_cancelButton, &QAbstractButton::clicked, this, &CopyDialog::cancel);
    if (m_newFolderDialog)
        connect(m_newFolderDialog, &NewFolderDialog::folderCreated, this, &CopyDialog::selectFolder);

    connect(m_model, &QAbstractItemModel::rowsInserted, this, &CopyDialog::hideOtherDrives);
    // The tree fills in and sorts folder by folder after a folder was chosen for it, which pushes
    // the chosen folder out of view; it is brought back until the viewer takes over the tree.
    auto reveal = [this] {
        if (m_revealSelection && m_folderTree->currentIndex().isValid())
            m_folderTree->scrollTo(m_folderTree->currentIndex());
    };
    connect(m_model, &QAbstractItemModel::rowsInserted, this, reveal);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, reveal);
    auto viewerTakesOver = [this] { m_revealSelection = false; };
    connect(m_folderTree, &QTreeView::pressed, this, viewerTakesOver);
    connect(m_folderTree, &QTreeView::expanded, this, viewerTakesOver);
    connect(m_folderTree, &QTreeView::collapsed, this, viewerTakesOver);
    fillDrives();
    connect(m_driveBox, &QComboBox::activated, this,
            [this](int index) { showDrive(m_driveBox->itemData(index).toString()); });
    // The tree starts at the process's current folder.
    selectFolder(QDir::currentPath());
}

void CopyDialog::layoutControls() {
    // Width beyond the usual goes to the folder list.
    const int listWidth = width() - kClientWidth + kListWidth;
    m_driveBox->setGeometry(kMargin, kMargin, listWidth, 24);
    m_folderTree->setGeometry(kMargin, kMargin + 30, listWidth, 186);
    m_progressGauge->setGeometry(kMargin + listWidth + 8, kMargin, kGaugeWidth, 216);
    const int right = width() - kMargin - kButtonWidth;
    m_newFolderButton->setGeometry(kMargin, 232, kButtonWidth, kButtonHeight);
    m_browseButton->setGeometry(right, 232, kButtonWidth, kButtonHeight);
    m_startButton->setGeometry(kMargin, 270, kButtonWidth, kButtonHeight);
    m_stopButton->setGeometry(m_startButton->geometry());
    m_cancelButton->setGeometry(right, 270, kButtonWidth, kButtonHeight);
}

QStringList CopyDialog::drives() const {
    QStringList roots;
    for (int i = 0; i < m_driveBox->count(); ++i)
        roots.append(m_driveBox->itemData(i).toString());
    return roots;
}

void CopyDialog::fillDrives() {
    m_driveBox->clear();
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absoluteFilePath());
        m_driveBox->addItem(root.left(2).toLower(), root);
    }
#else
    QStringList seen;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        const QString root = common::withTrailingSeparator(QDir::toNativeSeparators(volume.rootPath()));
        if (seen.contains(root))
            continue;
        seen.append(root);
        const QString name = volume.displayName();
        m_driveBox->addItem(
            name.isEmpty() || name == volume.rootPath() ? root : root + QStringLiteral("  [") + name + u']',
            root);
    }
    if (m_driveBox->count() == 0)
        m_driveBox->addItem(QDir::rootPath(), QDir::rootPath());
#endif
}

void CopyDialog::showDrive(const QString& root) {
    const int index = m_driveBox->findData(root);
    if (index >= 0)
        m_driveBox->setCurrentIndex(index);
    m_driveRoot = QDir::fromNativeSeparators(root);
    m_model->setRootPath(m_driveRoot);
    // The drive's own folder heads the tree, so that its root can be chosen too; the folders
    // beside it belong to other drives and stay hidden.
    const QModelIndex top = m_model->index(m_driveRoot);
    m_folderTree->setRootIndex(top.parent());
    hideOtherDrives(top.parent(), 0, m_model->rowCount(top.parent()) - 1);
    m_folderTree->setCurrentIndex(top);
    m_folderTree->expand(top);
}

void CopyDialog::hideOtherDrives(const QModelIndex& parent, int first, int last) {
    if (parent != m_folderTree->rootIndex())
        return;
    const QModelIndex top = m_model->index(m_driveRoot);
    for (int row = first; row <= last; ++row)
        m_folderTree->setRowHidden(row, parent, m_model->index(row, 0, parent) != top);
}

void CopyDialog::selectFolder(const QString& folder) {
    QString drive = driveOf(folder, drives());
    if (drive.isEmpty())
        drive = m_driveBox->count() > 0 ? m_driveBox->itemData(0).toString() : QDir::rootPath();
    showDrive(drive);
    const QModelIndex index = m_model->index(QDir::fromNativeSeparators(folder));
    if (!index.isValid())
        return;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        m_folderTree->expand(up);
    m_folderTree->setCurrentIndex(index);
    m_folderTree->scrollTo(index);
    m_revealSelection = true;
}

QString CopyDialog::selectedFolder() const {
    const QModelIndex current = m_folderTree->currentIndex();
    const QString path = current.isValid() ? m_model->filePath(current) : m_model->rootPath();
    return QDir::toNativeSeparators(path);
}

QString CopyDialog::destinationFolder() const {
    // A drive root already ends in its separator.
    return common::withTrailingSeparator(selectedFolder());
}

QString CopyDialog::captionFor(menu::CopyMode mode, int language) {
    if (mode == menu::CopyMode::Unzip)
        return language == 1 ? QStringLiteral("Entpacke die ausgewählte Datei nach...")
                             : QStringLiteral("Unzip the selected file to...");
    return language == 1 ? QStringLiteral("Kopiere die ausgewählte Datei nach...")
                         : QStringLiteral("Copy the selected file to...");
}

void CopyDialog::openForMode() {
    m_progressGauge->setMaximum(100);
    m_progressGauge->setValue(0);
    const QString caption = captionFor(m_state.copyMode, m_state.language.texts.language);
    setWindowTitle(caption);
    setFixedSize(std::max(kClientWidth, ui::widthForTitle(*this)), kClientHeight);
    layoutControls();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    open();
}

void CopyDialog::setButtonsEnabled(bool enabled) {
    for (ui::ShadowButton* button : {m_startButton, m_newFolderButton, m_cancelButton, m_browseButton}) {
        button->setEnabled(enabled);
        button->repaint();
    }
}

void CopyDialog::information(const QString& text) {
    m_services.messages.show(ui::MessageBoxService::Kind::Information, ui::MessageBoxService::Buttons::Ok,
                             text);
}

void CopyDialog::copyOrUnzip() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    m_busy = true;
    m_stop = false;
    setButtonsEnabled(false);
    m_startButton->hide();
    m_stopButton->setEnabled(true);
    m_stopButton->show();
    const QString destination = destinationFolder();
    if (m_state.copyMode == menu::CopyMode::Unzip)
        runUnzip(destination);
    else
        runCopy(destination);
    m_stopButton->hide();
    m_startButton->show();
    setButtonsEnabled(true);
    m_busy = false;
}

void CopyDialog::stopCopying() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    m_stop = true;
    m_stopButton->setEnabled(false);
}

void CopyDialog::runInBackground(const std::function<void()>& work) {
    QEventLoop loop;
    const std::unique_ptr<QThread> thread(QThread::create(work));
    // Queued: the progress posted before the end arrives first.
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    loop.exec();
    thread->wait();
}

void CopyDialog::postProgress(int value) {
    QMetaObject::invokeMethod(
        this,
        [this, value] {
            m_progressGauge->setValue(value);
            m_progressGauge->repaint();
        },
        Qt::QueuedConnection);
}

void CopyDialog::runUnzip(const QString& destination) {
    m_progressGauge->setValue(0);
    const QString archive = m_state.currentTarget;
    const QStringList entries = menu::listArchiveEntries(archive);
    if (entries.isEmpty()) {
        information(kNoFilesInZip);
        return;
    }
    m_progressGauge->setMaximum(int(std::min<qsizetype>(entries.size(), INT_MAX)));
    if (!m_unzip.isLoaded()) {
        information(m_unzip.unavailableMessage());
        return;
    }
    // A small archive may unpack to far more than the destination holds.
    const qint64 needed = menu::totalStoredSize(archive);
    const QStorageInfo volume(destination);
    if (volume.isValid() && volume.isReady() && needed > volume.bytesAvailable()) {
        constexpr qint64 kMb = 1024 * 1024;
        // One call: a name that holds "%3" must not take a number meant for the message.
        information(menu::ownMessages(m_state.language.texts.language)
                        .notEnoughSpace.arg(QDir::toNativeSeparators(archive), destination,
                                            QString::number((needed + kMb - 1) / kMb),
                                            QString::number(volume.bytesAvailable() / kMb)));
        return;
    }
    menu::ExtractReport report;
    int done = 0;
    runInBackground([&] {
        report = m_unzip.extract(
            archive, {QStringLiteral("*.*")}, destination, {.recreateFolders = true, .overwrite = true},
            [&](const QString& name) {
                if (name.isEmpty() || name == QStringLiteral(" "))
                    return;
                postProgress(++done);
            },
            &m_stop);
    });
    if (report.stopped())
        return;
    const QString problems = report.problems();
    if (!problems.isEmpty())
        information(problems);
    m_progressGauge->setMaximum(100);
    m_progressGauge->setValue(100);
    menu::playMenuSound(m_services.sound, m_state, 5);
}

void CopyDialog::runCopy(const QString& destinationFolder) {
    m_progressGauge->setMaximum(100);
    m_progressGauge->setValue(0);
    const QString source = m_state.currentTarget;
    const QString destination = destinationFolder + QFileInfo(source).fileName();
    menu::CopyResult result;
    int shown = 0;
    runInBackground([&] {
        result = menu::copyInBlocks(
            source, destination,
            [&](int percent) {
                if (percent != shown)
                    postProgress(shown = percent);
            },
            {.first = kFirstCopyBlock, .largest = kLargestCopyBlock}, &m_stop);
    });
    // A copy that failed must not pass for a finished one.
    const QString failure =
        menu::copyFailureMessage(result, source, destination, m_state.language.texts.language);
    if (!failure.isEmpty()) {
        information(failure);
        return;
    }
    if (result.outcome == menu::CopyOutcome::Stopped)
        return;
    menu::playMenuSound(m_services.sound, m_state, 4);
}

void CopyDialog::makeNewFolder() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    if (m_newFolderDialog)
        m_newFolderDialog->openFor(selectedFolder());
}

void CopyDialog::exploreFolder() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    if (!m_services.shell.explore(selectedFolder()))
        information(menu::ownMessages(m_state.language.texts.language).folderNotOpened.arg(selectedFolder()));
}

void CopyDialog::cancel() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    QDialog::reject();
}

void CopyDialog::reject() {
    // The dialog stays while a copy or an unzip runs; Escape must not leave it either.
    if (!m_busy)
        QDialog::reject();
}

void CopyDialog::applyLanguage(const menu::LanguageFile& language) {
    const struct {
        ui::ShadowButton* button;
        int key;
    } buttons[] = {{m_newFolderButton, 3}, {m_startButton, 4}, {m_browseButton, 5}, {m_cancelButton, 6}};
    for (const auto& b : buttons) {
        b.button->setText(language.buttons[std::size_t(b.key)]);
        b.button->setToolTip(menu::plainToolTip(language.hints[std::size_t(b.key)]));
    }
    m_stopButton->setText(menu::ownMessages(language.texts.language).stop);
    setWindowTitle(language.forms[5]);
}

void CopyDialog::applyDesign(const menu::DesignLook& look) {
    setDesignBackground(look);
    for (ui::ShadowButton* button :
         {m_newFolderButton, m_startButton, m_stopButton, m_browseButton, m_cancelButton})
        look.styleButton(button);
    ui::fitRowCaptions({m_newFolderButton, m_startButton, m_stopButton, m_browseButton, m_cancelButton},
                       font().pointSizeF());
    update();
}
