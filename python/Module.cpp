// The Python binding: columns of days in, the almanac's table out as NumPy
// arrays. It reads and lays out; every value comes from the engine, every
// column from the almanac's one list of values (cli/AlmanacColumns.h).
#include "cli/AlmanacColumns.h"
#include "cli/TableColumns.h"
#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/Correlation.h"
#include "engine/Epigraphy.h"
#include "engine/Reading.h"
#include "engine/ReadingDay.h"
#include "engine/TextParsing.h"
#include "engine/TextWriters.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace py = pybind11;
using namespace zentolk;
using zentolk::cli::AlmanacFieldSink;
using zentolk::cli::AlmanacNames;

namespace {

// What every call takes besides its days: the keyword arguments, read once.
struct Settings {
    AlmanacInput what = AlmanacInput::Iso;
    Calendar calendar = Calendar::Gregorian;
    std::int64_t correlation = DefaultCorrelation;
    AlmanacNames names;
};

// Wrong arguments are ValueErrors with the messages the command line gives.
[[noreturn]] void refuse(const std::string& message) {
    throw py::value_error(message);
}

std::int64_t correlationOf(const py::handle& value) {
    if (value.is_none())
        return DefaultCorrelation;
    std::string text;
    if (py::isinstance<py::str>(value))
        text = value.cast<std::string>();
    else if (py::isinstance<py::int_>(value) && !py::isinstance<py::bool_>(value))
        text = py::str(value).cast<std::string>();
    else
        throw py::type_error("correlation needs a number or a name");
    std::string error;
    const std::optional<std::int64_t> c = ParseCorrelation(text, error);
    if (!c)
        refuse(error);
    return *c;
}

Settings settingsOf(std::string_view input, bool julian, const py::handle& correlation,
                    std::string_view spelling, std::string_view yearBearer) {
    Settings s;
    if (input == "iso")
        s.what = AlmanacInput::Iso;
    else if (input == "jdn")
        s.what = AlmanacInput::Jdn;
    else if (input == "long-count")
        s.what = AlmanacInput::LongCount;
    else if (input == "mdy")
        s.what = AlmanacInput::Mdy;
    else
        refuse("input needs mdy, iso, jdn or long-count, not " + QuotedText(input));
    s.calendar = julian ? Calendar::Julian : Calendar::Gregorian;
    s.correlation = correlationOf(correlation);
    const std::optional<Spelling> sp = ParseSpelling(spelling);
    if (!sp)
        refuse("spelling needs colonial or modern, not " + QuotedText(spelling));
    const std::optional<YearBearerSystem> yb = ParseYearBearerSystem(yearBearer);
    if (!yb)
        refuse("year_bearer needs classic, campeche or mayapan, not " + QuotedText(yearBearer));
    // A date's rows carry their own "era", as in the command line's table.
    s.names = {*sp, *yb, s.what == AlmanacInput::Mdy ? cli::InputEraKey : "era"};
    return s;
}

// One input column read as texts, whatever NumPy holds them in: str or bytes
// objects, fixed-width str or bytes, integers or floats (written as the
// integer they hold). None and NaN are missing values.
class TextInput {
public:
    explicit TextInput(py::array array) : array_(std::move(array)) {
        if (array_.ndim() != 1)
            throw py::type_error("expected a one-dimensional column of days");
        kind_ = array_.dtype().kind();
        if (std::string_view("OSUiuf").find(kind_) == std::string_view::npos)
            throw py::type_error("cannot read days from an array of dtype " +
                                 py::str(array_.dtype()).cast<std::string>());
        data_ = static_cast<const char*>(array_.data());
        stride_ = array_.strides(0);
        size_ = array_.itemsize();
    }
    py::ssize_t rows() const { return array_.shape(0); }

