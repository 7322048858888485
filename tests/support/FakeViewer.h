#pragma once

#include "FakeOs.h"
#include "viewer/hhctrl.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace zentolk::testing {

// A help viewer library that records the calls it gets, offered to the help
// kit through a fake system under its bare name.
struct ViewerCall {
    void* caller;
    std::string file;
    std::uint32_t command;
    std::uintptr_t data;
};

inline std::vector<ViewerCall> viewerCalls;
inline void* viewerWindow = nullptr; // what the viewer returns

inline void* FakeHtmlHelp(void* caller, const char* file, std::uint32_t command,
                          std::uintptr_t data) {
    viewerCalls.push_back({caller, file != nullptr ? file : "(null)", command, data});
    return viewerWindow;
}

inline void* FakeHtmlHelpW(void*, const char16_t*, std::uint32_t, std::uintptr_t) {
    return nullptr;
}

static_assert(std::is_same_v<decltype(&FakeHtmlHelp), HtmlHelpAFunction>);
static_assert(std::is_same_v<decltype(&FakeHtmlHelpW), HtmlHelpWFunction>);

inline void OfferFakeViewer(FakeOs& system) {
    static int handle;
    system.libraries["libhhctrl.so"] = &handle;
    system.symbols[{&handle, "HtmlHelpA"}] = reinterpret_cast<void*>(&FakeHtmlHelp);
    system.symbols[{&handle, "HtmlHelpW"}] = reinterpret_cast<void*>(&FakeHtmlHelpW);
    viewerCalls.clear();
    viewerWindow = nullptr;
}

} // namespace zentolk::testing
