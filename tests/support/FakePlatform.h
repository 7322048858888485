#pragma once

#include "Platform.h"

#include <string>
#include <vector>

namespace zentolk::testing {

// A platform that records what the program asks of the desktop. Installed
// for its lifetime; message boxes return at once.
class FakePlatform : public platform::Platform {
public:
    struct Message {
        std::string caption;
        std::string text;
        platform::MessageKind kind;
    };

    FakePlatform() : previous_(platform::Install(this)) {}
    ~FakePlatform() override { platform::Install(previous_); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    void Beep() override { ++beeps; }
    void ShowMessage(const std::string& caption, const std::string& text,
                     platform::MessageKind kind) override {
        messages.push_back({caption, text, kind});
    }
    bool ClearClipboard() override {
        if (!clipboardAvailable)
            return false;
        clipboard.clear();
        ++clipboardClears;
        return true;
    }
    bool PutClipboardText(const std::string& text) override {
        if (!clipboardAvailable)
            return false;
        clipboard = text;
        return true;
    }
    void OpenAddress(const std::string& address, std::function<void()> failed) override {
        openedAddresses.push_back(address);
        if (!addressesOpen && failed)
            failed();
    }
    platform::LocalDate Today() override { return today; }
    char DecimalSeparator() override { return decimalSeparator; }

    int beeps = 0;
    std::vector<Message> messages;
    bool clipboardAvailable = true;
    std::string clipboard;
    int clipboardClears = 0;
    std::vector<std::string> openedAddresses;
    bool addressesOpen = true; // false: every address fails to open
    platform::LocalDate today{2024, 6, 15};
    char decimalSeparator = '.';

private:
    platform::Platform* previous_;
};

} // namespace zentolk::testing
