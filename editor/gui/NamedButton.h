#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A dialog's push button under its control name, so that tests and the language tables find it. It is
// never the dialog's default button: Return belongs to the field being edited.
QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption);
