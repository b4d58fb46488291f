#include "BandColourDialog.h"

#include "common/ColorNames.h"
#include "language/LanguageTables.h"
#include "language/WindowTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QStringList& colorNames() {
    static const QStringList names = {
        QStringLiteral("clBlack"), QStringLiteral("clMaroon"),  QStringLiteral("clGreen"),
        QStringLiteral("clOlive"), QStringLiteral("clNavy"),    QStringLiteral("clPurple"),
        QStringLiteral("clTeal"),  QStringLiteral("clGray"),    QStringLiteral("clSilver"),
        QStringLiteral("clRed"),   QStringLiteral("clLime"),    QStringLiteral("clYellow"),
        QStringLiteral("clBlue"),  QStringLiteral("clFuchsia"), QStringLiteral("clAqua"),
        QStringLiteral("clWhite"),
    };
    return names;
}

QIcon swatch(const QColor& color) {
    QPixmap pixmap(24, 14);
    pixmap.fill(color);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

BandColourDialog::BandColourDialog(QWidget* parent) : QDialog(parent), m_box(new QComboBox(this)) {
    setObjectName(QStringLiteral("Tcolor_chooseform"));
    setWindowTitle(QStringLiteral("Tavik - Lumbrel - Color"));
    m_box->setObjectName(QStringLiteral("ColorBox"));
    m_box->setIconSize(QSize(24, 14));
    for (const QString& name : colorNames()) {
        const QColor color = *common::colorFromName(name);
        m_box->addItem(swatch(color), name, color);
    }
    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_box);
    layout->addWidget(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(240, 0)));
}

void BandColourDialog::setColor(const QColor& color) {
    const int i = m_box->findData(color);
    m_box->setCurrentIndex(i < 0 ? 0 : i);
}

QColor BandColourDialog::color() const {
    return m_box->currentData().value<QColor>();
}

void BandColourDialog::applyTexts(const common::IniFile& file, const LanguageTables& tables, int language) {
    setWindowTitle(tables.text(u"T6"));
    m_ok->setText(windowText(file, u"Color_Choose", 1));
    m_cancel->setText(windowText(file, u"Color_Choose", 2));
    for (int i = 0; i < m_box->count(); ++i)
        m_box->setItemText(i, language == 1 ? colorNames()[i] : QString());
}
