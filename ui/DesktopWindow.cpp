#include "ui/DesktopWindow.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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
} // namespace

void KeepNormalState(QWidget* window) {
    new NormalStateKeeper(window);
}

void CentreOnScreen(QWidget* window) {
    centreFrame(window);
    if (window->frameGeometry().size() == window->size())
        new FrameCentrer(window);
}

} // namespace zentolk
