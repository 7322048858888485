#pragma once

#include "Application.h"

#include <QCoreApplication>
#include <exception>

namespace zentolk {

// Runs a widget's own handling of an event and hands an error it raises to
// the application's error handling right here. Letting the error unwind
// through the toolkit's event dispatch instead would skip the toolkit's own
// clean-ups there (it is built without them), leaking the event's copies.
// Outside a TApplication the error goes on as it is.
template <typename Handle> bool HandleReportingErrors(Handle&& handle) {
    try {
        return handle();
    } catch (const std::exception& error) {
        auto* application = dynamic_cast<TApplication*>(QCoreApplication::instance());
        if (application == nullptr)
            throw;
        application->ShowException(error);
        return true;
    }
}

} // namespace zentolk
