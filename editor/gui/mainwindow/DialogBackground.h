#pragma once

class QWidget;
class QString;

// The dialog background picture ("Files/MenuBack.bmp"), stretched behind a window's contents.
// Applied at creation when the user wants background pictures; a missing picture leaves the
// window's own colour.
void applyDialogBackground(QWidget* widget, const QString& picture);
