// The SQLite extension: the almanac's values as SQL functions. Every value
// comes from the engine, and almanac()'s columns from the almanac's one list
// of values, so a column added there appears here too.
#include "cli/AlmanacColumns.h"
#include "cli/Json.h"
#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/TextParsing.h"
#include "engine/TextWriters.h"
#include "sqlite/DayText.h"

#include <cmath>
#include <cstdint>
#include <new>
#include <optional>
#include <span>
#include <sqlite3ext.h>
#include <string>
#include <string_view>
#include <vector>

SQLITE_EXTENSION_INIT1

namespace zentolk::sqlite {

namespace {

std::string_view textOf(sqlite3_value* v) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(v));
    return text ? std::string_view(text, std::size_t(sqlite3_value_bytes(v))) : std::string_view();
}

// A text as ReadDayText reads it, else a day number.
std::optional<std::int64_t> readDay(sqlite3_value* v, const DayOptions& o, std::string& error) {
    const int type = sqlite3_value_type(v);
    if (type == SQLITE_TEXT)
        return ReadDayText(textOf(v), o, error);
    if (type == SQLITE_BLOB) {
        error = "a blob is no day: give a date YYYY-MM-DD, a day number or a Long Count";
        return std::nullopt;
    }
    // A whole number stored as a real is the day number it holds.
    const double real = sqlite3_value_double(v);
    if (type == SQLITE_FLOAT && !(std::nearbyint(real) == real && std::abs(real) < 1e15)) {
        error = QuotedText(textOf(v)) + " is not a whole day number";
        return std::nullopt;
    }
    const std::int64_t jdn = type == SQLITE_FLOAT ? std::int64_t(real) : sqlite3_value_int64(v);
    if (DayInRange(jdn, o.calendar))
        return jdn;
    error = DayRangeMessage;
    return std::nullopt;
}

bool readCorrelation(sqlite3_value* v, DayOptions& o, std::string& error) {
    if (sqlite3_value_type(v) != SQLITE_BLOB)
        return ReadCorrelationText(textOf(v), o, error);
    error = "a blob is no correlation";
    return false;
}

bool readCalendar(sqlite3_value* v, DayOptions& o, std::string& error) {
    return ReadCalendarText(sqlite3_value_type(v) == SQLITE_TEXT ? textOf(v) : "", o, error);
}

