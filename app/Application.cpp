#include "app/Application.h"

#include "platform/Os.h"

#include <QtGlobal>
#include <exception>

namespace zentolk {

namespace {
bool IsPress(const QEvent& event) {
    return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
}
} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(this);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    const bool press = IsPress(*event) && receiver->isWidgetType();
    if (press)
        pressesInDelivery_.push_back(errorBoxes_);
    bool result = true;
    try {
        result = QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        qCritical("Unexpected error while handling an event: %s", error.what());
    } catch (...) {
        qCritical("Unexpected error while handling an event");
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

void TApplication::ShowError(const std::string& message) {
    CancelMouseHolds();
    ++errorBoxes_;
    platform::CurrentOs().ShowMessage(Title(), ErrorBoxText(message), platform::MessageKind::Error);
}

} // namespace zentolk
