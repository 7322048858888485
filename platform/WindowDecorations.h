#pragma once

class QWidget;

namespace zentolk::platform {

// Asks the window manager for a title bar without buttons or window menu and
// without a title: the window can be moved, and it is left only through its
// own controls. Applied each time the window is shown, before it is mapped.
// Only X11 window managers read such requests; elsewhere nothing happens.
void RequestBareTitleBar(QWidget* window);

} // namespace zentolk::platform
