#pragma once
// What a person sees of a window: whether it fits the screen and whether any caption is cut. Captions
// are the texts of labels, buttons, check boxes, radio buttons and group boxes that are visible.

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QWidget>

namespace windowfit {

inline QString nameOf(const QWidget& w) {
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(w.window()->objectName(),
             w.objectName().isEmpty() ? QString::fromLatin1(w.metaObject()->className()) : w.objectName());
}

inline QString plain(QString text) {
    return text.remove(u'&');
}

// The caption's fault, or nothing when it shows whole.
inline QString captionFault(const QWidget& w) {
    const QRect inside = w.contentsRect();
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        if (!label->wordWrap() && label->sizeHint().width() > label->width() + 1)
            return nameOf(w).arg(label->text()) + QStringLiteral(" is cut: %1 of %2 px wide")
                                                      .arg(label->width())
                                                      .arg(label->sizeHint().width());
        if (needed > label->height() + 1)
            return nameOf(w).arg(label->text()) +
                   QStringLiteral(" is cut: %1 of %2 px high").arg(label->height()).arg(needed);
        return {};
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&w)) {
        if (group->title().isEmpty())
            return {};
        const int needed = group->fontMetrics().horizontalAdvance(plain(group->title()));
        if (needed > inside.width())
            return nameOf(w).arg(group->title()) +
                   QStringLiteral(" title is cut: %1 of %2 px").arg(inside.width()).arg(needed);
        return {};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
        if (button->text().isEmpty())
            return {};
        // Check boxes and radio buttons need their mark beside the text; push buttons their frame.
        const bool marked = qobject_cast<const QCheckBox*>(&w) || qobject_cast<const QRadioButton*>(&w);
        const int needed = marked || qobject_cast<const QPushButton*>(&w)
                               ? button->fontMetrics().horizontalAdvance(plain(button->text())) +
                                     (marked ? button->style()->pixelMetric(QStyle::PM_IndicatorWidth) : 8)
                               : 0;
        if (needed > button->width())
            return nameOf(w).arg(button->text()) +
                   QStringLiteral(" is cut: %1 of %2 px wide").arg(button->width()).arg(needed);
    }
    return {};
}

// Every fault of `window` on a screen of `screen`: a window larger than the screen, and every cut caption.
inline QStringList faults(QWidget& window, const QSize& screen) {
    QStringList out;
    const QSize size = window.size();
    if (size.width() > screen.width() || size.height() > screen.height())
        out << QStringLiteral("%1 is %2 × %3, larger than the screen")
                   .arg(window.objectName())
                   .arg(size.width())
                   .arg(size.height());
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window) || child->window() != &window)
            continue;
        if (QString fault = captionFault(*child); !fault.isEmpty())
            out << fault;
    }
    return out;
}

// Saves the window as `LUMBREL_SHOTS/<object name>-<suffix>.png` when LUMBREL_SHOTS names a folder.
inline void saveShot(QWidget& window, const QString& suffix) {
    const QString folder = qEnvironmentVariable("LUMBREL_SHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window.grab().save(QDir(folder).filePath(window.objectName() + u'-' + suffix + QStringLiteral(".png")));
}

// The faults of `window` and of each of `dialogs`, every one shown in turn on a screen of 1024 × 768,
// and saved as a picture when asked for.
inline QStringList faultsOnASmallScreen(QWidget& window, const QList<QDialog*>& dialogs,
                                        const QString& suffix) {
    const QSize screen(1024, 768);
    QStringList out = faults(window, screen);
    saveShot(window, suffix);
    for (QDialog* dialog : dialogs) {
        dialog->show();
        QApplication::processEvents();
        out += faults(*dialog, screen);
        saveShot(*dialog, suffix);
        dialog->hide();
    }
    return out;
}

} // namespace windowfit
