#include "viewer/Placement.h"

#include <algorithm>

namespace zentolk::viewer {

namespace {
constexpr int Gap = 8;
} // namespace

std::optional<QRect> PlaceBeside(const QRect& anchor, const QSize& wanted, const QRect& screen,
                                 const QSize& smallest) {
    if (!screen.isValid() || wanted.isEmpty())
        return std::nullopt;
    // The room on each side, as a rectangle of the screen.
    const int right = anchor.right() + 1 + Gap;
    const int left = anchor.left() - Gap; // one past the room's right edge
    const int below = anchor.bottom() + 1 + Gap;
    const int above = anchor.top() - Gap;
    const QRect rooms[] = {
        QRect(QPoint(right, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(left - 1, screen.bottom())),
        QRect(QPoint(screen.left(), below), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), above - 1)),
    };
    for (int side = 0; side < 4; ++side) {
        const QRect room = rooms[side].intersected(screen);
        if (room.width() < smallest.width() || room.height() < smallest.height())
            continue;
        const QSize size = wanted.boundedTo(room.size());
        QRect placed(QPoint(0, 0), size);
        const bool sideways = side < 2;
        // Level with the anchor where the room allows, against it on its side.
        if (sideways) {
            placed.moveLeft(side == 0 ? room.left() : room.right() + 1 - size.width());
            placed.moveTop(std::clamp(anchor.top(), room.top(), room.bottom() + 1 - size.height()));
        } else {
            placed.moveTop(side == 2 ? room.top() : room.bottom() + 1 - size.height());
            placed.moveLeft(
                std::clamp(anchor.left(), room.left(), room.right() + 1 - size.width()));
        }
        return placed;
    }
    return std::nullopt;
}

} // namespace zentolk::viewer
