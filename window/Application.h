#pragma once

#include <QApplication>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zentolk {

// An error raised while an event is handled. It ends the handling of that
// event and is shown in the program's error box; the event loop goes on.
class EAppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The help request for the topic of a context number (the number is 0 where
// no control carries one: the help file's default topic).
inline constexpr std::uint16_t HELP_CONTEXT = 1;

// Sent to every widget when an error box takes the mouse: a widget that
// holds a press (a repeating button) forgets it.
QEvent::Type CancelHoldEvent();

// The error box's text: the message, with "." appended when the message is
// not empty and its last character sorts after ".".
std::string ErrorBoxText(std::string message);

// The application object. Qt does not let exceptions pass through its event
// dispatch, so every event is delivered inside a handler that shows an
// escaping error in the error box, as the program's general error handling.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    // The program's name outside its windows and the error box's caption.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows an error in the error box (stop icon, one OK button), after
    // ending every mouse capture and hold (CancelMouseHolds). A press whose
    // focus change brought up the box is then not delivered, and a repeating
    // button held when it came forgets the hold: one press gives at most one
    // box and nothing after it.
    void ShowException(const std::exception& error);

    // Ends every mouse capture and every hold: the pressed widget gets a
    // release off its area (which ends the implicit grab of the press), spin
    // buttons stop repeating and no button stays drawn pressed. A modal box
    // would otherwise swallow the real release and leave the hold running.
    static void CancelMouseHolds();

    static TApplication* Instance();

    // The application's one help handler. Every help request goes to the
    // handler installed here; it says through callDefault whether the
    // application's own handling should follow, which here does nothing.
    using HelpHandler =
        std::function<bool(std::uint16_t command, std::int32_t data, bool& callDefault)>;
    HelpHandler OnHelp;
    bool HelpCommand(std::uint16_t command, std::int32_t data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string title_;
    int errorBoxes_ = 0;
    // For each mouse press being delivered, the error boxes shown before it.
    std::vector<int> pressesInDelivery_;
};

} // namespace zentolk