    // The text of row i, or nothing for a missing value. Valid until the next call.
    std::optional<std::string_view> at(py::ssize_t i) {
        const char* p = data_ + i * stride_;
        switch (kind_) {
        case 'O':
            return object(*reinterpret_cast<PyObject* const*>(p));
        case 'S':
            return std::string_view(p, strnlen(p, std::size_t(size_)));
        case 'U':
            return ucs4(reinterpret_cast<const char32_t*>(p), std::size_t(size_) / 4);
        case 'f': {
            double v;
            std::memcpy(&v, p, sizeof v);
            if (std::isnan(v))
                return std::nullopt;
            return number(v);
        }
        default:
            return integer(p);
        }
    }

private:
    std::optional<std::string_view> object(PyObject* o) {
        if (PyUnicode_Check(o)) {
            Py_ssize_t n;
            const char* s = PyUnicode_AsUTF8AndSize(o, &n);
            if (s == nullptr)
                throw py::error_already_set();
            return std::string_view(s, std::size_t(n));
        }
        if (o == Py_None)
            return std::nullopt;
        if (PyBytes_Check(o))
            return std::string_view(PyBytes_AS_STRING(o), std::size_t(PyBytes_GET_SIZE(o)));
        if (PyFloat_Check(o)) {
            const double v = PyFloat_AS_DOUBLE(o);
            if (std::isnan(v))
                return std::nullopt;
            return number(v);
        }
        // pandas' NA and NaT are missing; anything else is read as Python writes it.
        scratch_ = py::str(py::handle(o)).cast<std::string>();
        if (scratch_ == "<NA>" || scratch_ == "NaT")
            return std::nullopt;
        return scratch_;
    }
    std::string_view ucs4(const char32_t* s, std::size_t n) {
        while (n > 0 && s[n - 1] == 0)
            --n;
        scratch_.clear();
        for (std::size_t k = 0; k < n; ++k) {
            const char32_t c = s[k];
            if (c < 0x80) {
                scratch_ += char(c);
            } else if (c < 0x800) {
                scratch_ += char(0xC0 | (c >> 6));
                scratch_ += char(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                scratch_ += char(0xE0 | (c >> 12));
                scratch_ += char(0x80 | ((c >> 6) & 0x3F));
                scratch_ += char(0x80 | (c & 0x3F));
            } else {
                scratch_ += char(0xF0 | (c >> 18));
                scratch_ += char(0x80 | ((c >> 12) & 0x3F));
                scratch_ += char(0x80 | ((c >> 6) & 0x3F));
                scratch_ += char(0x80 | (c & 0x3F));
            }
        }
        return scratch_;
    }
    std::string_view integer(const char* p) {
        char* end = buffer_;
        switch (size_ * (kind_ == 'u' ? -1 : 1)) {
        case 1:
            end = put<std::int8_t>(p);
            break;
        case 2:
            end = put<std::int16_t>(p);
            break;
        case 4:
            end = put<std::int32_t>(p);
            break;
        case -1:
            end = put<std::uint8_t>(p);
            break;
        case -2:
            end = put<std::uint16_t>(p);
            break;
        case -4:
            end = put<std::uint32_t>(p);
            break;
        case -8:
            end = put<std::uint64_t>(p);
            break;
        default:
            end = put<std::int64_t>(p);
            break;
        }
        return {buffer_, std::size_t(end - buffer_)};
    }
    template <typename Int> char* put(const char* p) {
        Int v;
        std::memcpy(&v, p, sizeof v);
        return std::to_chars(buffer_, buffer_ + sizeof buffer_, v).ptr;
    }
    // A whole number as an integer (a column of day numbers with a gap in
    // it comes as floats), any other as Python writes it.
    std::string_view number(double v) {
        if (v == std::floor(v) && std::fabs(v) < 9e15)
            return {buffer_, std::size_t(std::to_chars(buffer_, buffer_ + sizeof buffer_,
                                                       static_cast<std::int64_t>(v))
                                             .ptr -
                                         buffer_)};
        scratch_ = py::str(py::float_(v)).cast<std::string>();
        return scratch_;
    }

    py::array array_;
    char kind_;
    const char* data_;
    py::ssize_t stride_, size_;
    char buffer_[32];
    std::string scratch_;
};

// An object array of `rows` empty slots on memory NumPy allocates for
// numbers, which it backs with huge pages where the system can; for object
// arrays it takes zeroed memory without them, and on a virtual machine each
// small page costs microseconds on first touch. Such an array does not own
// its items, so the memory's keeper releases them.
py::array objectArray(py::ssize_t rows) {
    struct Keeper {
        py::array_t<std::uintptr_t> memory;
        PyObject** slots() { return reinterpret_cast<PyObject**>(memory.mutable_data()); }
    };
    auto keeper = std::make_unique<Keeper>(Keeper{py::array_t<std::uintptr_t>(rows)});
    PyObject** slots = keeper->slots();
    std::fill_n(slots, rows, nullptr);
    const py::capsule base(keeper.get(), [](void* p) {
        const std::unique_ptr<Keeper> k(static_cast<Keeper*>(p));
        PyObject** s = k->slots();
        for (py::ssize_t i = 0, n = k->memory.size(); i < n; ++i)
            Py_XDECREF(s[i]);
    });
    keeper.release();
    return py::array(py::dtype("O"), std::vector<py::ssize_t>{rows},
                     std::vector<py::ssize_t>{sizeof(PyObject*)}, slots, base);
}

// A str for an engine text. Texts that repeat (names, Calendar Rounds,
// stations) are made once and shared, through a table indexed by the text's
// hash that keeps the last str of each slot; a column whose texts keep
// differing (Long Counts) stops looking them up.
class TextColumn {
public:
    explicit TextColumn(py::ssize_t rows)
        : array_(objectArray(rows)), slots_(static_cast<PyObject**>(array_.mutable_data())),
          // Room for every Calendar Round, but no more than the rows need.
          shared_(std::bit_ceil(std::size_t(std::clamp<py::ssize_t>(rows, 16, 1 << 15)))) {}
    TextColumn(TextColumn&&) = default;
    ~TextColumn() {
        for (const Shared& s : shared_)
            Py_XDECREF(s.text);
    }

    void set(py::ssize_t row, PyObject* owned) {
        PyObject* old = slots_[row];
        slots_[row] = owned;
        Py_XDECREF(old);
    }
    void none(py::ssize_t row) {
        Py_INCREF(Py_None);
        set(row, Py_None);
    }
    // A new reference to the str of text, shared when it repeats.
    PyObject* text(std::string_view v) {
        if (!sharing_ || v.size() > Shared::Room)
            return make(v);
        Shared& slot = shared_[hash(v) & (shared_.size() - 1)];
        if (slot.text != nullptr && slot.size == v.size() &&
            std::memcmp(slot.bytes, v.data(), v.size()) == 0) {
            ++hits_;
            Py_INCREF(slot.text);
            return slot.text;
        }
        PyObject* s = make(v);
        Py_INCREF(s);
        Py_XDECREF(slot.text);
        slot.text = s;
        slot.size = static_cast<unsigned char>(v.size());
        std::memcpy(slot.bytes, v.data(), v.size());
        // Texts that seldom repeat are not worth the look-up.
        if (++lookups_ == TrialLookups && hits_ < TrialLookups / 8)
            sharing_ = false;
        return s;
    }
    py::array& array() { return array_; }

    static PyObject* make(std::string_view v) {
        bool ascii = true;
        for (const char c : v)
            ascii &= static_cast<unsigned char>(c) < 0x80;
        PyObject* s;
        if (ascii) {
            s = PyUnicode_New(Py_ssize_t(v.size()), 127);
            if (s != nullptr)
                std::memcpy(PyUnicode_1BYTE_DATA(s), v.data(), v.size());
        } else {
            s = PyUnicode_DecodeUTF8(v.data(), Py_ssize_t(v.size()), "replace");
        }
        if (s == nullptr)
            throw py::error_already_set();
        return s;
    }

private:
    static constexpr std::size_t TrialLookups = 1 << 16;
    // The text's bytes beside its str, so that a look-up reads one line.
    struct Shared {
        static constexpr std::size_t Room = 23;
        PyObject* text = nullptr;
        unsigned char size = 0;
        char bytes[Room];
    };
    // Eight bytes at a time: the texts are short.
    static std::uint64_t hash(std::string_view v) {
        std::uint64_t h = v.size() * 0x9E3779B97F4A7C15u;
        for (std::size_t i = 0; i < v.size(); i += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, v.data() + i, std::min<std::size_t>(8, v.size() - i));
            h = (h ^ word) * 0xFF51AFD7ED558CCDu;
            h ^= h >> 32;
        }
        return h;
    }

