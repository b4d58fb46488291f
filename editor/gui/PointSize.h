#pragma once

class QWidget;

// Sets the widget's font to SIZE points, at least 1.
void setPointSize(QWidget* widget, int size);
