#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace zentolk {

// Where a window goes beside another one, both as outer frames.
struct Arrangement {
    QRect window;
    QRect anchor; // the other window, moved aside when that makes room
};

// Places a window of outer size `wanted` (at least `smallest`, shrunk to the
// room down to that) beside `anchor` within `screen`, the screen's available
// area: to the right, left, below or above where there is room; else beside
// it after moving `anchor` sideways just far enough; else, when the screen
// is too small for both, against the screen edge on the side with the most
// room. The window always lies wholly within `screen`.
Arrangement ArrangeBeside(const QRect& anchor, const QSize& wanted, const QSize& smallest,
                          const QRect& screen);

// Places a window asked for from `asking`, a window that belongs to `owner`
// and stands beside it: beside the two without moving either where the
// screen has room, else over `asking` in the part of the screen that
// `owner` leaves free. When no such part holds `smallest`, it goes over
// `asking` alone, as large as that (or `smallest`), on its side of `owner`.
// The window always lies wholly within `screen`.
QRect ArrangeBesidePair(const QRect& owner, const QRect& asking, const QSize& wanted,
                        const QSize& smallest, const QRect& screen);

// Lays the window's contents out in a scroll area that fills it, so that a
// window smaller than its contents (a small screen, a large font) still
// reaches all of them; the contents go on the page returned.
QWidget* ScrollingPage(QWidget* window);

// The size the contents of a window made by ScrollingPage ask for, and the
// least they can be laid out in.
QSize ScrollingPageHint(const QWidget* window);
QSize ScrollingPageMinimum(const QWidget* window);

// Sizes and moves a new top-level window beside `anchor` as ArrangeBeside
// says, `wanted` and `smallest` being sizes of its client area; moves
// `anchor` when that makes room. When `anchor` belongs to a window shown
// beside it (the Almanac beside the calculator), the two are kept in place
// as ArrangeBesidePair says. Once the window manager has framed the
// window, it is moved (and if need be shrunk) wholly onto the screen.
void PlaceBesideWindow(QWidget* window, const QSize& wanted, QWidget* anchor,
                       const QSize& smallest);

// Escape closes the window (a pop-up open in it takes the key first).
void CloseOnEscape(QWidget* window);

} // namespace zentolk
