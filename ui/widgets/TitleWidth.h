#pragma once

class QWidget;

namespace ui {

// Makes a window at least as wide as its title bar needs to show the whole title, beside the
// window's icon and buttons, but never wider than the screen. Small dialogs with long titles
// would otherwise have them cut short.
void fitWidthToTitle(QWidget& window);

} // namespace ui
