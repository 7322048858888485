#pragma once

#include <QEvent>
#include <cstdint>
#include <functional>
#include <string>

namespace zentolk {

// The help request for the topic of a context number (the number is 0 where
// no control carries one: the help file's default topic).
inline constexpr std::uint16_t HELP_CONTEXT = 1;

// Sent to every widget when an error box takes the mouse: a widget that
// holds a press (a repeating button) forgets it.
QEvent::Type CancelHoldEvent();

// Ends every mouse capture and every hold: the pressed widget gets a release
// off its area (which ends the implicit grab of the press), spin buttons stop
// repeating and no button stays drawn pressed. A modal box would otherwise
// swallow the real release and leave the hold running.
void CancelMouseHolds();

// The error box's text: the message, with "." appended when the message is
// not empty and its last character sorts after ".".
std::string ErrorBoxText(std::string message);

// What the windows, the links dialog and the help kit need of the program:
// its title, its error box and its help handler. The application object
// provides them; the widgets reach them through CurrentProgram, so they do
// not depend on the program that hosts them.
class ProgramServices {
public:
    // The program's name outside its windows and the error box's caption.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // Shows a message in the error box (stop icon, one OK button), after
    // ending every mouse capture and hold. A failed outcome, such as a date
    // the engine cannot read, is shown this way; nothing is thrown for it.
    virtual void ShowError(const std::string& message) = 0;

    // The program's one help handler. Every help request goes to the handler
    // installed here; it says through callDefault whether the program's own
    // handling should follow, which here does nothing.
    using HelpHandler =
        std::function<bool(std::uint16_t command, std::int32_t data, bool& callDefault)>;
    HelpHandler OnHelp;
    bool HelpCommand(std::uint16_t command, std::int32_t data);

protected:
    ProgramServices() = default;
    ~ProgramServices() = default;
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

private:
    std::string title_;
};

// The running program's services; nullptr when the application object
// provides none (a bare QApplication in a test).
ProgramServices* CurrentProgram();

// Shows a failed outcome in the program's error box, ending every hold and
// capture, and returns once the box is closed. Without a program that shows
// errors (a bare QApplication) the message goes to the log instead.
void ReportError(const std::string& message);

} // namespace zentolk
