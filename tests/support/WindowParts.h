#pragma once

#include "Unhurried.h"

#include <QTest>
#include <QWidget>
#include <memory>
#include <utility>

namespace zentolk::testing {

// A control of a window by its design name, which is its object name; a
// name the window lacks ends the test run.
template <class Control = QWidget> Control* Part(const QObject& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("No control %s of that kind", name);
    return found;
}

// Makes a window, shows it and waits until it is active, as the program's
// first window is; null when it never becomes active.
template <class Window, class... Args> std::unique_ptr<Window> ShownActive(Args&&... args) {
    auto window = std::make_unique<Window>(std::forward<Args>(args)...);
    window->show();
    window->activateWindow();
    if (!WaitActive(window.get()))
        return nullptr;
    return window;
}

} // namespace zentolk::testing
