#pragma once

#include "cli/Table.h"
#include "engine/ReadingDay.h" // ParseEra

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zentolk::cli {

enum class Mode { Today, Date, Batch, Help, Version };

struct Options {
    Mode mode = Mode::Today;
    std::string_view month, day, year;
    std::int32_t era = 0;
    bool crlf = false;
    std::optional<char> decimalSeparator; // the locale's when absent
    // Batch mode: what is read, what is written (by default as read), and
    // whether dates outside their calendar are errors.
    TableInput input = TableInput::Tsv;
    std::optional<TableFormat> format;
    bool strict = false;
};

struct ParseOutcome {
    std::optional<Options> options;
    std::string error; // why the arguments are not usable, when options is empty
};

ParseOutcome ParseArguments(std::span<const std::string_view> args);

extern const char* const UsageText;

} // namespace zentolk::cli
