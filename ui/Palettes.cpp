#include "ui/Palettes.h"

#include <QApplication>

namespace zentolk {

namespace {
struct Colours {
    QRgb window, text, base, alternateBase, button, light, midlight, mid, dark, shadow, highlight,
        highlightedText, link, linkVisited, disabledText, toolTipBase, placeholder;
};

constexpr Colours LightColours{0xf0f0f0, 0x000000, 0xffffff, 0xf5f5f5, 0xf0f0f0, 0xffffff,
                               0xe3e3e3, 0xa0a0a0, 0xa0a0a0, 0x696969, 0x0058b0, 0xffffff,
                               0x0000ee, 0x551a8b, 0x6d6d6d, 0xffffdc, 0x6d6d6d};
constexpr Colours DarkColours{0x2b2b2b, 0xe6e6e6, 0x1e1e1e, 0x262626, 0x3c3c3c, 0x5a5a5a,
                              0x4a4a4a, 0x2f2f2f, 0x232323, 0x141414, 0x2a5d9f, 0xffffff,
                              0x8ab4f8, 0xc58af9, 0xa8a8a8, 0x3c3c3c, 0xa0a0a0};

QPalette paletteOf(const Colours& c) {
    QPalette p;
    const auto all = [&p](QPalette::ColorRole role, QRgb rgb) { p.setColor(role, QColor(rgb)); };
    all(QPalette::Window, c.window);
    all(QPalette::WindowText, c.text);
    all(QPalette::Base, c.base);
    all(QPalette::AlternateBase, c.alternateBase);
    all(QPalette::Text, c.text);
    all(QPalette::Button, c.button);
    all(QPalette::ButtonText, c.text);
    all(QPalette::BrightText, c.text);
    all(QPalette::Light, c.light);
    all(QPalette::Midlight, c.midlight);
    all(QPalette::Mid, c.mid);
    all(QPalette::Dark, c.dark);
    all(QPalette::Shadow, c.shadow);
    all(QPalette::Highlight, c.highlight);
    all(QPalette::HighlightedText, c.highlightedText);
    all(QPalette::Link, c.link);
    all(QPalette::LinkVisited, c.linkVisited);
    all(QPalette::ToolTipBase, c.toolTipBase);
    all(QPalette::ToolTipText, c.text);
    all(QPalette::PlaceholderText, c.placeholder);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(c.disabledText));
    return p;
}
} // namespace

std::optional<PaletteChoice> ReadPaletteChoice(std::string_view word) {
    if (word == "system")
        return PaletteChoice::System;
    if (word == "light")
        return PaletteChoice::Light;
    if (word == "dark")
        return PaletteChoice::Dark;
    return std::nullopt;
}

QPalette ProgramPalette(PaletteChoice choice) {
    return choice == PaletteChoice::Dark ? paletteOf(DarkColours) : paletteOf(LightColours);
}

void ApplyPalette(PaletteChoice choice) {
    if (choice != PaletteChoice::System)
        QApplication::setPalette(ProgramPalette(choice));
}

} // namespace zentolk