// Reads the options after the first argument; false with an error, or with
// none when one of them is NULL (the result then is NULL).
bool readOptions(int argc, sqlite3_value** argv, DayOptions& o, std::string& error) {
    for (int i = 1; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return false;
    return (argc < 2 || readCorrelation(argv[1], o, error)) &&
           (argc < 3 || readCalendar(argv[2], o, error));
}

// "function(): error", escaped as a JSON string's text, so that it shows the
// input's control bytes and NULs rather than ending at one, and is valid UTF-8
// whatever the input held.
std::string messageOf(std::string_view function, std::string_view error) {
    std::string escaped;
    cli::AppendJsonString(escaped, error);
    return std::string(function) + "(): " + escaped.substr(1, escaped.size() - 2);
}

void reportError(sqlite3_context* ctx, std::string_view function, std::string_view error) {
    const std::string message = messageOf(function, error);
    sqlite3_result_error(ctx, message.data(), int(message.size()));
}

// The day of a call's arguments, its first read by `read`; empty with the
// result set (NULL or an error) when there is none.
using DayReader = std::optional<std::int64_t> (*)(sqlite3_value*, const DayOptions&, std::string&);
std::optional<std::int64_t> dayOfCall(sqlite3_context* ctx, int argc, sqlite3_value** argv,
                                      DayOptions& o, DayReader read = readDay) {
    std::string error;
    std::optional<std::int64_t> jdn;
    if (sqlite3_value_type(argv[0]) != SQLITE_NULL && readOptions(argc, argv, o, error))
        jdn = read(argv[0], o, error);
    if (jdn)
        return jdn;
    if (error.empty())
        sqlite3_result_null(ctx);
    else
        reportError(ctx, static_cast<const char*>(sqlite3_user_data(ctx)), error);
    return std::nullopt;
}

void resultText(sqlite3_context* ctx, const char* text, const char* end) {
    sqlite3_result_text(ctx, text, int(end - text), SQLITE_TRANSIENT);
}

// A scalar function whose value is written by the engine's writer from the
// day count, as the almanac's table writes that column.
template <typename Put>
void textOfDay(sqlite3_context* ctx, int argc, sqlite3_value** argv, Put put) {
    DayOptions o;
    if (const std::optional<std::int64_t> jdn = dayOfCall(ctx, argc, argv, o)) {
        char text[64 + WriteSlack];
        resultText(ctx, text, put(text, DayCountOf(*jdn, o.correlation)));
    }
}

void longCount(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textOfDay(ctx, argc, argv,
              [](char* o, std::int32_t day) { return PutLongCount(o, LongCountOf(day)); });
}

void tzolkin(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textOfDay(ctx, argc, argv,
              [](char* o, std::int32_t day) { return PutTzolkinDayAt(o, TzolkinPosition(day)); });
}

void haab(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textOfDay(ctx, argc, argv,
              [](char* o, std::int32_t day) { return PutHaabDayAt(o, HaabPosition(day)); });
}

void calendarRound(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    textOfDay(ctx, argc, argv, [](char* o, std::int32_t day) {
        return PutCalendarRoundAt(o, TzolkinPosition(day), HaabPosition(day), Spelling::Colonial);
    });
}

void lordOfTheNight(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    DayOptions o;
    if (const std::optional<std::int64_t> jdn = dayOfCall(ctx, argc, argv, o))
        sqlite3_result_int(ctx, LordOfTheNightOf(DayCountOf(*jdn, o.correlation)));
}

void dayNumber(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    DayOptions o;
    if (const std::optional<std::int64_t> jdn = dayOfCall(ctx, argc, argv, o))
        sqlite3_result_int64(ctx, *jdn);
}

// The date, in the calendar asked for, of a Long Count or full date.
void fromLongCount(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    constexpr DayReader longCountOnly = [](sqlite3_value* v, const DayOptions& o,
                                           std::string& error) -> std::optional<std::int64_t> {
        if (const std::string_view text = textOf(v);
            sqlite3_value_type(v) == SQLITE_TEXT && text.size() <= LongestText)
            return ParseLongCountDay(text, o.correlation, o.calendar, error);
        error = "give a Long Count as text, such as '9.12.11.5.18'";
        return std::nullopt;
    };
    DayOptions o;
    if (const std::optional<std::int64_t> jdn = dayOfCall(ctx, argc, argv, o, longCountOnly)) {
        char date[64 + WriteSlack];
        resultText(ctx, date, PutIsoDate(date, JdnToCivil(o.calendar, *jdn)));
    }
}

// almanac(x [, correlation [, calendar]]): one row of the almanac's table.

// A value of the list as SQL holds it.
struct Value {
    int type = SQLITE_NULL;
    std::int64_t number = 0;
    std::string text;
};

// Takes the list's values in order, and at first their column names and types.
class RowSink final : public cli::AlmanacFieldSink {
public:
    std::vector<Value> values;
    std::vector<std::string>* names = nullptr;

    void number(std::string_view, std::string_view column, std::int64_t v) override {
        next(column, SQLITE_INTEGER).number = v;
    }
    void text(std::string_view, std::string_view column, std::string_view v) override {
        next(column, SQLITE_TEXT).text.assign(v);
    }
    void null(std::string_view, std::string_view column) override { next(column, SQLITE_NULL); }
    void numbers(std::string_view, std::span<const std::string_view> columns,
                 std::span<const std::int64_t> numbers) override {
        for (std::size_t i = 0; i < columns.size(); ++i)
            number({}, columns[i], numbers[i]);
    }
    void beginObject(std::string_view) override {}
    void endObject() override {}

    void fill(const AlmanacDay& day) {
        used_ = 0;
        cli::WriteAlmanacFields(day, *this);
        values.resize(used_);
    }

private:
    Value& next(std::string_view column, int type) {
        if (names)
            names->emplace_back(column);
        if (used_ == values.size())
            values.emplace_back();
        Value& v = values[used_++];
        v.type = type;
        return v;
    }
    std::size_t used_ = 0;
};

// The columns: the input, ok and error as the table's csv has them, the
// list's values, then the optional arguments.
struct Columns {
    std::string declaration;
    std::size_t values = 0;
    int input = 0, ok = 1, error = 2, first = 3, correlation = 0, calendar = 0;
};

const Columns& AlmanacColumns() {
    static const Columns columns = [] {
        Columns c;
        std::vector<std::string> names;
        RowSink sink;
        sink.names = &names;
        sink.fill(ComputeAlmanac(DefaultCorrelation, DefaultCorrelation));
        c.values = names.size();
        c.declaration = "CREATE TABLE x(input HIDDEN, ok INTEGER, error TEXT";
        for (std::size_t i = 0; i < names.size(); ++i) {
            const int type = sink.values[i].type;
            c.declaration += ", \"" + names[i] + "\"" +
                             (type == SQLITE_INTEGER ? " INTEGER"
                              : type == SQLITE_TEXT  ? " TEXT"
                                                     : "");
        }
        c.declaration += ", input_correlation HIDDEN, input_calendar HIDDEN)";
        c.correlation = c.first + int(c.values);
        c.calendar = c.correlation + 1;
        return c;
    }();
    return columns;
}

struct Cursor : sqlite3_vtab_cursor {
    RowSink row;
    sqlite3_value* given[3] = {}; // input, correlation, calendar as passed
    bool eof = true;

    void clear() {
        for (sqlite3_value*& v : given) {
            sqlite3_value_free(v);
            v = nullptr;
        }
        eof = true;
    }
};

// No exception may cross into SQLite's C; the only one thrown here is bad_alloc.
template <typename Call> int WithoutExceptions(Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return SQLITE_NOMEM;
    }
}

