#pragma once

namespace zentolk {

// The languages the programs speak. English is built in and the default of
// every text writer: the tables and the program's fixed texts never change with
// the user's language.
enum class Language { English, Spanish };

} // namespace zentolk
