#include "editor/gui/items/BandColourDialog.h"

#include "editor/gui/items/CellEditors.h"
#include "editor/language/LanguageTables.h"
#include "editor/language/WindowTexts.h"
#include "editor/project/EditorState.h"
#include "ui/services/SoundService.h"
#include "ui/widgets/ColorBox.h"
#include "ui/widgets/TitleWidth.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

BandColourDialog::BandColourDialog(ui::SoundService& sound, QWidget* parent)
    : QDialog(parent), m_title(QStringLiteral("Tavik - Lumbrel - New Value")), m_bandLabel(new QLabel(this)),
      m_box(new ui::ColorBox(this)) {
    setObjectName(QStringLiteral("Tcolor_chooseform"));
    setWindowTitle(m_title);
    QFont bold = m_bandLabel->font();
    bold.setBold(true);
    m_bandLabel->setFont(bold);
    m_box->setObjectName(QStringLiteral("ColorBox"));
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::clicked, this, [&sound] { sound.play(ProjectFiles::clickSound()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bandLabel);
    layout->addWidget(m_box);
    layout->addWidget(buttons);
    setMinimumWidth(240);
}

void BandColourDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange)
        ui::fitWidthToTitle(*this);
    QDialog::changeEvent(event);
}

void BandColourDialog::setBand(const QString& band) {
    setWindowTitle(cellEditorTitle(m_title, {band, {}}));
    m_bandLabel->setText(band);
}

void BandColourDialog::setColor(const QColor& color) {
    m_box->setColor(color);
}

QColor BandColourDialog::color() const {
    return m_box->color();
}

void BandColourDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) {
    m_title = tables.text(u"T6");
    setWindowTitle(m_title);
    m_ok->setText(windowText(file, u"Color_Choose", 1));
    m_cancel->setText(windowText(file, u"Color_Choose", 2));
    m_box->setNameLanguage(colorLanguage(language));
}
