#pragma once

namespace ui {

// Whether a graphical session can be reached. Without one a program explains that on the
// terminal and ends, instead of aborting inside the toolkit.
bool displayAvailable();

} // namespace ui
