#include "help/KitMessage.h"

#include "ui/ProgramServices.h"

namespace zentolk::help {

int ShowKitMessage(platform::Os& os, const std::string& text, unsigned style) noexcept {
    using platform::MessageKind;
    const unsigned icon = style & 0xF0;
    const MessageKind kind = icon == MbIconHand       ? MessageKind::Error
                             : icon == MbIconAsterisk ? MessageKind::Information
                                                      : MessageKind::Warning;
    try {
        const ProgramServices* program = CurrentProgram();
        const std::string caption = program != nullptr ? program->Title() : std::string();
        os.ShowMessage(caption, text, kind);
    } catch (...) {
        // The kit raises nothing; a box that cannot be shown is simply not seen.
    }
    return IdOk;
}

} // namespace zentolk::help
