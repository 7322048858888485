#pragma once

#include "engine/AlmanacDay.h"
#include "engine/DayCycles.h"
#include "engine/Names.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zentolk::cli {

// Takes one day's almanac as named values: JSON nests them under their keys,
// a csv row lays them out as columns, each leaf under its column name.
class AlmanacFieldSink {
public:
    virtual void number(std::string_view key, std::string_view column, std::int64_t value) = 0;
    virtual void text(std::string_view key, std::string_view column, std::string_view value) = 0;
    // A value that may be absent (a correlation without a name).
    virtual void null(std::string_view key, std::string_view column) = 0;
    virtual void numbers(std::string_view key, std::span<const std::string_view> columns,
                         std::span<const std::int64_t> values) = 0;
    virtual void beginObject(std::string_view key) = 0;
    virtual void endObject() = 0;

protected:
    ~AlmanacFieldSink() = default;
};

// How the names are written and which day of the year names its bearer;
// the key of the Long Count's era, which a table whose rows carry their
// input's own "era" names otherwise.
struct AlmanacNames {
    Spelling spelling = Spelling::Colonial;
    YearBearerSystem yearBearer = YearBearerSystem::Classic;
    std::string_view eraKey = "era";
};
inline constexpr std::string_view InputEraKey = "inscribed_era";

// The almanac's values in order, the one list behind `almanac --json` and
// the csv and json rows of its table: a new value is added here.
void WriteAlmanacFields(const AlmanacDay& a, AlmanacFieldSink& sink,
                        const AlmanacNames& names = {});

// The same values written at o as a csv row's columns or a json row's
// members, each after a comma, as the almanac's table writes them; returns
// the end. At most AlmanacValuesSize bytes for the list's own texts.
inline constexpr std::size_t AlmanacValuesSize = 2048;
char* PutAlmanacValues(char* o, bool json, const AlmanacDay& a, const AlmanacNames& names);

// `almanac --json`'s object for a day, on one line without its line end.
std::string AlmanacJsonObject(const AlmanacDay& a, const AlmanacNames& names = {});

// The list's csv column names joined by commas, how many there are, and its
// top-level JSON keys each followed by null (a failed row's values).
struct AlmanacShape {
    std::string csvHeader;
    std::size_t columns = 0;
    std::string jsonNulls; // ",\"jdn\":null,..."
};
const AlmanacShape& AlmanacColumns(std::string_view eraKey = "era");

} // namespace zentolk::cli
