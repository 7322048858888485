#pragma once

namespace zentolk::platform {

// The decimal separator of the C library's current locale ("." when it gives
// none or more than one byte). Qt sets that locale from the environment at
// start-up, so the window's separator and the command line's agree.
char LocaleDecimalSeparator();

} // namespace zentolk::platform