template <void (*Function)(sqlite3_context*, int, sqlite3_value**)>
void WithoutExceptions(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (WithoutExceptions([&] { return Function(ctx, argc, argv), SQLITE_OK; }) != SQLITE_OK)
        sqlite3_result_error_nomem(ctx);
}

int Connect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** vtab, char**) {
    const int rc = WithoutExceptions(
        [db] { return sqlite3_declare_vtab(db, AlmanacColumns().declaration.c_str()); });
    if (rc != SQLITE_OK)
        return rc;
    sqlite3_vtab_config(db, SQLITE_VTAB_INNOCUOUS);
    *vtab = static_cast<sqlite3_vtab*>(sqlite3_malloc(sizeof(sqlite3_vtab)));
    if (*vtab == nullptr)
        return SQLITE_NOMEM;
    **vtab = {};
    return SQLITE_OK;
}

int Disconnect(sqlite3_vtab* vtab) {
    sqlite3_free(vtab);
    return SQLITE_OK;
}

// The arguments are equality constraints on the hidden columns; idxNum says
// which of them xFilter gets, in order.
int BestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
    const Columns& c = AlmanacColumns();
    int constraintOf[3] = {-1, -1, -1};
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& k = info->aConstraint[i];
        const int arg = k.iColumn == c.input         ? 0
                        : k.iColumn == c.correlation ? 1
                        : k.iColumn == c.calendar    ? 2
                                                     : -1;
        if (arg < 0 || k.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        if (!k.usable)
            return SQLITE_CONSTRAINT; // another plan gives it
        constraintOf[arg] = i;
    }
    int argv = 0;
    info->idxNum = 0;
    for (int arg = 0; arg < 3; ++arg) {
        if (constraintOf[arg] < 0)
            continue;
        info->aConstraintUsage[constraintOf[arg]].argvIndex = ++argv;
        info->aConstraintUsage[constraintOf[arg]].omit = 1;
        info->idxNum |= 1 << arg;
    }
    info->estimatedCost = 1;
    info->estimatedRows = 1;
    info->idxFlags = SQLITE_INDEX_SCAN_UNIQUE;
    return SQLITE_OK;
}

int Open(sqlite3_vtab*, sqlite3_vtab_cursor** cursor) {
    auto* c = new (std::nothrow) Cursor();
    *cursor = c;
    return c ? SQLITE_OK : SQLITE_NOMEM;
}

int Close(sqlite3_vtab_cursor* cursor) {
    auto* c = static_cast<Cursor*>(cursor);
    c->clear();
    delete c;
    return SQLITE_OK;
}

int failFilter(Cursor& c, std::string_view error) {
    sqlite3_free(c.pVtab->zErrMsg);
    c.pVtab->zErrMsg = sqlite3_mprintf("%s", messageOf("almanac", error).c_str());
    return SQLITE_ERROR;
}

