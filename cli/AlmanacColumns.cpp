#include "cli/AlmanacColumns.h"

#include "cli/Json.h"
#include "cli/RowReader.h"
#include "engine/CalendarRound.h"
#include "engine/Correlation.h"
#include "engine/Epigraphy.h"
#include "engine/LongCount.h"
#include "engine/Names.h"
#include "engine/Periods.h"
#include "engine/TextWriters.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace zentolk::cli {

namespace {
template <typename Sink>
void civilDate(Sink& s, std::string_view key, const CivilDate& d,
               const std::array<std::string_view, 3>& columns) {
    s.beginObject(key);
    s.number("year", columns[0], d.year);
    s.number("month", columns[1], d.month);
    s.number("day", columns[2], d.day);
    s.endObject();
}

class JsonSink final : public AlmanacFieldSink {
public:
    explicit JsonSink(JsonWriter& j) : j_(j) {}
    void number(std::string_view key, std::string_view, std::int64_t v) override {
        j_.key(key).number(v);
    }
    void text(std::string_view key, std::string_view, std::string_view v) override {
        j_.key(key).string(v);
    }
    void null(std::string_view key, std::string_view) override { j_.key(key).null(); }
    void numbers(std::string_view key, std::span<const std::string_view>,
                 std::span<const std::int64_t> values) override {
        j_.key(key).beginArray();
        for (const std::int64_t v : values)
            j_.number(v);
        j_.endArray();
    }
    void beginObject(std::string_view key) override { j_.key(key).beginObject(); }
    void endObject() override { j_.endObject(); }

private:
    JsonWriter& j_;
};

// Collects the column names and the top-level keys.
class ShapeSink final : public AlmanacFieldSink {
public:
    explicit ShapeSink(AlmanacShape& shape) : shape_(shape) {}
    void number(std::string_view key, std::string_view column, std::int64_t) override {
        leaf(key, column);
    }
    void text(std::string_view key, std::string_view column, std::string_view) override {
        leaf(key, column);
    }
    void null(std::string_view key, std::string_view column) override { leaf(key, column); }
    void numbers(std::string_view key, std::span<const std::string_view> columns,
                 std::span<const std::int64_t>) override {
        top(key);
        for (const std::string_view c : columns)
            column(c);
    }
    void beginObject(std::string_view key) override {
        top(key);
        ++depth_;
    }
    void endObject() override { --depth_; }

private:
    void leaf(std::string_view key, std::string_view c) {
        top(key);
        column(c);
    }
    void top(std::string_view key) {
        if (depth_ == 0)
            shape_.jsonNulls.append(",\"").append(key).append("\":null");
    }
    void column(std::string_view c) {
        shape_.csvHeader.append(shape_.columns++ == 0 ? "" : ",").append(c);
    }
    AlmanacShape& shape_;
    int depth_ = 0;
};

// The names the list writes need no csv quoting and no json escaping, so
// neither does a text the engine puts together from them, digits, signs,
// dots and blanks: a sink that writes in place takes such a text unchecked.
constexpr bool PlainNames(std::span<const std::string_view> names) {
    for (const std::string_view name : names)
        for (const char c : name)
            if (c < 0x20 || c >= 0x7f || c == '"' || c == '\\' || c == ',')
                return false;
    return true;
}
static_assert(PlainNames(TzolkinSign) && PlainNames(ModernTzolkinSign) && PlainNames(HaabMonth) &&
              PlainNames(ModernHaabMonth));
static_assert(std::ranges::all_of(NamedCorrelations, [](const NamedCorrelation& c) {
    return PlainNames({&c.name, 1});
}));

// A text the engine's writer `put` writes (at most 64 bytes): in place where
// the sink can, else through a buffer as any text.
template <typename Sink, typename Put>
[[gnu::always_inline]] inline void putText(Sink& s, std::string_view key, std::string_view column,
                                           Put put) {
    if constexpr (requires { s.written(key, column, put); }) {
        s.written(key, column, put);
    } else {
        char text[64 + WriteSlack];
        s.text(key, column, {text, std::size_t(put(text) - text)});
    }
}

// The one list, for the sinks of this file and the virtual one alike.
template <typename Sink>
void forEachValue(const AlmanacDay& a, Sink& s, const AlmanacNames& names) {
    s.number("jdn", "jdn", a.jdn);
    s.number("correlation", "correlation", a.correlation);
    if (const std::string_view name = CorrelationName(a.correlation); name.empty())
        s.null("correlation_name", "correlation_name");
    else
        putText(s, "correlation_name", "correlation_name", [name](char* o) {
            std::memcpy(o, name.data(), name.size());
            return o + name.size();
        });
    s.number("day_count", "day_count", a.dayCount);
    civilDate(s, "gregorian", a.gregorian, {"gregorian_year", "gregorian_month", "gregorian_day"});
    civilDate(s, "julian", a.julian, {"julian_year", "julian_month", "julian_day"});
    const LongCountPlaces& p = a.longCount;
    const int sign = p.negative ? -1 : 1;
    s.beginObject("long_count");
    putText(s, "text", "long_count", [&](char* o) { return PutLongCount(o, p); });
    static constexpr std::string_view Places[] = {"baktun", "katun", "tun", "uinal", "kin"};
    const std::int64_t values[] = {sign * BaktunsOf(p), sign * p.katun, sign * p.tun,
                                   sign * p.uinal, sign * p.kin};
    s.numbers("places", Places, values);
    s.number("pictun", "pictun", sign * p.pictun);
    s.endObject();
    s.beginObject("tzolkin");
    s.number("number", "tzolkin_number", a.tzolkin.number);
    s.number("name_index", "tzolkin_name_index", a.tzolkin.sign);
    putText(s, "name", "tzolkin_name",
            [&](char* o) { return PutTzolkinSign(o, a.tzolkin.sign, names.spelling); });
    s.endObject();
    s.beginObject("haab");
    s.number("day", "haab_day", a.haab.day);
    s.number("month_index", "haab_month_index", a.haab.month);
    putText(s, "month", "haab_month",
            [&](char* o) { return PutHaabMonth(o, a.haab.month, names.spelling); });
    s.endObject();
    const auto round = [&](std::int64_t dayCount) {
        return [&names, dayCount](char* o) {
            return PutCalendarRoundAt(o, TzolkinPosition(dayCount), HaabPosition(dayCount),
                                      names.spelling);
        };
    };
    putText(s, "calendar_round", "calendar_round", round(a.dayCount));
    s.number("lord_of_the_night", "lord_of_the_night", a.lordOfTheNight);
    s.beginObject("station_819");
    putText(s, "long_count", "station_819_long_count",
            [&](char* o) { return PutLongCount(o, LongCountOf(a.station819)); });
    putText(s, "calendar_round", "station_819_calendar_round", round(a.station819));
    s.number("days_since", "station_819_days_since", a.dayCount - a.station819);
    s.endObject();
    const TzolkinDay bearer = YearBearerOf(a.dayCount, names.yearBearer);
    s.beginObject("year_bearer");
    s.text("system", "year_bearer_system", YearBearerSystemName(names.yearBearer));
    s.number("number", "year_bearer_number", bearer.number);
    putText(s, "name", "year_bearer_name",
            [&](char* o) { return PutTzolkinSign(o, bearer.sign, names.spelling); });
    s.endObject();
    // The baktun place alone (0 to 19): `baktun` above counts the pictuns too.
    s.number("baktun_place", "baktun_place", sign * p.baktun);
    s.number(names.eraKey, names.eraKey, InscribedOf(a.dayCount).era);
    putText(s, "inscribed", "inscribed",
            [&](char* o) { return PutInscribedLongCount(o, a.dayCount, p); });
}

// Writes the values straight into a row at a cursor, as ValueWriter of the
// almanac's table appends them: each after a comma, in json with its key.
// Texts that need no quoting or escaping (all the list's, as a rule) are
// copied whole.
template <bool Json> class DirectSink {
    // The bytes a text cannot be copied with as it stands: control bytes,
    // non-ASCII (checked as UTF-8), quotes, and json's backslash or csv's comma.
    static constexpr auto Special = [] {
        std::array<unsigned char, 256> special{};
        for (unsigned c = 0; c < 256; ++c)
            special[c] = c < 0x20 || c >= 0x7f || c == '"' || c == (Json ? '\\' : ',');
        return special;
    }();

public:
    explicit DirectSink(char* o) : o_(o) {}
    char* end() const { return o_; }

    void number(std::string_view key, std::string_view, std::int64_t v) {
        name(key);
        o_ = PutSignedInPlace(o_, v);
    }
    void text(std::string_view key, std::string_view, std::string_view v) {
        name(key);
        unsigned special = 0; // a table, not a test per byte: the tables give millions
        for (const char c : v)
            special |= Special[static_cast<unsigned char>(c)];
        const bool plain = special == 0;
        if (!plain) {
            const auto put = [this](std::string_view piece) { copy(piece); };
            if constexpr (Json)
                WriteJsonString(v, put);
            else
                WriteCsvField(v, put);
            return;
        }
        if constexpr (Json)
            *o_++ = '"';
        copy(v);
        if constexpr (Json)
            *o_++ = '"';
    }
    // A text the engine writes whole, in place: no check and no copy.
    template <typename Put> void written(std::string_view key, std::string_view, Put put) {
        name(key);
        if constexpr (Json)
            *o_++ = '"';
        o_ = put(o_);
        if constexpr (Json)
            *o_++ = '"';
    }
    void null(std::string_view key, std::string_view) {
        name(key);
        if constexpr (Json)
            copy("null");
    }
    void numbers(std::string_view key, std::span<const std::string_view>,
                 std::span<const std::int64_t> values) {
        if constexpr (Json) {
            name(key);
            *o_++ = '[';
            first_ = true;
        }
        for (const std::int64_t v : values)
            number({}, {}, v);
        if constexpr (Json) {
            *o_++ = ']';
            first_ = false;
        }
    }
    void beginObject(std::string_view key) {
        if constexpr (Json) {
            name(key);
            *o_++ = '{';
            first_ = true;
        }
    }
    void endObject() {
        if constexpr (Json)
            *o_++ = '}';
        first_ = false;
    }

private:
    void copy(std::string_view piece) {
        std::memcpy(o_, piece.data(), piece.size());
        o_ += piece.size();
    }
    void name(std::string_view key) {
        if (!first_)
            *o_++ = ',';
        first_ = false;
        if (Json && !key.empty()) { // the list's keys need no escaping
            *o_++ = '"';
            copy(key);
            copy("\":");
        }
    }

    char* o_;
    bool first_ = false;
};
} // namespace

