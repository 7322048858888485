#include "ui/SideWindow.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace zentolk {

namespace {
constexpr int Gap = 8;

int clampTo(int value, int low, int high) {
    return std::max(low, std::min(value, high));
}

// The window level with the anchor where the screen allows.
QRect sideways(const QRect& anchor, int left, const QSize& size, const QRect& screen) {
    return {QPoint(left, clampTo(anchor.top(), screen.top(), screen.bottom() + 1 - size.height())),
            size};
}
QRect upOrDown(const QRect& anchor, int top, const QSize& size, const QRect& screen) {
    return {QPoint(clampTo(anchor.left(), screen.left(), screen.right() + 1 - size.width()), top),
            size};
}

// Moves a window wholly onto its screen's available area, shrinking it
// where it is larger, as soon as its frame is known and while the window
// manager settles it; a move by the user later on is left alone.
class ScreenKeeper : public QObject {
public:
    explicit ScreenKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || !window_->isVisible())
            return false;
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Show && type != QEvent::Resize)
            return false;
        if (type == QEvent::Show && !shown_.isValid())
            shown_.start();
        if (window_->frameGeometry().size() != window_->size())
            keepOnScreen();
        // A window manager frames and places a window in a few steps.
        if (shown_.isValid() && shown_.elapsed() > 1000) {
            window_->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    void keepOnScreen() {
        const QScreen* screen = window_->screen();
        if (screen == nullptr)
            return;
        const QRect area = screen->availableGeometry();
        const QRect frame = window_->frameGeometry();
        const QSize border = frame.size() - window_->size();
        const QSize outer = frame.size().boundedTo(area.size());
        if (outer != frame.size())
            window_->resize((outer - border).expandedTo(QSize(1, 1)));
        const QPoint at(clampTo(frame.left(), area.left(), area.right() + 1 - outer.width()),
                        clampTo(frame.top(), area.top(), area.bottom() + 1 - outer.height()));
        if (at != frame.topLeft())
            window_->move(at);
    }

    QWidget* window_;
    QElapsedTimer shown_;
};
} // namespace

Arrangement ArrangeBeside(const QRect& anchor, const QSize& wanted, const QSize& smallest,
                          const QRect& screen) {
    const QSize size = wanted.boundedTo(screen.size());
    const QSize least = smallest.boundedTo(size);
    const int right = screen.right() - anchor.right() - Gap; // the room on each side
    const int left = anchor.left() - screen.left() - Gap;
    const int below = screen.bottom() - anchor.bottom() - Gap;
    const int above = anchor.top() - screen.top() - Gap;

    // Beside the anchor at full width where a side has room, else with the
    // anchor moved aside, and only then narrower than the window asks.
    for (const QSize& need : {size, least}) {
        if (right >= need.width()) {
            const QSize s(std::min(size.width(), right), size.height());
            return {sideways(anchor, anchor.right() + 1 + Gap, s, screen), anchor};
        }
        if (left >= need.width()) {
            const QSize s(std::min(size.width(), left), size.height());
            return {sideways(anchor, anchor.left() - Gap - s.width(), s, screen), anchor};
        }
        // No room as things stand: the screen may still hold both side by side.
        const bool rightward = right >= left;
        const int across = screen.width() - anchor.width() - Gap;
        if (across >= need.width()) {
            const QSize s(std::min(size.width(), across), size.height());
            QRect moved = anchor;
            QRect placed;
            if (rightward) {
                placed = sideways(anchor, screen.right() + 1 - s.width(), s, screen);
                moved.moveRight(placed.left() - Gap - 1);
            } else {
                placed = sideways(anchor, screen.left(), s, screen);
                moved.moveLeft(placed.right() + 1 + Gap);
            }
            return {placed, moved};
        }
    }
    if (below >= least.height()) {
        const QSize s(size.width(), std::min(size.height(), below));
        return {upOrDown(anchor, anchor.bottom() + 1 + Gap, s, screen), anchor};
    }
    if (above >= least.height()) {
        const QSize s(size.width(), std::min(size.height(), above));
        return {upOrDown(anchor, anchor.top() - Gap - s.height(), s, screen), anchor};
    }
    const bool rightward = right >= left;
    // Too small for both: over the anchor, from the side with the most room.
    return {sideways(anchor, rightward ? screen.right() + 1 - size.width() : screen.left(), size,
                     screen),
            anchor};
}

