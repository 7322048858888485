#pragma once

#include "platform/Platform.h"

namespace zentolk::platform {

// The desktop's services through Qt.
class QtPlatform : public Platform {
public:
    void Beep() override;
    void ShowMessage(const std::string& caption, const std::string& text,
                     MessageKind kind) override;
    bool ClearClipboard() override;
    bool PutClipboardText(const std::string& text) override;
    void OpenAddress(const std::string& address, std::function<void()> failed) override;
    LocalDate Today() override;
    char DecimalSeparator() override;
};

} // namespace zentolk::platform