int filter(sqlite3_vtab_cursor* cursor, int idxNum, int argc, sqlite3_value** argv) {
    auto& c = *static_cast<Cursor*>(cursor);
    c.clear();
    for (int arg = 0, i = 0; arg < 3 && i < argc; ++arg)
        if (idxNum & (1 << arg))
            c.given[arg] = sqlite3_value_dup(argv[i++]);
    if (c.given[0] == nullptr)
        return failFilter(c, "give a day: almanac(x [, correlation [, calendar]])");
    for (sqlite3_value* v : c.given)
        if (v != nullptr && sqlite3_value_type(v) == SQLITE_NULL)
            return SQLITE_OK; // a NULL argument gives no row
    DayOptions o;
    std::string error;
    if ((c.given[1] && !readCorrelation(c.given[1], o, error)) ||
        (c.given[2] && !readCalendar(c.given[2], o, error)))
        return failFilter(c, error);
    const std::optional<std::int64_t> jdn = readDay(c.given[0], o, error);
    if (!jdn)
        return failFilter(c, error);
    c.row.fill(ComputeAlmanac(*jdn, o.correlation));
    c.eof = false;
    return SQLITE_OK;
}

int Filter(sqlite3_vtab_cursor* cursor, int idxNum, const char*, int argc, sqlite3_value** argv) {
    return WithoutExceptions([=] { return filter(cursor, idxNum, argc, argv); });
}

int Next(sqlite3_vtab_cursor* cursor) {
    static_cast<Cursor*>(cursor)->eof = true;
    return SQLITE_OK;
}

int Eof(sqlite3_vtab_cursor* cursor) {
    return static_cast<Cursor*>(cursor)->eof;
}

int Column(sqlite3_vtab_cursor* cursor, sqlite3_context* ctx, int i) {
    const auto& c = *static_cast<Cursor*>(cursor);
    const Columns& columns = AlmanacColumns();
    if (i == columns.input || i == columns.correlation || i == columns.calendar) {
        sqlite3_value* v = c.given[i == columns.input ? 0 : i == columns.correlation ? 1 : 2];
        if (v)
            sqlite3_result_value(ctx, v);
    } else if (i == columns.ok) {
        sqlite3_result_int(ctx, 1); // a day that cannot be read is an SQL error
    } else if (i >= columns.first && std::size_t(i - columns.first) < c.row.values.size()) {
        const Value& v = c.row.values[std::size_t(i - columns.first)];
        if (v.type == SQLITE_INTEGER)
            sqlite3_result_int64(ctx, v.number);
        else if (v.type == SQLITE_TEXT)
            sqlite3_result_text(ctx, v.text.data(), int(v.text.size()), SQLITE_TRANSIENT);
    }
    return SQLITE_OK;
}

int Rowid(sqlite3_vtab_cursor*, sqlite_int64* rowid) {
    *rowid = 1;
    return SQLITE_OK;
}

sqlite3_module AlmanacModule = [] {
    sqlite3_module m{};
    m.xConnect = Connect;
    m.xBestIndex = BestIndex;
    m.xDisconnect = Disconnect;
    m.xOpen = Open;
    m.xClose = Close;
    m.xFilter = Filter;
    m.xNext = Next;
    m.xEof = Eof;
    m.xColumn = Column;
    m.xRowid = Rowid;
    return m;
}();

struct Scalar {
    const char* name;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
};
constexpr Scalar Scalars[] = {
    {"long_count", WithoutExceptions<longCount>},
    {"tzolkin", WithoutExceptions<tzolkin>},
    {"haab", WithoutExceptions<haab>},
    {"calendar_round", WithoutExceptions<calendarRound>},
    {"lord_of_the_night", WithoutExceptions<lordOfTheNight>},
    {"day_number", WithoutExceptions<dayNumber>},
    {"from_long_count", WithoutExceptions<fromLongCount>},
};
// Each takes the day, then optionally the correlation and the calendar.
constexpr int MostArguments = 3;

} // namespace

} // namespace zentolk::sqlite

// The entry point sqlite3_load_extension derives from the file name zentolk.so.
extern "C" [[gnu::visibility("default")]] int
sqlite3_zentolk_init(sqlite3* db, char**, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    using namespace zentolk::sqlite;
    // Pure functions of their arguments, safe in views, triggers and indexes.
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    for (const Scalar& s : Scalars)
        for (int argc = 1; argc <= MostArguments; ++argc)
            if (const int rc =
                    sqlite3_create_function_v2(db, s.name, argc, flags, const_cast<char*>(s.name),
                                               s.function, nullptr, nullptr, nullptr);
                rc != SQLITE_OK)
                return rc;
    return sqlite3_create_module_v2(db, "almanac", &AlmanacModule, nullptr, nullptr);
}
