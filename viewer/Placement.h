#pragma once

#include <QRect>
#include <QSize>
#include <optional>

namespace zentolk::viewer {

// Where a new window of `wanted` outer size goes so that it covers none of
// `anchor` (the outer frame of the window it was opened from) within the
// screen's free area: to the right, else to the left, else below, else above,
// shrunk to the room there but never below `smallest`. Empty when no side has
// that much room; the window manager places the window then.
std::optional<QRect> PlaceBeside(const QRect& anchor, const QSize& wanted, const QRect& screen,
                                 const QSize& smallest);

} // namespace zentolk::viewer
