#include "ui/DesktopWindow.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace zentolk {

namespace {
constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;

class NormalStateKeeper : public QObject {
public:
    explicit NormalStateKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
        watchHandle();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::WinIdChange:
        case QEvent::Show:
            watchHandle();
            break;
        case QEvent::WindowStateChange:
        case QEvent::Resize:
            // Settle after the event: the state may change again inside it.
            QTimer::singleShot(0, this, &NormalStateKeeper::settle);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void watchHandle() {
        QWindow* handle = window_->windowHandle();
        if (handle == nullptr || handle == handle_)
            return;
        handle_ = handle;
        // Emitted as soon as a state is asked for, before the compositor
        // answers: the window must be free to take the answer's size.
        connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (Enlarged.testFlag(state))
                loosen();
            else if (state == Qt::WindowMinimized) {
                // Wayland reports the normal state again at once; remember.
                minimizeAsked_ = true;
                QTimer::singleShot(0, this, &NormalStateKeeper::settle);
            }
        });
    }

    void settle() {
        const Qt::WindowStates state = window_->windowState();
        auto* dialog = qobject_cast<QDialog*>(window_);
        const bool minimized = state.testFlag(Qt::WindowMinimized) || minimizeAsked_;
        minimizeAsked_ = false;
        if (dialog != nullptr && minimized) {
            // Out of the minimised state first, so that it shows normally next
            // time (leaving that state maps a hidden window on X11).
            dialog->setWindowState(state & ~Qt::WindowMinimized);
            if (dialog->isVisible())
                dialog->reject();
            return;
        }
        if (state & Enlarged) {
            loosen();
            window_->setWindowState(state & ~Enlarged);
            return;
        }
        // Back in the normal state: hold the fixed size again once the window
        // has it, never before (shrinking a window that the compositor still
        // has maximised would end the program just the same).
        if (loose_ && window_->size() == window_->minimumSize())
            tighten();
    }

    void loosen() {
        if (handle_ == nullptr || loose_)
            return;
        loose_ = true;
        handle_->setMinimumSize(QSize(0, 0));
        handle_->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    }

    void tighten() {
        loose_ = false;
        handle_->setMinimumSize(window_->minimumSize());
        handle_->setMaximumSize(window_->maximumSize());
    }

    QWidget* window_;
    QPointer<QWindow> handle_;
    bool loose_ = false;
    bool minimizeAsked_ = false;
};

void centreFrame(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return;
    const QSize frame = window->frameGeometry().size();
    window->move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame, screen->availableGeometry())
            .topLeft());
}

// Centres again once the frame is known: a window manager frames a window
// only after it is mapped, so before the first showing the frame is the
// client area alone.
class FrameCentrer : public QObject {
public:
    explicit FrameCentrer(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && window_->isVisible() &&
            (event->type() == QEvent::Move || event->type() == QEvent::Show ||
             event->type() == QEvent::Resize) &&
            window_->frameGeometry().size() != window_->size()) {
            centreFrame(window_);
            deleteLater();
            window_->removeEventFilter(this);
        }
        return false;
    }