    py::array array_;
    PyObject** slots_;
    std::vector<Shared> shared_;
    std::size_t lookups_ = 0, hits_ = 0;
    bool sharing_ = true;
};

// Day numbers and years are int64: a caller turns them into seconds or
// yyyymmdd keys, which overflow int32 without a word from NumPy (a day
// number times 86,400 always does). The other numbers, a cycle's places and
// counts, stay far inside int32 whatever a caller multiplies them by.
bool isWide(std::string_view column) {
    return column == "jdn" || column == "correlation" || column == "day_count" ||
           column == "gregorian_year" || column == "julian_year";
}

// A number column: int32 (made int64 should a value ever need it), or int64.
class NumberColumn {
public:
    NumberColumn(py::ssize_t rows, bool wide) {
        if (wide)
            wide_ = py::array_t<std::int64_t>(rows);
        else
            data_ = (narrow_ = py::array_t<std::int32_t>(rows)).mutable_data();
    }
    void set(py::ssize_t row, std::int64_t v) {
        if (v == static_cast<std::int32_t>(v)) [[likely]] {
            if (data_ != nullptr)
                data_[row] = static_cast<std::int32_t>(v);
            else
                wide_.mutable_data()[row] = v;
            return;
        }
        widen();
        wide_.mutable_data()[row] = v;
    }
    py::array array() const { return data_ != nullptr ? py::array(narrow_) : py::array(wide_); }

private:
    void widen() {
        if (data_ == nullptr)
            return;
        wide_ = narrow_.attr("astype")("int64");
        data_ = nullptr;
    }
    py::array_t<std::int32_t> narrow_;
    std::int32_t* data_ = nullptr;
    py::array_t<std::int64_t> wide_;
};

// The list's leaves in order, as the sample day names them: a number or a
// text (a value that may be absent is a text, as the correlation's name).
struct Leaf {
    std::string name;
    bool text = false;
};

class LayoutSink final : public AlmanacFieldSink {
public:
    std::vector<Leaf> leaves;
    void number(std::string_view, std::string_view column, std::int64_t) override {
        leaves.push_back({std::string(column), false});
    }
    void text(std::string_view, std::string_view column, std::string_view) override {
        leaves.push_back({std::string(column), true});
    }
    void null(std::string_view, std::string_view column) override {
        leaves.push_back({std::string(column), true});
    }
    void numbers(std::string_view, std::span<const std::string_view> columns,
                 std::span<const std::int64_t>) override {
        for (const std::string_view c : columns)
            leaves.push_back({std::string(c), false});
    }
    void beginObject(std::string_view) override {}
    void endObject() override {}
};

const std::vector<Leaf>& layoutOf(const AlmanacNames& names) {
    static const auto make = [](std::string_view eraKey) {
        LayoutSink sink;
        cli::WriteAlmanacFields(ComputeAlmanac(DefaultCorrelation, DefaultCorrelation), sink,
                                {Spelling::Colonial, YearBearerSystem::Classic, eraKey});
        return sink.leaves;
    };
    static const std::vector<Leaf> plain = make("era"), dated = make(cli::InputEraKey);
    return names.eraKey == cli::InputEraKey ? dated : plain;
}

// Where a value column comes from. Every value is the engine's: a field of
// the day's almanac, a function of its day count, or a text its writers
// make. Other is a value of the list without a fast path here, which is then
// taken from the list row by row.
enum class Source : std::uint8_t {
    Jdn,
    Correlation,
    CorrelationName,
    DayCount,
    GregorianYear,
    GregorianMonth,
    GregorianDay,
    JulianYear,
    JulianMonth,
    JulianDay,
    LongCount,
    Baktun,
    Katun,
    Tun,
    Uinal,
    Kin,
    Pictun,
    TzolkinNumber,
    TzolkinNameIndex,
    TzolkinName,
    HaabDay,
    HaabMonthIndex,
    HaabMonth,
    CalendarRound,
    LordOfTheNight,
    StationLongCount,
    StationCalendarRound,
    StationDaysSince,
    YearBearerSystem,
    YearBearerNumber,
    YearBearerName,
    BaktunPlace,
    Era,
    Inscribed,
    Other,
};

struct Named {
    std::string_view column;
    Source source;
    bool text;
};
constexpr Named Sources[] = {
    {"jdn", Source::Jdn, false},
    {"correlation", Source::Correlation, false},
    {"correlation_name", Source::CorrelationName, true},
    {"day_count", Source::DayCount, false},
    {"gregorian_year", Source::GregorianYear, false},
    {"gregorian_month", Source::GregorianMonth, false},
    {"gregorian_day", Source::GregorianDay, false},
    {"julian_year", Source::JulianYear, false},
    {"julian_month", Source::JulianMonth, false},
    {"julian_day", Source::JulianDay, false},
    {"long_count", Source::LongCount, true},
    {"baktun", Source::Baktun, false},
    {"katun", Source::Katun, false},
    {"tun", Source::Tun, false},
    {"uinal", Source::Uinal, false},
    {"kin", Source::Kin, false},
    {"pictun", Source::Pictun, false},
    {"tzolkin_number", Source::TzolkinNumber, false},
    {"tzolkin_name_index", Source::TzolkinNameIndex, false},
    {"tzolkin_name", Source::TzolkinName, true},
    {"haab_day", Source::HaabDay, false},
    {"haab_month_index", Source::HaabMonthIndex, false},
    {"haab_month", Source::HaabMonth, true},
    {"calendar_round", Source::CalendarRound, true},
    {"lord_of_the_night", Source::LordOfTheNight, false},
    {"station_819_long_count", Source::StationLongCount, true},
    {"station_819_calendar_round", Source::StationCalendarRound, true},
    {"station_819_days_since", Source::StationDaysSince, false},
    {"year_bearer_system", Source::YearBearerSystem, true},
    {"year_bearer_number", Source::YearBearerNumber, false},
    {"year_bearer_name", Source::YearBearerName, true},
    {"baktun_place", Source::BaktunPlace, false},
    {"era", Source::Era, false},
    {cli::InputEraKey, Source::Era, false},
    {"inscribed", Source::Inscribed, true},
};

// A column's source as the list names it; Other when the list's kind of
// value differs from the one known here.
Source sourceOf(const Leaf& leaf) {
    for (const Named& n : Sources)
        if (n.column == leaf.name)
            return n.text == leaf.text ? n.source : Source::Other;
    return Source::Other;
}

// Numbers the keys of a column's texts (a cycle's position, a station's
// day count) in the order they first come. Keys known to lie in 0..direct-1
// are looked up in a plain table.
class Coder {
public:
    explicit Coder(std::size_t direct = 0) : direct_(direct, -1) {}

