#include "ui/ProgramServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <QtGlobal>

namespace zentolk {

QEvent::Type CancelHoldEvent() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

std::string ErrorBoxText(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

void CancelMouseHolds() {
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

bool ProgramServices::HelpCommand(std::uint16_t command, std::int32_t data) {
    bool callDefault = true;
    const bool result = OnHelp ? OnHelp(command, data, callDefault) : false;
    return result; // no help system of its own: the default handling does nothing
}

ProgramServices* CurrentProgram() {
    return dynamic_cast<ProgramServices*>(QCoreApplication::instance());
}

void ReportError(const std::string& message) {
    ProgramServices* program = CurrentProgram();
    if (program == nullptr) {
        qWarning("%s", message.c_str());
        return;
    }
    program->ShowError(message);
}

} // namespace zentolk
