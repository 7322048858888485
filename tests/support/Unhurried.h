#pragma once

#include <QTest>
#include <QWidget>

namespace zentolk::testing {

// How long a test waits for what it is owed (a window shown or active, a
// page followed, a child's end): as long as it takes. A loaded machine makes
// a test slower, never wrong; the suite's time limit on each test ends one
// that hangs. A day, not more, as the waiting macros double it in an int.
inline constexpr int Unhurried = 24 * 60 * 60 * 1000;

[[nodiscard]] inline bool WaitActive(QWidget* window) {
    return QTest::qWaitForWindowActive(window, Unhurried);
}
[[nodiscard]] inline bool WaitExposed(QWidget* window) {
    return QTest::qWaitForWindowExposed(window, Unhurried);
}

} // namespace zentolk::testing
