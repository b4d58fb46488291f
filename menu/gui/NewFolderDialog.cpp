#include "menu/gui/NewFolderDialog.h"
#include "menu/content/PlainText.h"
#include "menu/gui/MenuSound.h"

#include "common/Paths.h"
#include "menu/gui/DesignLook.h"
#include "ui/services/MessageBoxService.h"
#include "ui/widgets/ShadowButton.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

#include <filesystem>
#include <system_error>

NewFolderDialog::NewFolderDialog(ui::Services services, const menu::MenuState& state, QWidget* parent)
    : menu::DesignedDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_services(services), m_state(state) {
    setObjectName(QStringLiteral("Tddform"));
    setWindowTitle(QStringLiteral("directory name"));
    setFixedSize(kClientWidth, kClientHeight);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("dirname"));
    m_nameEdit->setGeometry(8, 8, kClientWidth - 16, 22);
    m_nameEdit->installEventFilter(this);

    m_okButton = new ui::ShadowButton(QStringLiteral("ok"), this);
    m_okButton->setObjectName(QStringLiteral("okbtn"));
    m_okButton->setGeometry(8, 37, 80, 28);
    m_okButton->setShadowDepth(3);
    connect(m_okButton, &QAbstractButton::clicked, this, &NewFolderDialog::confirm);
    m_cancelButton = new ui::ShadowButton(QStringLiteral("cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelbtn"));
    m_cancelButton->setGeometry(94, 37, 80, 28);
    m_cancelButton->setShadowDepth(3);
    connect(m_cancelButton, &QAbstractButton::clicked, this, &NewFolderDialog::cancel);
}

void NewFolderDialog::openFor(const QString& parentFolder) {
    m_parentFolder = parentFolder;
    m_nameEdit->clear();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    open();
    m_nameEdit->setFocus();
}

void NewFolderDialog::confirm() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    createFolder();
}

void NewFolderDialog::cancel() {
    menu::playMenuSound(m_services.sound, m_state, 3);
    reject();
}

void NewFolderDialog::createFolder() {
    const QString name = m_nameEdit->text();
    if (name.isEmpty())
        return;
    const QString path = common::withTrailingSeparator(QDir::toNativeSeparators(m_parentFolder)) + name;
    if (QFileInfo(path).isDir())
        return;
    std::error_code ec;
    std::filesystem::create_directory(QFileInfo(path).filesystemFilePath(), ec);
    if (ec) {
        m_services.messages.show(ui::MessageBoxService::Kind::Information, ui::MessageBoxService::Buttons::Ok,
                                 QStringLiteral("I/O error: the folder %1 cannot be made (%2).")
                                     .arg(path, QString::fromLocal8Bit(ec.message())));
        return;
    }
    accept();
    Q_EMIT folderCreated(path);
}

void NewFolderDialog::applyLanguage(const menu::LanguageFile& language) {
    m_okButton->setText(language.buttons[1]);
    m_okButton->setToolTip(menu::plainToolTip(language.hints[1]));
    m_cancelButton->setText(language.buttons[2]);
    m_cancelButton->setToolTip(menu::plainToolTip(language.hints[2]));
    setWindowTitle(language.forms[4]);
}

void NewFolderDialog::applyDesign(const menu::DesignLook& look) {
    setDesignBackground(look);
    look.styleButton(m_okButton);
    look.styleButton(m_cancelButton);
    update();
}

bool NewFolderDialog::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the field makes the folder too, without the click sound of the button.
    if (watched == m_nameEdit && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat())
            createFolder();
    }
    return QDialog::eventFilter(watched, event);
}
