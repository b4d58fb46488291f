#include "ui/widgets/ColorBox.h"

#include "common/ColorNames.h"

#include <QPainter>
#include <QPixmap>

namespace ui {
namespace {

QIcon swatch(const QColor& color) {
    QPixmap pixmap(24, 14);
    pixmap.fill(color);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColorBox::ColorBox(QWidget* parent) : QComboBox(parent) {
    setIconSize(QSize(24, 14));
    for (const QString& name : common::colorNames()) {
        const QColor color = *common::colorFromName(name);
        addItem(swatch(color), common::colorDisplayName(name, common::ColorLanguage::English), color);
    }
    connect(this, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT colorChanged(color()); });
}

void ColorBox::setColor(const QColor& color) {
    const std::optional<QString> name = common::nameOfColor(color);
    setCurrentIndex(name ? std::max(0, int(common::colorNames().indexOf(*name))) : 0);
}

QColor ColorBox::color() const {
    return currentData().value<QColor>();
}

void ColorBox::setNameLanguage(common::ColorLanguage language) {
    const QStringList names = common::colorNames();
    for (int i = 0; i < count(); ++i)
        setItemText(i, common::colorDisplayName(names[i], language));
}

} // namespace ui