QRect ArrangeBesidePair(const QRect& owner, const QRect& asking, const QSize& wanted,
                        const QSize& smallest, const QRect& screen) {
    const QRect pair = owner.united(asking);
    const Arrangement beside = ArrangeBeside(pair, wanted, smallest, screen);
    if (beside.anchor == pair && !beside.window.intersects(pair))
        return beside.window;
    // The parts of the screen beside the owner, on each side of it; the one
    // that holds most of the asking window takes the new one over it.
    const QSize size = wanted.boundedTo(screen.size());
    const QSize least = smallest.boundedTo(size);
    const QRect free[] = {
        QRect(QPoint(owner.right() + 1 + Gap, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(owner.left() - 1 - Gap, screen.bottom())),
        QRect(QPoint(screen.left(), owner.bottom() + 1 + Gap), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), owner.top() - 1 - Gap)),
    };
    QRect room = screen;
    int most = -1;
    for (const QRect& part : free) {
        const QRect shared = part.intersected(asking);
        const int area = shared.isValid() ? shared.width() * shared.height() : 0;
        if (part.width() >= least.width() && part.height() >= least.height() && area > most) {
            most = area;
            room = part;
        }
    }
    if (most < 0) {
        // No side of the owner holds even the smallest window: over the
        // asking window alone, as large as it, on its side of the owner.
        const QSize s = size.boundedTo(asking.size().expandedTo(least));
        const bool rightward = asking.center().x() >= owner.center().x();
        const int left = rightward ? asking.right() + 1 - s.width() : asking.left();
        return {QPoint(clampTo(left, screen.left(), screen.right() + 1 - s.width()),
                       clampTo(asking.top(), screen.top(), screen.bottom() + 1 - s.height())),
                s};
    }
    const QSize s = size.boundedTo(room.size());
    return {QPoint(clampTo(asking.left(), room.left(), room.right() + 1 - s.width()),
                   clampTo(asking.top(), room.top(), room.bottom() + 1 - s.height())),
            s};
}

QWidget* ScrollingPage(QWidget* window) {
    auto* area = new QScrollArea(window);
    area->setObjectName(QStringLiteral("ScrollingPage"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget;
    area->setWidget(page);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return page;
}

namespace {
const QWidget* pageOf(const QWidget* window) {
    const auto* area = window->findChild<QScrollArea*>(QStringLiteral("ScrollingPage"),
                                                       Qt::FindDirectChildrenOnly);
    return area != nullptr && area->widget() != nullptr ? area->widget() : window;
}
} // namespace

QSize ScrollingPageHint(const QWidget* window) {
    return pageOf(window)->sizeHint();
}

QSize ScrollingPageMinimum(const QWidget* window) {
    return pageOf(window)->minimumSizeHint();
}

namespace {
// A window's frame around its client area.
QMargins frameOf(const QWidget* window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The shown window that `window` belongs to, if any.
QWidget* ownerOf(const QWidget* window) {
    QWidget* parent = window != nullptr ? window->parentWidget() : nullptr;
    QWidget* owner = parent != nullptr ? parent->window() : nullptr;
    return owner != nullptr && owner->isVisible() && !owner->isMinimized() ? owner : nullptr;
}
} // namespace

void PlaceBesideWindow(QWidget* window, const QSize& wanted, QWidget* anchor,
                       const QSize& smallest) {
    const QScreen* screen = anchor != nullptr ? anchor->screen() : window->screen();
    if (screen != nullptr && anchor != nullptr) {
        // The new window's frame is not known before it is shown: the
        // anchor's is the best guess.
        const QRect outer = anchor->frameGeometry();
        const QMargins frame = frameOf(anchor);
        const QRect area = screen->availableGeometry();
        const QWidget* owner = ownerOf(anchor);
        const Arrangement placed =
            owner != nullptr
                ? Arrangement{ArrangeBesidePair(owner->frameGeometry(), outer,
                                                wanted.grownBy(frame), smallest.grownBy(frame),
                                                area),
                              outer}
                : ArrangeBeside(outer, wanted.grownBy(frame), smallest.grownBy(frame), area);
        QSize client = placed.window.size().shrunkBy(frame);
        // A page cut short scrolls: give its scroll bar room where the screen has it.
        if (client.height() < wanted.height() && client.width() >= wanted.width()) {
            const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            const int spare = area.right() - placed.window.right();
            client.rwidth() += std::min(bar, std::max(0, spare));
        }
        window->resize(client);
        window->move(placed.window.topLeft());
        if (placed.anchor != outer)
            anchor->move(placed.anchor.topLeft());
    }
    new ScreenKeeper(window);
}

void CloseOnEscape(QWidget* window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

} // namespace zentolk
