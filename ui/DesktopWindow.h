#pragma once

#include <QSize>

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

// Keeps a fixed-size window wholly on its screen's available area at any
// scale. Where the area cannot hold the window and its frame, the window
// takes the size the area leaves and its contents scroll under scroll bars
// of its own, following the focused control; its controls keep their size
// and places. Where it fits, nothing changes.
void FitOnScreen(QWidget* window);

// How a fixed-size window of `natural` client size fits in `room`, the room
// its frame leaves on the screen: its size, with a scroll bar `bar` wide for
// each way that it scrolls; `natural` itself when that fits.
struct FittedWindow {
    QSize size;
    bool scrollsDown = false, scrollsAcross = false;
};
FittedWindow FitWindow(const QSize& natural, const QSize& room, int bar);

} // namespace zentolk
