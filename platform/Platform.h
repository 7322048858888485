#pragma once

#include "platform/LocalDate.h"

#include <functional>
#include <string>

namespace zentolk::platform {

enum class MessageKind { Error, Warning, Information };

// The program's one road to the operating system's services. The real
// implementation talks to the desktop; tests install fakes (a busy clipboard,
// a beep counter) through Install.
class Platform {
public:
    virtual ~Platform() = default;

    // The default beep.
    virtual void Beep() = 0;

    // A modal message box with one OK button, centred, blocking the program's
    // other windows until it is closed.
    virtual void ShowMessage(const std::string& caption, const std::string& text,
                             MessageKind kind) = 0;

    // Removes everything from the clipboard; false when it cannot be opened.
    virtual bool ClearClipboard() = 0;
    // Puts plain text on the clipboard, every byte as given (CR LF kept);
    // false when it cannot be opened.
    virtual bool PutClipboardText(const std::string& text) = 0;

    // Hands an address to the desktop's default handler and returns at once,
    // without waiting for a browser. `failed` runs later, on the user-interface
    // thread, when the handler cannot be started or reports a failure.
    virtual void OpenAddress(const std::string& address, std::function<void()> failed) = 0;

    virtual LocalDate Today() = 0;
    // The user's decimal separator, one character.
    virtual char DecimalSeparator() = 0;
};

// The platform in use: the real one unless a test installed another.
Platform& Current();
// Installs a platform (not owned) and returns the previous one; nullptr
// brings back the real platform.
Platform* Install(Platform* platform);

} // namespace zentolk::platform
