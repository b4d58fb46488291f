#pragma once

class QWidget;

namespace ui {

// How wide a window must be for its title bar to show the whole title beside the window's icon
// and buttons, but never wider than 90 % of its screen.
int widthForTitle(const QWidget& window);

// Makes a window at least that wide: small dialogs with long titles would otherwise have them cut
// short.
void fitWidthToTitle(QWidget& window);

} // namespace ui
