#include "Application.h"

#include "Platform.h"

#include <QWidget>

namespace zentolk {

std::string ErrorBoxText(std::string message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    return message;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    }
    return true;
}

void TApplication::ShowException(const std::exception& error) const {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
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
