#include "ui/widgets/SideBarMenu.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>

namespace ui {
namespace {

const QColor kSideBarTop(16, 32, 96);
const QColor kSideBarBottom(0, 0, 0);

// The widget behind a captioned divider: it only reserves room; the menu paints the divider.
class DividerSpace : public QWidget {
public:
    explicit DividerSpace(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QSize sizeHint() const override {
        const QFontMetrics fm(font());
        return QSize(fm.horizontalAdvance(m_caption) + 40, fm.height() + 6);
    }
    void setCaption(const QString& caption) {
        m_caption = caption;
        updateGeometry();
    }

private:
    QString m_caption;
};

class DividerAction : public QWidgetAction {
public:
    explicit DividerAction(QObject* parent) : QWidgetAction(parent) {}

protected:
    QWidget* createWidget(QWidget* parent) override {
        auto* space = new DividerSpace(parent);
        QFont f = space->font();
        f.setBold(true);
        space->setFont(f);
        space->setCaption(text());
        connect(this, &QAction::changed, space, [this, space] { space->setCaption(text()); });
        return space;
    }
};

} // namespace

SideBarMenu::SideBarMenu(QWidget* parent) : QMenu(parent) {
    setContentsMargins(kSideBarWidth, 0, 0, 0);
}

void SideBarMenu::setSideBarText(const QString& text) {
    m_sideBarText = text;
    update();
}

QAction* SideBarMenu::addCaptionDivider(const QString& caption) {
    auto* action = new DividerAction(this);
    action->setText(caption);
    action->setEnabled(false);
    addAction(action);
    return action;
}

void SideBarMenu::setBackgroundPixmap(const QPixmap& pixmap) {
    m_background = pixmap;
    update();
}

void SideBarMenu::setEntryStyle(const QColor& color, bool bold) {
    m_entryColor = color;
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    update();
}

void SideBarMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    if (m_background.isNull())
        p.fillRect(all, palette().window());
    else
        p.drawTiledPixmap(all, m_background);

    const QColor entry = m_entryColor.isValid() ? m_entryColor : palette().color(QPalette::WindowText);
    const QFontMetrics fm(font());
    for (QAction* action : actions()) {
        if (!action->isVisible())
            continue;
        const QRect r = actionGeometry(action);
        if (r.isEmpty())
            continue;
        if (dynamic_cast<DividerAction*>(action)) {
            QFont bold = font();
            bold.setBold(true);
            p.setFont(bold);
            const QFontMetrics bfm(bold);
            const int textWidth = bfm.horizontalAdvance(action->text());
            const int y = r.center().y();
            p.setPen(entry);
            p.drawText(r.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, action->text());
            p.setPen(QColor(128, 128, 128));
            p.drawLine(r.left() + 12 + textWidth, y, r.right() - 4, y);
            p.setPen(QColor(255, 255, 255));
            p.drawLine(r.left() + 12 + textWidth, y + 1, r.right() - 4, y + 1);
            continue;
        }
        if (action->isSeparator()) {
            const int y = r.center().y();
            p.setPen(QColor(128, 128, 128));
            p.drawLine(r.left() + 4, y, r.right() - 4, y);
            p.setPen(QColor(255, 255, 255));
            p.drawLine(r.left() + 4, y + 1, r.right() - 4, y + 1);
            continue;
        }
        const bool active = action == activeAction() && action->isEnabled();
        if (active) {
            QColor band = palette().color(QPalette::Highlight);
            band.setAlpha(m_background.isNull() ? 255 : 150);
            p.fillRect(r, band);
        }
        QColor color = entry;
        if (!action->isEnabled())
            color = QColor(128, 128, 128);
        else if (active && m_background.isNull())
            color = palette().color(QPalette::HighlightedText);
        p.setFont(font());
        p.setPen(color);
        const int checkWidth = fm.height() + 6;
        if (action->isCheckable() && action->isChecked()) {
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(color);
            p.setPen(Qt::NoPen);
            const int d = fm.height() / 3;
            p.drawEllipse(QPoint(r.left() + checkWidth / 2, r.center().y() + 1), d, d);
            p.restore();
        }
        p.drawText(r.adjusted(checkWidth, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                   action->text());
    }

    // The side bar along the left edge, its caption read from the bottom upwards.
    const QRect bar(0, 0, kSideBarWidth, height());
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, kSideBarTop);
    g.setColorAt(1, kSideBarBottom);
    p.fillRect(bar, g);
    if (!m_sideBarText.isEmpty()) {
        QFont f = font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.15);
        p.setFont(f);
        p.setPen(Qt::white);
        p.save();
        p.translate(bar.left(), bar.bottom());
        p.rotate(-90);
        p.drawText(QRect(6, 0, bar.height() - 12, bar.width()), Qt::AlignLeft | Qt::AlignVCenter,
                   m_sideBarText);
        p.restore();
    }
    p.setPen(QColor(128, 128, 128));
    p.drawRect(all.adjusted(0, 0, -1, -1));
}

} // namespace ui
