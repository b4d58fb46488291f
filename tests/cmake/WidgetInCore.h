#pragma once

// A core header that reaches for widgets; the core check must refuse it.
#include "menu/reader/DiscEntries.h"
#include "ui/widgets/Backdrop.h"

#include <QString>
#include <QWidget>
