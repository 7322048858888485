#pragma once

#include "ui/ProgramServices.h"

#include <exception>

namespace zentolk {

// Runs a widget's own handling of an event and hands an error it raises to
// the application's error handling right here. Letting the error unwind
// through the toolkit's event dispatch instead would skip the toolkit's own
// clean-ups there (it is built without them), leaking the event's copies.
// Outside a program that shows errors the error goes on as it is.
template <typename Handle> bool HandleReportingErrors(Handle&& handle) {
    try {
        return handle();
    } catch (const std::exception& error) {
        ProgramServices* program = CurrentProgram();
        if (program == nullptr)
            throw;
        program->ShowException(error);
        return true;
    }
}

} // namespace zentolk
