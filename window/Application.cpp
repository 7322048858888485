#include "Application.h"

#include "Platform.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace zentolk {

namespace {
bool IsPress(const QEvent& event) {
    return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
}
} // namespace

QEvent::Type CancelHoldEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

std::string ErrorBoxText(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(this);
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    const bool press = IsPress(*event) && receiver->isWidgetType();
    if (press)
        pressesInDelivery_.push_back(errorBoxes_);
    bool result = true;
    try {
        result = QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    }
    if (press)
        pressesInDelivery_.pop_back();
    return result;
}

bool TApplication::eventFilter(QObject* watched, QEvent* event) {
    // The toolkit moves the focus on a press before it delivers the press.
    // When leaving the old control brought up an error box, the press is
    // dropped: the box has already ended the hold it would start.
    if (IsPress(*event) && !pressesInDelivery_.empty() &&
        pressesInDelivery_.back() != errorBoxes_) {
        event->accept();
        return true;
    }
    return QApplication::eventFilter(watched, event);
}

void TApplication::CancelMouseHolds() {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    // A release off every widget, delivered as the windows deliver a real
    // one: it reaches the widget that took the press and ends the grab of it.
    Qt::MouseButtons held = QGuiApplication::mouseButtons();
    if (held != Qt::NoButton) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            QWindow* window = top->windowHandle();
            if (window == nullptr || !top->isVisible())
                continue;
            const QPointF off(-1, -1);
            Qt::MouseButtons remaining = held;
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                if (!(remaining & button))
                    continue;
                remaining &= ~button;
                QMouseEvent release(QEvent::MouseButtonRelease, off, off, window->mapToGlobal(off),
                                    button, remaining, QGuiApplication::keyboardModifiers());
                QCoreApplication::sendEvent(window, &release);
            }
        }
    }
    for (QWidget* widget : QApplication::allWidgets()) {
        QEvent cancel(CancelHoldEvent());
        QCoreApplication::sendEvent(widget, &cancel);
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isDown())
            button->setDown(false);
    }
}

void TApplication::ShowException(const std::exception& error) {
    CancelMouseHolds();
    ++errorBoxes_;
    platform::Current().ShowMessage(title_, ErrorBoxText(error.what()),
                                    platform::MessageKind::Error);
}

bool TApplication::HelpCommand(std::uint16_t command, std::int32_t data) {
    bool callDefault = true;
    const bool result = OnHelp ? OnHelp(command, data, callDefault) : false;
    return result; // no help system of its own: the default handling does nothing
}

TApplication* TApplication::Instance() {
    return static_cast<TApplication*>(QCoreApplication::instance());
}

} // namespace zentolk
