#pragma once

#include <string>

namespace zentolk::testing {

// The report of 15 June 2024 A.D., byte for byte as it goes on the clipboard.
inline const std::string WorkedExampleReport = "Month:  6\r\n"
                                               "Day:  15\r\n"
                                               "Year:  2024   A.D.\r\n"
                                               "\r\n"
                                               "Great Cycle:  Plus 1\r\n"
                                               "Long Count:  0.0.11.11.14\r\n"
                                               "Elapsed Kin:  4,194  (0.22404%)\r\n"
                                               "Remaining Kin:  1,867,806  (99.77596%)\r\n"
                                               "Cycle Harmonic:  none\r\n"
                                               "\r\n"
                                               "Historical Long Count:  0.13.0.11.11.14\r\n"
                                               "\r\n"
                                               "Tzolkin Day:  12  Ix  (Jaguar)\r\n"
                                               "Week Day:  Saturday\r\n";

} // namespace zentolk::testing