    std::int32_t code(std::int64_t key) {
        if (!direct_.empty()) {
            std::int32_t& code = direct_[std::size_t(key)];
            if (code < 0) {
                code = static_cast<std::int32_t>(keys_.size());
                keys_.push_back(key);
            }
            return code;
        }
        for (std::size_t i = slotOf(key);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& s = slots_[i];
            if (s.code >= 0 && s.key == key)
                return s.code;
            if (s.code < 0) {
                const auto code = static_cast<std::int32_t>(keys_.size());
                s = {key, code};
                keys_.push_back(key);
                if (2 * keys_.size() > slots_.size())
                    grow();
                return code;
            }
        }
    }
    const std::vector<std::int64_t>& keys() const { return keys_; }

private:
    struct Slot {
        std::int64_t key = 0;
        std::int32_t code = -1;
    };
    std::size_t slotOf(std::int64_t key) const {
        return std::size_t((std::uint64_t(key) * 0x9E3779B97F4A7C15u) >> 32) & (slots_.size() - 1);
    }
    void grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& s : old) {
            if (s.code < 0)
                continue;
            std::size_t i = slotOf(s.key);
            while (slots_[i].code >= 0)
                i = (i + 1) & (slots_.size() - 1);
            slots_[i] = s;
        }
    }

    std::vector<std::int32_t> direct_;
    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::vector<std::int64_t> keys_;
};

// Takes from the list, row by row, only the values without a fast path.
class OtherSink final : public AlmanacFieldSink {
public:
    OtherSink(const std::vector<Leaf>& layout, const std::vector<bool>& wanted, py::ssize_t rows)
        : layout_(layout) {
        for (std::size_t i = 0; i < layout.size(); ++i) {
            slots_.push_back(
                {wanted[i], layout[i].text, layout[i].text ? texts_.size() : numbers_.size()});
            if (!wanted[i])
                continue;
            if (layout[i].text)
                texts_.emplace_back(rows);
            else
                numbers_.emplace_back(rows, isWide(layout[i].name));
        }
    }
    bool any() const { return !texts_.empty() || !numbers_.empty(); }

    void row(py::ssize_t row, const AlmanacDay& a, const AlmanacNames& names) {
        row_ = row;
        leaf_ = 0;
        cli::WriteAlmanacFields(a, *this, names);
        if (leaf_ != slots_.size())
            throw std::logic_error("the almanac's list changed its length within a call");
    }
    // A row without a day: zero numbers, no texts.
    void failedRow(py::ssize_t row) {
        for (const Slot& s : slots_) {
            if (s.wanted && s.text)
                texts_[s.column].none(row);
            else if (s.wanted)
                numbers_[s.column].set(row, 0);
        }
    }

    void number(std::string_view, std::string_view, std::int64_t v) override {
        if (const Slot& s = next(false); s.wanted)
            numbers_[s.column].set(row_, v);
    }
    void text(std::string_view, std::string_view, std::string_view v) override {
        if (const Slot& s = next(true); s.wanted)
            texts_[s.column].set(row_, texts_[s.column].text(v));
    }
    void null(std::string_view, std::string_view) override {
        const Slot& s = next(layout_[leaf_].text);
        if (s.wanted && s.text)
            texts_[s.column].none(row_);
    }
    void numbers(std::string_view, std::span<const std::string_view>,
                 std::span<const std::int64_t> values) override {
        for (const std::int64_t v : values)
            number({}, {}, v);
    }
    void beginObject(std::string_view) override {}
    void endObject() override {}

    py::object array(std::size_t leaf) {
        const Slot& s = slots_[leaf];
        return s.text ? py::object(texts_[s.column].array())
                      : py::object(numbers_[s.column].array());
    }

private:
    struct Slot {
        bool wanted, text;
        std::size_t column; // in numbers_ or texts_
    };
    const Slot& next(bool text) {
        if (leaf_ >= slots_.size() || slots_[leaf_].text != text)
            throw std::logic_error("the almanac's list changed within a call");
        return slots_[leaf_++];
    }

    const std::vector<Leaf>& layout_;
    std::vector<Slot> slots_;
    std::vector<NumberColumn> numbers_;
    std::vector<TextColumn> texts_;
    py::ssize_t row_ = 0;
    std::size_t leaf_ = 0;
};

// A block of rows' days, computed once and read by every column in turn:
// each column's loop is then one kind of value, without a choice per row.
struct Block {
    static constexpr py::ssize_t Size = 256;
    py::ssize_t first = 0, rows = 0;
    bool ok[Size];
    AlmanacDay day[Size];
};

// One value column of the fast path. Numbers are int32. A text that repeats
// (a name, a Calendar Round, a station's Long Count) is made once, and a row
// holds a shared str or a code. The day's own Long Count is a str per row.
class FastColumn {
    enum class Kind { Number, Coded, Strs };

public:
    // With `objects` (a dict's), a repeating text's column is an object
    // array of its shared strs, else (a frame's) its codes and texts.
    FastColumn(Source source, std::string_view column, py::ssize_t rows, const Settings& s,
               bool objects)
        : source_(source), settings_(s), rows_(rows) {
        switch (source) {
        case Source::LongCount:
        case Source::Inscribed:
            kind_ = Kind::Strs;
            objects_ = objectArray(rows);
            slots_ = static_cast<PyObject**>(objects_.mutable_data());
            break;
        case Source::CorrelationName:
        case Source::TzolkinName:
        case Source::HaabMonth:
        case Source::CalendarRound:
        case Source::StationLongCount:
        case Source::StationCalendarRound:
        case Source::YearBearerSystem:
        case Source::YearBearerName:
            kind_ = Kind::Coded;
            if (source != Source::StationLongCount)
                coder_ = Coder(std::size_t(std::max(TzolkinDays * HaabDays, TzolkinSigns + 1)));
            if (objects) {
                objects_ = objectArray(rows);
                slots_ = static_cast<PyObject**>(objects_.mutable_data());
                break;
            }
            codes_ = py::array_t<std::int32_t>(rows);
            data_ = codes_.mutable_data();
            break;
        default:
            kind_ = Kind::Number;
            if (isWide(column)) {
                wide_ = py::array_t<std::int64_t>(rows);
                wideData_ = wide_.mutable_data();
                break;
            }
            codes_ = py::array_t<std::int32_t>(rows);
            data_ = codes_.mutable_data();
        }
    }

