#pragma once

namespace zentolk::platform {

// Makes SIGTERM, SIGINT and SIGHUP end the event loop as the Exit button
// does, so a session logout or Ctrl+C still closes the windows, the help
// viewer and the log in order. Call once, after the application exists.
void QuitOnTerminationSignals();

} // namespace zentolk::platform
