#pragma once

class QWidget;

namespace zentolk {

// Keeps a fixed-size top-level window in its normal state whatever the window
// manager or compositor asks: a maximised or full-screen state is undone at
// once, and until it is, the window takes the size it is given (a Wayland
// compositor ends a client whose maximised window keeps a size of its own).
// A dialog that gets minimised is cancelled: nothing would bring it back
// while it blocks the rest of the program.
void KeepNormalState(QWidget* window);

// Centres the window's frame, title bar included, on its screen's available
// area: now, as far as the frame is known, and once more when the window
// manager has framed the window on its first showing.
void CentreOnScreen(QWidget* window);

} // namespace zentolk
