#include "editor/gui/mainwindow/DialogBackground.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

void applyDialogBackground(QWidget* widget, const QString& picture) {
    if (!QFileInfo(picture).isFile())
        return;
    const QString url = QDir::fromNativeSeparators(QFileInfo(picture).absoluteFilePath());
    // Scoped to the widget itself so that its children keep their own look.
    widget->setStyleSheet(QStringLiteral("#%1 { border-image: url(\"%2\") 0 0 0 0 stretch stretch; }")
                              .arg(widget->objectName(), url));
}
