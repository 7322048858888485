#pragma once

#include "ui/ProgramServices.h"

#include <QApplication>
#include <vector>

namespace zentolk {

// The application object: the program's title, error box and help handler.
class TApplication : public QApplication, public ProgramServices {
public:
    TApplication(int& argc, char** argv);

    // Delivers every event. A user error never throws (handlers show it
    // through ShowError), so an exception arriving here is a fault: it is
    // logged, as a last resort, rather than let through the toolkit's dispatch.
    bool notify(QObject* receiver, QEvent* event) override;

    // A press whose focus change brought up the box is then not delivered,
    // and a repeating button held when it came forgets the hold: one press
    // gives at most one box and nothing after it.
    void ShowError(const std::string& message) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int errorBoxes_ = 0;
    // For each mouse press being delivered, the error boxes shown before it.
    std::vector<int> pressesInDelivery_;
};

} // namespace zentolk
