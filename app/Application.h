#pragma once

#include "ui/ProgramServices.h"

#include <QApplication>
#include <vector>

namespace zentolk {

// The application object. Qt does not let exceptions pass through its event
// dispatch, so every event is delivered inside a handler that shows an
// escaping error in the error box, as the program's general error handling.
class TApplication : public QApplication, public ProgramServices {
public:
    TApplication(int& argc, char** argv);

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