    // A column of strs whose equal texts the inscribed count shares.
    void shareWith(const FastColumn& longCount) { longCount_ = &longCount; }

    void fill(const Block& b) {
        const YearBearerSystem system = settings_.names.yearBearer;
        switch (source_) {
        case Source::Jdn:
            return numbers(b, [](const AlmanacDay& a) { return a.jdn; });
        case Source::Correlation:
            return numbers(b, [](const AlmanacDay& a) { return a.correlation; });
        case Source::DayCount:
            return numbers(b, [](const AlmanacDay& a) { return a.dayCount; });
        case Source::GregorianYear:
            return numbers(b, [](const AlmanacDay& a) { return a.gregorian.year; });
        case Source::GregorianMonth:
            return numbers(b, [](const AlmanacDay& a) { return a.gregorian.month; });
        case Source::GregorianDay:
            return numbers(b, [](const AlmanacDay& a) { return a.gregorian.day; });
        case Source::JulianYear:
            return numbers(b, [](const AlmanacDay& a) { return a.julian.year; });
        case Source::JulianMonth:
            return numbers(b, [](const AlmanacDay& a) { return a.julian.month; });
        case Source::JulianDay:
            return numbers(b, [](const AlmanacDay& a) { return a.julian.day; });
        case Source::Baktun:
            return numbers(b,
                           [](const AlmanacDay& a) { return signOf(a) * BaktunsOf(a.longCount); });
        case Source::Katun:
            return numbers(b, [](const AlmanacDay& a) { return signOf(a) * a.longCount.katun; });
        case Source::Tun:
            return numbers(b, [](const AlmanacDay& a) { return signOf(a) * a.longCount.tun; });
        case Source::Uinal:
            return numbers(b, [](const AlmanacDay& a) { return signOf(a) * a.longCount.uinal; });
        case Source::Kin:
            return numbers(b, [](const AlmanacDay& a) { return signOf(a) * a.longCount.kin; });
        case Source::Pictun:
            return numbers(b, [](const AlmanacDay& a) { return signOf(a) * a.longCount.pictun; });
        case Source::BaktunPlace:
            return numbers(b, [](const AlmanacDay& a) { return signOf(a) * a.longCount.baktun; });
        case Source::TzolkinNumber:
            return numbers(b, [](const AlmanacDay& a) { return a.tzolkin.number; });
        case Source::TzolkinNameIndex:
            return numbers(b, [](const AlmanacDay& a) { return a.tzolkin.sign; });
        case Source::HaabDay:
            return numbers(b, [](const AlmanacDay& a) { return a.haab.day; });
        case Source::HaabMonthIndex:
            return numbers(b, [](const AlmanacDay& a) { return a.haab.month; });
        case Source::LordOfTheNight:
            return numbers(b, [](const AlmanacDay& a) { return a.lordOfTheNight; });
        case Source::StationDaysSince:
            return numbers(b, [](const AlmanacDay& a) { return a.dayCount - a.station819; });
        case Source::YearBearerNumber:
            return numbers(b, [system](const AlmanacDay& a) {
                return YearBearerOf(a.dayCount, system).number;
            });
        case Source::Era:
            return numbers(b, [](const AlmanacDay& a) { return InscribedOf(a.dayCount).era; });
        case Source::CorrelationName:
            if (CorrelationName(settings_.correlation).empty())
                return codes(b, [](const AlmanacDay&) { return NoText; });
            return codes(b, [](const AlmanacDay&) { return std::int64_t{0}; });
        case Source::YearBearerSystem:
            return codes(b, [](const AlmanacDay&) { return std::int64_t{0}; });
        case Source::TzolkinName:
            return codes(b, [](const AlmanacDay& a) { return std::int64_t{a.tzolkin.sign}; });
        case Source::HaabMonth:
            return codes(b, [](const AlmanacDay& a) { return std::int64_t{a.haab.month}; });
        case Source::YearBearerName:
            return codes(b, [system](const AlmanacDay& a) {
                return std::int64_t{YearBearerOf(a.dayCount, system).sign};
            });
        case Source::CalendarRound:
            return codes(b, [](const AlmanacDay& a) { return roundKey(a.dayCount); });
        case Source::StationCalendarRound:
            return codes(b, [](const AlmanacDay& a) { return roundKey(a.station819); });
        case Source::StationLongCount:
            return codes(b, [](const AlmanacDay& a) { return a.station819; });
        case Source::LongCount:
            return strs(b,
                        [](char* o, const AlmanacDay& a) { return PutLongCount(o, a.longCount); });
        case Source::Inscribed:
            return strs(b, [](char* o, const AlmanacDay& a) {
                return PutInscribedLongCount(o, a.dayCount, a.longCount);
            });
        case Source::Other:
            break;
        }
        throw std::logic_error("a column without a fast path");
    }

    FastColumn(FastColumn&&) = default;
    ~FastColumn() {
        for (PyObject* text : texts_)
            Py_XDECREF(text);
    }

    // The column: an int32 array, (codes, texts) or shared strs, or a str array.
    py::object finish() {
        switch (kind_) {
        case Kind::Number:
            return wideData_ != nullptr ? py::object(wide_) : py::object(codes_);
        case Kind::Coded:
            if (slots_ != nullptr)
                return objects_;
            return finishCodes();
        case Kind::Strs:
            return objects_;
        }
        return py::none();
    }

private:
    static int signOf(const AlmanacDay& a) { return a.longCount.negative ? -1 : 1; }
    // A Calendar Round by its Tzolkin and Haab positions, one number.
    static std::int64_t roundKey(std::int64_t dayCount) {
        return std::int64_t{TzolkinPosition(dayCount)} * HaabDays + HaabPosition(dayCount);
    }

