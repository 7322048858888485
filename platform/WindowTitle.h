#pragma once

class QWindow;

namespace zentolk::platform {

// Leaves a window's title empty as the window manager reads it. The toolkit
// puts the program's name into a title left empty; a dialog meant to have a
// blank title bar calls this each time its native window is about to show.
// Does nothing where the display system is not X11.
void ClearWindowManagerTitle(QWindow& window);

} // namespace zentolk::platform
