#pragma once

#include <QApplication>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace zentolk {

// An error raised while an event is handled. It ends the handling of that
// event and is shown in the program's error box; the event loop goes on.
class EAppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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
    // cancelling any mouse capture.
    void ShowException(const std::exception& error) const;

    static TApplication* Instance();

    // The application's one help handler. Every help request goes to the
    // handler installed here; it says through callDefault whether the
    // application's own handling should follow, which here does nothing.
    using HelpHandler =
        std::function<bool(std::uint16_t command, std::int32_t data, bool& callDefault)>;
    HelpHandler OnHelp;
    bool HelpCommand(std::uint16_t command, std::int32_t data);

private:
    std::string title_;
};

} // namespace zentolk