    template <typename Value> void numbers(const Block& b, Value value) {
        if (wideData_ != nullptr)
            return put(wideData_ + b.first, b, value);
        put(data_ + b.first, b, value);
    }
    template <typename Int, typename Value> static void put(Int* out, const Block& b, Value value) {
        for (py::ssize_t i = 0; i < b.rows; ++i)
            out[i] = b.ok[i] ? static_cast<Int>(value(b.day[i])) : 0;
    }
    // The key NoText is no text, code -1.
    static constexpr std::int64_t NoText = INT64_MIN;
    template <typename Key> void codes(const Block& b, Key key) {
        if (slots_ != nullptr)
            return shared(b, key);
        std::int32_t* out = data_ + b.first;
        for (py::ssize_t i = 0; i < b.rows; ++i) {
            const std::int64_t k = b.ok[i] ? key(b.day[i]) : NoText;
            out[i] = k == NoText ? -1 : coder_.code(k);
        }
    }
    // The same as strs, each made the first time its code comes.
    template <typename Key> void shared(const Block& b, Key key) {
        PyObject** out = slots_ + b.first;
        for (py::ssize_t i = 0; i < b.rows; ++i) {
            const std::int64_t k = b.ok[i] ? key(b.day[i]) : NoText;
            PyObject* text = Py_None;
            if (k != NoText) {
                const auto code = std::size_t(coder_.code(k));
                if (code == texts_.size())
                    texts_.push_back(TextColumn::make(textOf(k)));
                text = texts_[code];
            }
            Py_INCREF(text);
            out[i] = text;
        }
    }
    // A str per row, the Long Count's where the text is the same (the
    // inscribed count of this era's days).
    template <typename Put> void strs(const Block& b, Put put) {
        char text[Room];
        for (py::ssize_t i = 0; i < b.rows; ++i) {
            PyObject*& out = slots_[b.first + i];
            if (!b.ok[i]) {
                Py_INCREF(Py_None);
                out = Py_None;
                continue;
            }
            const std::string_view t(text, std::size_t(put(text, b.day[i]) - text));
            PyObject* same = longCount_ != nullptr ? longCount_->slots_[b.first + i] : nullptr;
            if (same != nullptr && PyUnicode_IS_ASCII(same) &&
                std::size_t(PyUnicode_GET_LENGTH(same)) == t.size() &&
                std::memcmp(PyUnicode_1BYTE_DATA(same), t.data(), t.size()) == 0) {
                Py_INCREF(same);
                out = same;
            } else {
                out = TextColumn::make(t);
            }
        }
    }
    // Room for a text and what its writer may store past it.
    static constexpr std::size_t Room = 128 + WriteSlack;

    // The text of a key, by the engine's writers.
    std::string textOf(std::int64_t key) const {
        const Spelling spelling = settings_.names.spelling;
        char text[128 + WriteSlack];
        char* o = text;
        const auto copy = [&o](std::string_view name) {
            std::memcpy(o, name.data(), name.size());
            o += name.size();
        };
        switch (source_) {
        case Source::CorrelationName:
            copy(CorrelationName(settings_.correlation));
            break;
        case Source::YearBearerSystem:
            copy(YearBearerSystemName(settings_.names.yearBearer));
            break;
        case Source::TzolkinName:
        case Source::YearBearerName:
            o = PutTzolkinSign(o, int(key), spelling);
            break;
        case Source::HaabMonth:
            o = PutHaabMonth(o, int(key), spelling);
            break;
        case Source::CalendarRound:
        case Source::StationCalendarRound:
            o = PutCalendarRoundAt(o, int(key / HaabDays), int(key % HaabDays), spelling);
            break;
        default:
            o = PutLongCount(o, LongCountOf(key));
        }
        return {text, std::size_t(o - text)};
    }