private:
    QWidget* window_;
};
// Scrolls a window's own contents, children and all, under two scroll bars
// kept at its right and bottom edges.
class ScreenFitter : public QObject {
public:
    explicit ScreenFitter(QWidget* window)
        : QObject(window), window_(window), natural_(window->minimumSize()) {
        window->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* now) { showFocused(now); });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            if (!settled_)
                watchForFrame();
            fit();
            break;
        case QEvent::Move:
        case QEvent::ScreenChangeInternal:
        case QEvent::WindowActivate:
            fit();
            break;
        case QEvent::Wheel:
            if (vertical_ != nullptr && vertical_->isVisible()) {
                QCoreApplication::sendEvent(vertical_, event);
                return true;
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    // A window manager may frame the window where it stands, which tells
    // the window nothing: look for the frame for a while.
    void watchForFrame() {
        auto* timer = new QTimer(this);
        timer->setInterval(100);
        connect(timer, &QTimer::timeout, this, [this, timer, ticks = 0]() mutable {
            fit();
            if (settled_ || ++ticks >= 30)
                timer->deleteLater();
        });
        timer->start();
    }

    QScrollBar* bar(Qt::Orientation orientation) {
        auto* b = new QScrollBar(orientation, window_);
        b->setObjectName(QStringLiteral("FitScrollBar"));
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QScrollBar::valueChanged, this, [this] { scrollTo(); });
        return b;
    }

    void fit() {
        const QScreen* screen = window_->screen();
        if (screen == nullptr || fitting_)
            return;
        fitting_ = true;
        const QRect area = screen->availableGeometry();
        // The frame as the window system has it now: the widget's own idea
        // of it is not renewed when a window manager frames it in place.
        const QWindow* handle = window_->windowHandle();
        const QMargins margins = handle != nullptr ? handle->frameMargins() : QMargins();
        const QRect frame = window_->geometry().marginsAdded(margins);
        const QSize border = frame.size() - window_->size();
        const int extent = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const FittedWindow fitted = FitWindow(natural_, area.size() - border, extent);
        const QSize size = fitted.size;
        if (size != window_->size()) {
            window_->setFixedSize(size);
            // Centred again, now that the whole frame fits.
            window_->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size + border, area)
                              .topLeft());
        } else if (!settled_) {
            // Framed where it stands, the frame may reach past the area.
            const QPoint at(std::clamp(frame.left(), area.left(),
                                       std::max(area.left(), area.right() + 1 - frame.width())),
                            std::clamp(frame.top(), area.top(),
                                       std::max(area.top(), area.bottom() + 1 - frame.height())));
            if (at != frame.topLeft())
                window_->move(at);
        }
        // Once framed, a move is the user's own.
        settled_ = settled_ || !border.isNull();
        const bool down = fitted.scrollsDown, across = fitted.scrollsAcross;
        if ((down || across) && vertical_ == nullptr) {
            vertical_ = bar(Qt::Vertical);
            horizontal_ = bar(Qt::Horizontal);
        }
        if (vertical_ != nullptr) {
            const QSize view(size.width() - (down ? extent : 0),
                             size.height() - (across ? extent : 0));
            vertical_->setRange(0, std::max(0, natural_.height() - view.height()));
            vertical_->setPageStep(view.height());
            vertical_->setSingleStep(20);
            horizontal_->setRange(0, std::max(0, natural_.width() - view.width()));
            horizontal_->setPageStep(view.width());
            horizontal_->setSingleStep(20);
            vertical_->setVisible(down);
            horizontal_->setVisible(across);
            placeBars();
        }
        fitting_ = false;
    }

    void placeBars() {
        const int extent = window_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize size = window_->size();
        const int belowBar = horizontal_->isVisible() ? extent : 0;
        const int besideBar = vertical_->isVisible() ? extent : 0;
        vertical_->setGeometry(size.width() - extent, 0, extent, size.height() - belowBar);
        horizontal_->setGeometry(0, size.height() - extent, size.width() - besideBar, extent);
        vertical_->raise();
        horizontal_->raise();
    }

    // Moves the contents to the bars' values, then the bars back in place.
    void scrollTo() {
        const QPoint target(horizontal_->isVisible() ? horizontal_->value() : 0,
                            vertical_->isVisible() ? vertical_->value() : 0);
        const QPoint delta = offset_ - target;
        if (delta.isNull())
            return;
        offset_ = target;
        window_->scroll(delta.x(), delta.y());
        placeBars();
    }

    void showFocused(QWidget* now) {
        if (now == nullptr || vertical_ == nullptr || !window_->isAncestorOf(now))
            return;
        const QRect shown(QPoint(0, 0),
                          QSize(vertical_->isVisible() ? vertical_->x() : window_->width(),
                                horizontal_->isVisible() ? horizontal_->y() : window_->height()));
        const QRect control(now->mapTo(window_, QPoint(0, 0)), now->size());
        constexpr int Margin = 6;
        const auto into = [](int start, int length, int viewLength, int value) {
            if (start < Margin)
                return value + start - Margin;
            if (start + length + Margin > viewLength)
                return value + std::min(start - Margin, start + length + Margin - viewLength);
            return value;
        };
        vertical_->setValue(
            into(control.top(), control.height(), shown.height(), vertical_->value()));
        horizontal_->setValue(
            into(control.left(), control.width(), shown.width(), horizontal_->value()));
    }

    QWidget* window_;
    const QSize natural_;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QPoint offset_;
    bool fitting_ = false;
    bool settled_ = false;
};
} // namespace

FittedWindow FitWindow(const QSize& natural, const QSize& room, int bar) {
    if (natural.width() <= room.width() && natural.height() <= room.height())
        return {natural};
    // A bar for one way takes room from the other, which may then need one too.
    bool down = natural.height() > room.height();
    const bool across = natural.width() + (down ? bar : 0) > room.width();
    down = natural.height() + (across ? bar : 0) > room.height();
    const QSize size(std::min(natural.width() + (down ? bar : 0), room.width()),
                     std::min(natural.height() + (across ? bar : 0), room.height()));
    return {size.expandedTo(QSize(1, 1)), down, across};
}

void FitOnScreen(QWidget* window) {
    new ScreenFitter(window);
}

void KeepNormalState(QWidget* window) {
    new NormalStateKeeper(window);
}

void CentreOnScreen(QWidget* window) {
    centreFrame(window);
    if (window->frameGeometry().size() == window->size())
        new FrameCentrer(window);
}

} // namespace zentolk