void WriteAlmanacFields(const AlmanacDay& a, AlmanacFieldSink& s, const AlmanacNames& names) {
    forEachValue(a, s, names);
}

// Flattened: the keys then are constants, and so are the sizes of their copies.
[[gnu::flatten]] char* PutAlmanacValues(char* o, bool json, const AlmanacDay& a,
                                        const AlmanacNames& names) {
    if (json) {
        DirectSink<true> sink(o);
        forEachValue(a, sink, names);
        return sink.end();
    }
    DirectSink<false> sink(o);
    forEachValue(a, sink, names);
    return sink.end();
}

std::string AlmanacJsonObject(const AlmanacDay& a, const AlmanacNames& names) {
    JsonWriter j;
    j.beginObject();
    JsonSink sink(j);
    WriteAlmanacFields(a, sink, names);
    // A day's own object only: the tables keep their columns.
    if (const std::optional<Period> p = LargestPeriodEnded(a.dayCount))
        j.key("period_ending").string(PeriodName(*p));
    else
        j.key("period_ending").null();
    const std::int64_t end = KatunEndOf(a.dayCount);
    j.key("katun").beginObject();
    j.key("ajaw").number(AjawNumberOf(end));
    j.key("name").string(AjawDayText(AjawNumberOf(end), names.spelling));
    j.key("long_count").string(LongCountText(LongCountOf(end)));
    j.key("era").number(InscribedOf(end).era);
    j.key("inscribed").string(InscribedText(end));
    j.key("calendar_round").string(CalendarRoundText(end, names.spelling));
    j.key("days_to_end").number(end - a.dayCount);
    j.endObject();
    j.endObject();
    return j.text();
}

const AlmanacShape& AlmanacColumns(std::string_view eraKey) {
    static const auto shapeWith = [](std::string_view key) {
        AlmanacShape s;
        ShapeSink sink(s);
        WriteAlmanacFields(ComputeAlmanac(DefaultCorrelation, DefaultCorrelation), sink,
                           {Spelling::Colonial, YearBearerSystem::Classic, key});
        return s;
    };
    static const AlmanacShape plain = shapeWith("era"), input = shapeWith(InputEraKey);
    return eraKey == InputEraKey ? input : plain;
}

} // namespace zentolk::cli