    // The codes renumbered to the texts' sort order (as a column of strs
    // sorts), in the narrowest integers that hold them.
    py::object finishCodes() {
        const std::vector<std::int64_t>& keys = coder_.keys();
        std::vector<std::string> texts;
        texts.reserve(keys.size());
        for (const std::int64_t key : keys)
            texts.push_back(textOf(key));
        std::vector<std::int32_t> order(keys.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = std::int32_t(i);
        std::sort(order.begin(), order.end(),
                  [&texts](std::int32_t a, std::int32_t b) { return texts[a] < texts[b]; });
        std::vector<std::int32_t> renumbered(order.size());
        py::list categories;
        for (std::size_t i = 0; i < order.size(); ++i) {
            renumbered[std::size_t(order[i])] = std::int32_t(i);
            categories.append(py::reinterpret_steal<py::object>(TextColumn::make(texts[order[i]])));
        }
        const auto narrowed = [&]<typename Int>(Int) {
            py::array_t<Int> out(rows_);
            Int* o = out.mutable_data();
            for (py::ssize_t i = 0; i < rows_; ++i)
                o[i] = static_cast<Int>(data_[i] < 0 ? -1 : renumbered[std::size_t(data_[i])]);
            return py::make_tuple(out, categories);
        };
        if (order.size() <= INT8_MAX)
            return narrowed(std::int8_t{});
        if (order.size() <= INT16_MAX)
            return narrowed(std::int16_t{});
        return narrowed(std::int32_t{});
    }

    Source source_;
    Kind kind_;
    const Settings& settings_;
    py::ssize_t rows_;
    py::array_t<std::int32_t> codes_; // numbers, or codes
    std::int32_t* data_ = nullptr;
    py::array_t<std::int64_t> wide_; // day numbers and years
    std::int64_t* wideData_ = nullptr;
    Coder coder_;
    const FastColumn* longCount_ = nullptr;
    py::array objects_; // strs
    PyObject** slots_ = nullptr;
    std::vector<PyObject*> texts_; // by code
};

// The input columns, of one length.
std::vector<TextInput> inputsOf(const std::vector<py::array>& columns) {
    std::vector<TextInput> inputs;
    for (const py::array& c : columns)
        inputs.emplace_back(c);
    for (const TextInput& in : inputs)
        if (in.rows() != inputs[0].rows())
            refuse("the month, day, year and era columns differ in length");
    return inputs;
}

// A row's month, day and year texts, blanks trimmed, and its era, as a
// table reads them; nothing with the row's message when one is missing or
// the era is none.
std::optional<std::int32_t> dateFields(std::vector<TextInput>& inputs, py::ssize_t row,
                                       std::string (&fields)[4], std::string& error) {
    for (std::size_t k = 0; k < 4; ++k) {
        const std::optional<std::string_view> text = inputs[k].at(row);
        if (!text) {
            error = "the value is missing";
            return std::nullopt;
        }
        fields[k] = Trimmed(*text, " \t");
    }
    const std::optional<std::int32_t> era = ParseEra(fields[3]);
    if (!era)
        error =
            "its era " + QuotedText(fields[3]) + " is none of A.D., AD, B.C., BC or an era index";
    return era;
}

// The day of one row, or nothing with the row's message.
std::optional<std::int64_t> dayOf(const Settings& s, std::vector<TextInput>& inputs,
                                  py::ssize_t row, std::string& error) {
    if (s.what != AlmanacInput::Mdy) {
        const std::optional<std::string_view> text = inputs[0].at(row);
        if (!text) {
            error = "the value is missing";
            return std::nullopt;
        }
        switch (s.what) {
        case AlmanacInput::Iso:
            return ParseIsoDay(*text, s.calendar, error);
        case AlmanacInput::Jdn:
            return ParseDayNumber(*text, s.calendar, error);
        default:
            return ParseLongCountDay(*text, s.correlation, s.calendar, error, s.names.spelling);
        }
    }
    std::string fields[4];
    const std::optional<std::int32_t> era = dateFields(inputs, row, fields, error);
    if (!era)
        return std::nullopt;
    CivilDay day;
    const DateTexts date{fields[0], fields[1], fields[2], *era};
    const CivilDayStatus status = CivilDayFromTexts(date, s.calendar, day);
    if (status == CivilDayStatus::Ok)
        return day.jdn;
    error = CivilDayMessage(status, date);
    return std::nullopt;
}

// Which of the list's columns to make: those named, or all.
std::vector<bool> wantedOf(const std::vector<Leaf>& layout, const py::object& names,
                           const Settings& s) {
    std::vector<bool> wanted(layout.size(), names.is_none());
    if (names.is_none())
        return wanted;
    if (py::isinstance<py::str>(names))
        throw py::type_error("columns needs a list of column names, not one name");
    for (const py::handle name : names) {
        if (!py::isinstance<py::str>(name))
            throw py::type_error("columns needs a list of column names");
        const std::string n = name.cast<std::string>();
        const auto leaf =
            std::find_if(layout.begin(), layout.end(), [&n](const Leaf& l) { return l.name == n; });
        if (leaf != layout.end()) {
            wanted[std::size_t(leaf - layout.begin())] = true;
            continue;
        }
        // The inputs, ok and error come in any case.
        const bool dated = s.what == AlmanacInput::Mdy;
        if (n == "ok" || n == "error" || (!dated && n == "input") ||
            (dated && (n == "month" || n == "day" || n == "year" || n == "era")))
            continue;
        refuse("columns: " + QuotedText(n) +
               " is none of the almanac's columns (column_names() lists them)");
    }
    return wanted;
}

// ok, error and the list's columns (those wanted) for the rows of the input
// columns; `throughList` takes every value from the list, as a value without
// a fast path is (for the tests).
py::dict almanacOf(const std::vector<py::array>& columns, const Settings& s,
                   const py::object& names, bool coded, bool throughList) {
    std::vector<TextInput> inputs = inputsOf(columns);
    const py::ssize_t rows = inputs[0].rows();
    const std::vector<Leaf>& layout = layoutOf(s.names);
    const std::vector<bool> wanted = wantedOf(layout, names, s);

    py::array_t<bool> ok(rows);
    bool* okData = ok.mutable_data();
    TextColumn errors(rows);
    std::vector<FastColumn> fast;
    fast.reserve(layout.size());
    std::vector<std::ptrdiff_t> fastIndex(layout.size(), -1);
    std::vector<bool> other(layout.size());
    const FastColumn* longCount = nullptr;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (!wanted[i])
            continue;
        const Source source = throughList ? Source::Other : sourceOf(layout[i]);
        if (source == Source::Other) {
            other[i] = true;
            continue;
        }
        fastIndex[i] = std::ptrdiff_t(fast.size());
        fast.emplace_back(source, layout[i].name, rows, s, !coded);
        if (source == Source::Inscribed && longCount != nullptr)
            fast.back().shareWith(*longCount);
        if (source == Source::LongCount)
            longCount = &fast.back();
    }
    OtherSink others(layout, other, rows);

    const auto block = std::make_unique<Block>();
    Block& b = *block;
    std::string error;
    for (b.first = 0; b.first < rows; b.first += Block::Size) {
        b.rows = std::min(Block::Size, rows - b.first);
        for (py::ssize_t i = 0; i < b.rows; ++i) {
            const py::ssize_t row = b.first + i;
            error.clear();
            const std::optional<std::int64_t> jdn = dayOf(s, inputs, row, error);
            okData[row] = b.ok[i] = jdn.has_value();
            if (!jdn) {
                errors.set(row, TextColumn::make(error));
                if (others.any())
                    others.failedRow(row);
                continue;
            }
            errors.none(row);
            b.day[i] = ComputeAlmanac(*jdn, s.correlation);
            if (others.any())
                others.row(row, b.day[i], s.names);
        }
        for (FastColumn& c : fast)
            c.fill(b);
    }
    py::dict out;
    out["ok"] = ok;
    out["error"] = errors.array();
    for (std::size_t i = 0; i < layout.size(); ++i)
        if (wanted[i])
            out[py::str(layout[i].name)] =
                fastIndex[i] >= 0 ? fast[std::size_t(fastIndex[i])].finish() : others.array(i);
    return out;
}

// ok, error and the calculator's ten readings, named as its table names
// them, for rows of month, day, year and era.
py::dict readingsOf(const std::vector<py::array>& columns, std::string_view separator) {
    if (separator.size() != 1)
        refuse("decimal_separator needs one character");
    if (static_cast<unsigned char>(separator[0]) < 0x20 || separator[0] == 0x7f)
        refuse("the decimal separator cannot be a control character such as a tab or a line "
               "break");
    std::vector<TextInput> inputs = inputsOf(columns);
    const py::ssize_t rows = inputs[0].rows();
    py::array_t<bool> ok(rows);
    TextColumn errors(rows);
    std::vector<TextColumn> texts;
    for (std::size_t i = 0; i < ReadingFieldCount; ++i)
        texts.emplace_back(rows);
    std::string fields[4], error;
    ReadingTexts reading;
    for (py::ssize_t row = 0; row < rows; ++row) {
        std::optional<std::int32_t> era = dateFields(inputs, row, fields, error);
        if (era) {
            const DateTexts date{fields[0], fields[1], fields[2], *era};
            if (const ReadingStatus status = ComputeReadingTexts(date, separator[0], reading);
                status != ReadingStatus::Ok) {
                error = ReadingErrorMessage(status, date);
                era.reset();
            }
        }
        ok.mutable_data()[row] = era.has_value();
        if (!era)
            errors.set(row, TextColumn::make(error));
        else
            errors.none(row);
        for (std::size_t i = 0; i < ReadingFieldCount; ++i) {
            if (era)
                texts[i].set(row, texts[i].text(reading.texts[i].view()));
            else
                texts[i].none(row);
        }
    }
    py::dict out;
    out["ok"] = ok;
    out["error"] = errors.array();
    for (std::size_t i = 0; i < ReadingFieldCount; ++i)
        out[py::str(std::string(cli::TsvReadingNames[i]))] = texts[i].array();
    return out;
}

// A scalar's day: a Long Count or full date, an ISO date, or a day number.
std::int64_t scalarDay(const py::handle& day, const Settings& s) {
    std::string text;
    Settings one = s;
    if (py::isinstance<py::int_>(day) && !py::isinstance<py::bool_>(day)) {
        one.what = AlmanacInput::Jdn;
        text = py::str(day).cast<std::string>();
    } else if (py::isinstance<py::str>(day)) {
        text = day.cast<std::string>();
        one.what = IsLongCountText(text) ? AlmanacInput::LongCount : AlmanacInput::Iso;
    } else {
        throw py::type_error("expected a date YYYY-MM-DD, a Long Count or a day number");
    }
    std::string error;
    std::optional<std::int64_t> jdn;
    if (one.what == AlmanacInput::Jdn)
        jdn = ParseDayNumber(text, s.calendar, error);
    else if (one.what == AlmanacInput::Iso)
        jdn = ParseIsoDay(text, s.calendar, error);
    else
        jdn = ParseLongCountDay(text, s.correlation, s.calendar, error, s.names.spelling);
    if (!jdn)
        refuse(error);
    return *jdn;
}

template <typename Put> std::string written(Put put) {
    char text[128 + WriteSlack];
    return {text, std::size_t(put(text) - text)};
}

constexpr const char* ModuleDoc = R"(The almanac's engine for NumPy arrays.

The functions of the zentolk package call these; see help(zentolk).)";

} // namespace

PYBIND11_MODULE(_zentolk, m) {
    m.doc() = ModuleDoc;
    m.def(
        "almanac_columns",
        [](const std::vector<py::array>& columns, std::string_view input, bool julian,
           const py::object& correlation, std::string_view spelling, std::string_view yearBearer,
           const py::object& names, bool coded, bool throughList) {
            return almanacOf(columns, settingsOf(input, julian, correlation, spelling, yearBearer),
                             names, coded, throughList);
        },
        py::arg("columns"), py::arg("input"), py::arg("julian"), py::arg("correlation"),
        py::arg("spelling"), py::arg("year_bearer"), py::arg("names") = py::none(),
        py::arg("coded") = false, py::arg("through_list") = false,
        "ok, error and the almanac's columns for input columns of one kind of day.");
    m.def("readings", &readingsOf, py::arg("columns"), py::arg("decimal_separator"),
          "ok, error and the calculator's ten readings for month, day, year and era columns.");
    m.def(
        "column_names",
        [](std::string_view input) {
            const Settings s =
                settingsOf(input, false, py::int_(DefaultCorrelation), "colonial", "classic");
            py::list names;
            for (const Leaf& leaf : layoutOf(s.names))
                names.append(leaf.name);
            return names;
        },
        py::arg("input"), "The almanac's value columns, in order, for one kind of input.");
    m.def(
        "day_number",
        [](const py::object& day, bool julian, const py::object& correlation,
           std::string_view spelling) {
            return scalarDay(day, settingsOf("iso", julian, correlation, spelling, "classic"));
        },
        py::arg("day"), py::arg("julian"), py::arg("correlation"), py::arg("spelling"),
        "The Julian Day Number of a date, a Long Count or a day number.");
    m.def(
        "iso_date",
        [](std::int64_t jdn, bool julian) {
            const CivilDate d = JdnToCivil(julian ? Calendar::Julian : Calendar::Gregorian, jdn);
            return written([&](char* o) { return PutIsoDate(o, d); });
        },
        py::arg("jdn"), py::arg("julian"), "A day number's date, written YYYY-MM-DD.");
    m.def(
        "distance_texts",
        [](std::int64_t days) {
            return py::make_tuple(DistanceNumberText(days), InscribedDistanceText(days));
        },
        py::arg("days"), "A distance in days as a Long Count and as inscriptions write it.");
    m.def(
        "match_days",
        [](std::string_view pattern, const py::object& start, const py::object& stop,
           std::int64_t limit, const py::object& correlation, bool julian,
           std::string_view spelling) {
            const Settings s = settingsOf("jdn", julian, correlation, spelling, "classic");
            std::string error;
            std::int64_t bounds[2] = {0, EraDays};
            const py::object given[2] = {start, stop};
            for (int k = 0; k < 2; ++k) {
                if (given[k].is_none())
                    continue;
                const std::optional<std::int64_t> count =
                    ParseInscribedLongCount(given[k].cast<std::string>(), error);
                if (!count)
                    refuse((k == 0 ? "start: " : "stop: ") + error);
                bounds[k] = *count;
            }
            if (bounds[0] > bounds[1])
                refuse("start " + InscribedDayText(bounds[0]) + " comes after stop " +
                       InscribedDayText(bounds[1]));
            if (limit < 1)
                refuse("limit needs a number from 1 on");
            const std::optional<DatePattern> p = ParseDatePattern(pattern, error, s.names.spelling);
            if (!p)
                refuse(error);
            const MatchResult found = MatchPattern(*p, bounds[0], bounds[1], limit);
            py::array_t<std::int64_t> jdns(py::ssize_t(found.days.size()));
            for (std::size_t i = 0; i < found.days.size(); ++i)
                jdns.mutable_data()[i] = found.days[i] + s.correlation;
            return py::make_tuple(jdns, found.total,
                                  InscribedDayText(bounds[0]) + " to " +
                                      InscribedDayText(bounds[1]));
        },
        py::arg("pattern"), py::arg("start"), py::arg("stop"), py::arg("limit"),
        py::arg("correlation"), py::arg("julian"), py::arg("spelling"),
        "The day numbers that fit a damaged date, the count of all, and the range's text.");
}
