#pragma once

// The engine's texts written at a cursor: each writer puts its text at `o`
// and returns the end. Names and digit groups are copied as whole blocks of a
// fixed size from padded tables, and the cursor then advanced by the true
// length (a copy of a variable length costs more than the rest of a text's
// work), so a writer may store up to WriteSlack bytes past the end it
// returns: callers keep that much room.
//
// A writer of words takes the language last; without it, English: the tables
// and the program's fixed texts never pass another.
#include "CivilCalendar.h"
#include "DayCycles.h"
#include "GreatCycle.h"
#include "LongCount.h"
#include "Names.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zentolk {

inline constexpr std::size_t WriteSlack = 32;

namespace detail {
struct DigitTables {
    char pairs[200]{};    // "00" to "99"
    char dotted[20][4]{}; // ".0" to ".19"
    std::uint8_t dottedSize[20]{};

    constexpr DigitTables() {
        for (int i = 0; i < 100; ++i) {
            pairs[2 * i] = static_cast<char>('0' + i / 10);
            pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
        for (int i = 0; i < 20; ++i) {
            dotted[i][0] = '.';
            dotted[i][1] = static_cast<char>(i < 10 ? '0' + i : '1');
            dotted[i][2] = static_cast<char>(i < 10 ? 0 : '0' + i - 10);
            dottedSize[i] = static_cast<std::uint8_t>(i < 10 ? 2 : 3);
        }
    }
};
inline constexpr DigitTables Digits;

template <std::size_t Width> struct PaddedName {
    char text[Width]{};
    std::uint8_t size = 0;
};

template <std::size_t Width, std::size_t N>
constexpr std::array<PaddedName<Width>, N> padded(const std::array<std::string_view, N>& names) {
    std::array<PaddedName<Width>, N> table{};
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t c = 0; c < names[i].size(); ++c)
            table[i].text[c] = names[i][c];
        table[i].size = static_cast<std::uint8_t>(names[i].size());
    }
    return table;
}
inline constexpr auto PaddedWeekNames = padded<16>(WeekN);
inline constexpr auto SpanishPaddedWeekNames = padded<16>(SpanishWeekN);
inline constexpr auto PaddedSigns = padded<16>(TzolkinSign);
inline constexpr auto PaddedHaabMonths = padded<8>(HaabMonth);
inline constexpr auto ModernPaddedSigns = padded<16>(ModernTzolkinSign);
inline constexpr auto ModernPaddedHaabMonths = padded<8>(ModernHaabMonth);

template <std::size_t Width> char* put(char* o, const PaddedName<Width>& name) {
    std::memcpy(o, name.text, Width);
    return o + name.size;
}

// Without a loop or a branch: numbers of mixed lengths would mispredict them.
inline int digitCount(std::uint32_t v) {
    static constexpr std::uint32_t Powers[] = {1,      10,      100,      1000,      10000,
                                               100000, 1000000, 10000000, 100000000, 1000000000};
    const int estimate = ((32 - __builtin_clz(v | 1)) * 1233) >> 12; // log10 of 2^bits
    return estimate + ((v | 1) >= Powers[estimate] ? 1 : 0);
}

// Writes the digits of v so that the last one lands just before `end`.
inline void digitsBefore(char* end, std::uint32_t v) {
    for (; v >= 100; v /= 100) {
        end -= 2;
        std::memcpy(end, Digits.pairs + 2 * (v % 100), 2);
    }
    if (v >= 10)
        std::memcpy(end - 2, Digits.pairs + 2 * v, 2);
    else
        end[-1] = static_cast<char>('0' + v);
}

inline char* putThree(char* o, std::uint32_t v) {
    *o = static_cast<char>('0' + v / 100);
    std::memcpy(o + 1, Digits.pairs + 2 * (v % 100), 2);
    return o + 3;
}
} // namespace detail

namespace detail {
// The eight decimal digits of v (below 100,000,000), leading zeros kept, as
// the bytes of a word from its lowest up: the first digit is the lowest byte.
inline std::uint64_t eightDigits(std::uint32_t v) {
    static_assert(std::endian::native == std::endian::little);
    // Split in lanes of one word, each step halving every lane at once: two
    // lanes of four digits, four of two, eight of one. A lane's quotient by
    // 100 (or 10) is a multiplication and a shift, exact for the lane's
    // values; the remainder goes to the upper half of the lane, so that the
    // leading digits come first.
    const std::uint64_t fours = v / 10000 | std::uint64_t{v % 10000} << 32;
    const std::uint64_t hundreds = ((fours * 10486) >> 20) & 0x0000007F0000007F; // x / 100
    const std::uint64_t twos = (fours << 16) + hundreds * (1 - (std::uint64_t{100} << 16));
    const std::uint64_t tens = ((twos * 103) >> 10) & 0x000F000F000F000F; // x / 10
    const std::uint64_t ones = (twos << 8) + tens * (1 - (std::uint64_t{10} << 8));
    return ones | 0x3030303030303030;
}

// Three digits and more: kept out of line, so the writers of the short
// numbers that make up most of a reading stay small where they are inlined.
[[gnu::noinline]] inline char* putLarge(char* o, std::uint32_t v) {
    if (v >= 10000 && v < 100000000) {
        // Eight digits in a register, the leading zeros shifted out: no loop
        // whose count a table's mixed lengths would mispredict.
        const std::uint64_t digits = eightDigits(v);
        const int length = digitCount(v);
        const std::uint64_t shifted = digits >> (8 * (8 - length));
        std::memcpy(o, &shifted, 8);
        return o + length;
    }
    char* end = o + digitCount(v);
    digitsBefore(end, v);
    return end;
}
} // namespace detail

// Plain decimal: no grouping, no leading zeros.
inline char* PutUnsigned(char* o, std::uint32_t v) {
    // Most numbers in a reading are Long Count places, below 20.
    if (v < 10) {
        *o = static_cast<char>('0' + v);
        return o + 1;
    }
    if (v < 100) {
        std::memcpy(o, detail::Digits.pairs + 2 * v, 2);
        return o + 2;
    }
    return detail::putLarge(o, v);
}

inline char* PutSigned(char* o, std::int32_t v) {
    if (v < 0) {
        *o++ = '-';
        return PutUnsigned(o, 0u - static_cast<std::uint32_t>(v));
    }
    return PutUnsigned(o, static_cast<std::uint32_t>(v));
}

// The same for numbers that mostly have many digits (day numbers, day
// counts): eight digits at once, in place, whatever the length.
[[gnu::always_inline]] inline char* PutCount(char* o, std::uint32_t v) {
    if (v >= 100000000)
        return detail::putLarge(o, v);
    const std::uint64_t digits = detail::eightDigits(v);
    const int length = detail::digitCount(v);
    const std::uint64_t shifted = digits >> (8 * (8 - length));
    std::memcpy(o, &shifted, 8);
    return o + length;
}

[[gnu::always_inline]] inline char* PutSignedCount(char* o, std::int32_t v) {
    *o = '-';
    o += v < 0;
    return PutCount(o, v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v));
}

inline char* PutSigned(char* o, std::int64_t v) {
    if (v >= INT32_MIN && v <= INT32_MAX)
        return PutSigned(o, static_cast<std::int32_t>(v));
    return std::to_chars(o, o + 20, v).ptr;
}

// The same, inlined where each value is written: its branches then follow
// that value's usual length (a Long Count place is short, a day number long)
// rather than the mix of all the numbers a table writes.
[[gnu::always_inline]] inline char* PutSignedInPlace(char* o, std::int64_t v) {
    if (v > -100 && v < 100) {
        *o = '-';
        o += v < 0;
        const auto u = static_cast<std::size_t>(v < 0 ? -v : v);
        const bool two = u >= 10;
        std::memcpy(o, detail::Digits.pairs + 2 * u + !two, 2);
        return o + 1 + two;
    }
    if (v >= INT32_MIN && v <= INT32_MAX)
        return PutSignedCount(o, static_cast<std::int32_t>(v));
    return PutSigned(o, v);
}

// Exactly two digits, for 0 to 99.
inline char* PutTwoDigits(char* o, int v) {
    std::memcpy(o, detail::Digits.pairs + 2 * v, 2);
    return o + 2;
}

// Unsigned decimal with "," between groups of three digits.
inline char* PutGrouped(char* o, std::uint32_t v) {
    // The leading group, 1 to 999, in place: a call for a three-digit number
    // would cost more than writing it.
    const auto leading = [](char* at, std::uint32_t group) {
        return group < 100 ? PutUnsigned(at, group) : detail::putThree(at, group);
    };
    if (v < 1000)
        return leading(o, v);
    const std::uint32_t high = v / 1000;
    if (high >= 1000) {
        if (high >= 1000000) {
            o = leading(o, high / 1000000);
            *o++ = ',';
            o = detail::putThree(o, high / 1000 % 1000);
        } else {
            o = leading(o, high / 1000);
        }
        *o++ = ',';
        o = detail::putThree(o, high % 1000);
    } else {
        o = leading(o, high);
    }
    *o++ = ',';
    return detail::putThree(o, v % 1000);
}

// A share (0 to 100) rounded to five decimals from its exact binary value:
// integer part, the separator, exactly five decimals.
inline char* PutFiveDecimals(char* o, float share, char decimalSeparator) {
    // A binary32 significand times 100000 needs at most 41 bits, so the
    // product is exact in double, and so is adding one half: truncating then
    // rounds the exact value, halves away from zero.
    const auto scaled = static_cast<std::uint32_t>(static_cast<double>(share) * 100000.0 + 0.5);
    // All eight digits of 0 to 100.00000 at once, "IIIFFFFF" from the lowest
    // byte up, then the integer part without its leading zeros.
    const std::uint64_t digits = detail::eightDigits(scaled);
    const int integerDigits = 1 + (scaled >= 1000000) + (scaled >= 10000000);
    const std::uint64_t integer = (digits & 0xFFFFFF) >> (8 * (3 - integerDigits));
    std::memcpy(o, &integer, 8);
    o += integerDigits;
    *o++ = decimalSeparator;
    const std::uint64_t fraction = digits >> 24;
    std::memcpy(o, &fraction, 8);
    return o + 5;
}

// The same followed by "%", as the calculator shows a share.
inline char* PutPercent(char* o, float share, char decimalSeparator) {
    o = PutFiveDecimals(o, share, decimalSeparator);
    *o = '%';
    return o + 1;
}

namespace detail {
// "Inicial", "Más n", "Menos n": out of line, the tables never write it.
[[gnu::noinline]] inline char* putSpanishCycleLabel(char* o, std::int32_t cycleNumber) {
    const std::string_view word = cycleNumber == 0  ? "Inicial"
                                  : cycleNumber > 0 ? "Más "
                                                    : "Menos ";
    std::memcpy(o, word.data(), word.size());
    o += word.size();
    if (cycleNumber == 0)
        return o;
    return PutUnsigned(o, cycleNumber < 0 ? 0u - static_cast<std::uint32_t>(cycleNumber)
                                          : static_cast<std::uint32_t>(cycleNumber));
}
} // namespace detail

// "Starting", "Plus n" or "Minus n" for CycleNumber's value.
inline char* PutCycleLabel(char* o, std::int32_t cycleNumber) {
    // The word without a branch on the sign: a table's days fall either side
    // of the start day at random. "Starting" has no number after it.
    static constexpr char Words[3][8] = {{'S', 't', 'a', 'r', 't', 'i', 'n', 'g'},
                                         {'P', 'l', 'u', 's', ' '},
                                         {'M', 'i', 'n', 'u', 's', ' '}};
    static constexpr std::uint8_t Sizes[3] = {8, 5, 6};
    const auto word = static_cast<std::size_t>((cycleNumber > 0) | (cycleNumber < 0) << 1);
    std::memcpy(o, Words[word], 8);
    o += Sizes[word];
    if (cycleNumber == 0)
        return o;
    return PutUnsigned(o, cycleNumber < 0 ? 0u - static_cast<std::uint32_t>(cycleNumber)
                                          : static_cast<std::uint32_t>(cycleNumber));
}
// The writers of words have an overload without the language, English, the
// code the tables were measured with; the one with the language only picks,
// and is always inlined so that a constant language picks at compile time.
[[gnu::always_inline]] inline char* PutCycleLabel(char* o, std::int32_t cycleNumber,
                                                  Language language) {
    return language == Language::Spanish ? detail::putSpanishCycleLabel(o, cycleNumber)
                                         : PutCycleLabel(o, cycleNumber);
}

namespace detail {
inline char* putWord(char* o, std::string_view word) {
    std::memcpy(o, word.data(), word.size());
    return o + word.size();
}
} // namespace detail

// "(n/d) divisor", "none" or "Start of Cycle".
inline char* PutHarmonic(char* o, const Harmonic& h) {
    switch (h.kind) {
    case Harmonic::None:
        std::memcpy(o, "none", 4);
        return o + 4;
    case Harmonic::StartOfCycle:
        std::memcpy(o, "Start of Cycle", 14);
        return o + 14;
    case Harmonic::Fraction:
        break;
    }
    *o++ = '(';
    o = PutUnsigned(o, static_cast<std::uint32_t>(h.numerator));
    *o++ = '/';
    o = PutUnsigned(o, static_cast<std::uint32_t>(h.denominator));
    std::memcpy(o, ") ", 2);
    return PutGrouped(o + 2, static_cast<std::uint32_t>(h.divisor));
}

// The same for a cycle count, "none" without forming the harmonic.
inline char* PutHarmonic(char* o, std::int32_t cycleCount) {
    if (!FillsAHarmonic(cycleCount)) {
        std::memcpy(o, "none", 4);
        return o + 4;
    }
    return PutHarmonic(o, HarmonicOf(cycleCount));
}

namespace detail {
// "ninguno" and "Inicio del ciclo"; a fraction is written as in English.
[[gnu::noinline]] inline char* putSpanishHarmonic(char* o, std::int32_t cycleCount) {
    if (!FillsAHarmonic(cycleCount))
        return putWord(o, "ninguno");
    const Harmonic h = HarmonicOf(cycleCount);
    return h.kind == Harmonic::StartOfCycle ? putWord(o, "Inicio del ciclo") : PutHarmonic(o, h);
}
} // namespace detail

[[gnu::always_inline]] inline char* PutHarmonic(char* o, std::int32_t cycleCount,
                                                Language language) {
    return language == Language::Spanish ? detail::putSpanishHarmonic(o, cycleCount)
                                         : PutHarmonic(o, cycleCount);
}

// baktun, katun, tun, uinal and kin with `Mark` between them (the places
// below the baktun are 0 to 19); no sign, no pictun.
template <char Mark = '.'> inline char* PutPlaces(char* o, const LongCountPlaces& p) {
    o = PutUnsigned(o, static_cast<std::uint32_t>(p.baktun));
    for (const int place : {p.katun, p.tun, p.uinal, p.kin}) {
        std::memcpy(o, detail::Digits.dotted[place], 4);
        if constexpr (Mark != '.')
            *o = Mark;
        o += detail::Digits.dottedSize[place];
    }
    return o;
}

// The calculator's historical Long Count: "p.b.k.t.u.k" from the start day
// without wrapping (HistoricalLongCountOf), "< 0.0.0.0.0.0" before it.
inline char* PutHistoricalLongCount(char* o, std::int32_t dayCount,
                                    const LongCountPlaces& cyclePlaces) {
    if (dayCount < 0) {
        std::memcpy(o, "< 0.0.0.0.0.0", 13);
        return o + 13;
    }
    const LongCountPlaces p = HistoricalLongCountOf(dayCount, cyclePlaces);
    o = PutUnsigned(o, static_cast<std::uint32_t>(p.pictun));
    *o++ = '.';
    return PutPlaces(o, p);
}

// The same, written after the cycle's Long Count, whose text PutPlaces put at
// [cycleText, cycleEnd): the places below the baktun are the cycle's, so
// their text is copied rather than written again (the two may share a buffer).
inline char* PutHistoricalLongCountAfter(char* o, std::int32_t dayCount,
                                         const LongCountPlaces& cyclePlaces, const char* cycleText,
                                         const char* cycleEnd) {
    if (dayCount < 0)
        return PutHistoricalLongCount(o, dayCount, cyclePlaces);
    const LongCountPlaces p = HistoricalLongCountOf(dayCount, cyclePlaces);
    o = PutUnsigned(o, static_cast<std::uint32_t>(p.pictun));
    *o++ = '.';
    o = PutUnsigned(o, static_cast<std::uint32_t>(p.baktun));
    const char* const below = cycleText + (cyclePlaces.baktun < 10 ? 1 : 2);
    std::memmove(o, below, 16); // ".19.19.17.19" at most, and slack
    return o + (cycleEnd - below);
}

// The almanac's Long Count: a "-" before the start day, the pictun only when
// there is one.
inline char* PutLongCount(char* o, const LongCountPlaces& p) {
    if (p.negative)
        *o++ = '-';
    if (p.pictun > 0) {
        o = PutSigned(o, p.pictun);
        *o++ = '.';
    }
    return PutPlaces(o, p);
}

// The Long Count as its era writes it (InscribedOf), without the era.
inline char* PutInscribedLongCount(char* o, std::int64_t dayCount) {
    return PutLongCount(o, LongCountOf(InscribedOf(dayCount).count));
}
// The same, given the day's Long Count: this era's days, nearly every table
// row, are written as their Long Count is, with no second division.
inline char* PutInscribedLongCount(char* o, std::int64_t dayCount, const LongCountPlaces& places) {
    return dayCount >= 0 ? PutLongCount(o, places) : PutInscribedLongCount(o, dayCount);
}

namespace detail {
// The calculator's Tzolkin reading of every position, whole.
struct TzolkinReadings {
    PaddedName<32> at[TzolkinDays];
    constexpr explicit TzolkinReadings(Language language) {
        for (int position = 0; position < TzolkinDays; ++position) {
            const TzolkinDay day = TzolkinAt(position);
            PaddedName<32>& text = at[position];
            std::size_t n = 0;
            if (day.number >= 10)
                text.text[n++] = '1';
            text.text[n++] = static_cast<char>('0' + day.number % 10);
            text.text[n++] = ' ';
            text.text[n++] = ' ';
            for (const char c : DayNames(language)[static_cast<std::size_t>(day.sign - 1)])
                text.text[n++] = c;
            text.size = static_cast<std::uint8_t>(n);
        }
    }
};
inline constexpr TzolkinReadings TzolkinReadingTexts{Language::English};
inline constexpr TzolkinReadings SpanishTzolkinReadingTexts{Language::Spanish};
} // namespace detail

// The calculator's Tzolkin reading of a TzolkinPosition: "12  Ix  (Jaguar)".
inline char* PutTzolkinReading(char* o, int position) {
    return detail::put(o, detail::TzolkinReadingTexts.at[position]);
}
[[gnu::always_inline]] inline char* PutTzolkinReading(char* o, int position, Language language) {
    return language == Language::Spanish
               ? detail::put(o, detail::SpanishTzolkinReadingTexts.at[position])
               : PutTzolkinReading(o, position);
}

inline char* PutWeekDay(char* o, int weekDay) {
    return detail::put(o, detail::PaddedWeekNames[static_cast<std::size_t>(weekDay)]);
}
[[gnu::always_inline]] inline char* PutWeekDay(char* o, int weekDay, Language language) {
    return language == Language::Spanish
               ? detail::put(o, detail::SpanishPaddedWeekNames[static_cast<std::size_t>(weekDay)])
               : PutWeekDay(o, weekDay);
}

inline char* PutTzolkinSign(char* o, int sign, Spelling spelling = Spelling::Colonial) {
    const auto& names =
        spelling == Spelling::Modern ? detail::ModernPaddedSigns : detail::PaddedSigns;
    return detail::put(o, names[static_cast<std::size_t>(sign - 1)]);
}

inline char* PutHaabMonth(char* o, int month, Spelling spelling = Spelling::Colonial) {
    const auto& names =
        spelling == Spelling::Modern ? detail::ModernPaddedHaabMonths : detail::PaddedHaabMonths;
    return detail::put(o, names[static_cast<std::size_t>(month - 1)]);
}

namespace detail {
// "N Name" of every Tzolkin or Haab position, whole: one copy writes a day
// where the tables would otherwise write a number and a name.
template <int N> struct DayTexts { PaddedName<16> at[N]; };
template <int N, typename Day, std::size_t Names>
constexpr DayTexts<N> dayTexts(Day (*dayAt)(int),
                               const std::array<std::string_view, Names>& names) {
    DayTexts<N> table{};
    for (int position = 0; position < N; ++position) {
        const auto [number, name] = dayAt(position);
        PaddedName<16>& text = table.at[position];
        std::size_t n = 0;
        if (number >= 10)
            text.text[n++] = static_cast<char>('0' + number / 10);
        text.text[n++] = static_cast<char>('0' + number % 10);
        text.text[n++] = ' ';
        for (const char c : names[static_cast<std::size_t>(name - 1)])
            text.text[n++] = c;
        text.size = static_cast<std::uint8_t>(n);
    }
    return table;
}
inline constexpr auto TzolkinDayTexts = dayTexts<TzolkinDays>(TzolkinAt, TzolkinSign);
inline constexpr auto ModernTzolkinDayTexts = dayTexts<TzolkinDays>(TzolkinAt, ModernTzolkinSign);
inline constexpr auto HaabDayTexts = dayTexts<HaabDays>(HaabAt, HaabMonth);
inline constexpr auto ModernHaabDayTexts = dayTexts<HaabDays>(HaabAt, ModernHaabMonth);
} // namespace detail

// "4 Ahau" of a TzolkinPosition, "8 Cumku" of a HaabPosition.
inline char* PutTzolkinDayAt(char* o, int position, Spelling spelling = Spelling::Colonial) {
    const auto& texts =
        spelling == Spelling::Modern ? detail::ModernTzolkinDayTexts : detail::TzolkinDayTexts;
    return detail::put(o, texts.at[position]);
}
inline char* PutHaabDayAt(char* o, int position, Spelling spelling = Spelling::Colonial) {
    const auto& texts =
        spelling == Spelling::Modern ? detail::ModernHaabDayTexts : detail::HaabDayTexts;
    return detail::put(o, texts.at[position]);
}

// "4 Ahau" (or "4 Ajaw")
inline char* PutTzolkinDay(char* o, const TzolkinDay& day, Spelling spelling = Spelling::Colonial) {
    o = PutUnsigned(o, static_cast<std::uint32_t>(day.number));
    *o++ = ' ';
    return PutTzolkinSign(o, day.sign, spelling);
}

// "8 Cumku" (or "8 Kumk'u")
inline char* PutHaabDay(char* o, const HaabDay& day, Spelling spelling = Spelling::Colonial) {
    o = PutUnsigned(o, static_cast<std::uint32_t>(day.day));
    *o++ = ' ';
    return PutHaabMonth(o, day.month, spelling);
}

// "4 Ahau 8 Cumku": a Calendar Round, the Tzolkin day first.
inline char* PutCalendarRound(char* o, const TzolkinDay& tzolkin, const HaabDay& haab,
                              Spelling spelling = Spelling::Colonial) {
    o = PutTzolkinDay(o, tzolkin, spelling);
    *o++ = ' ';
    return PutHaabDay(o, haab, spelling);
}
inline char* PutCalendarRoundAt(char* o, int tzolkinPosition, int haabPosition,
                                Spelling spelling = Spelling::Colonial) {
    o = PutTzolkinDayAt(o, tzolkinPosition, spelling);
    *o++ = ' ';
    return PutHaabDayAt(o, haabPosition, spelling);
}

// "-3113-08-11", "0999-01-01", "+12024-01-01": the astronomical year of
// four digits or more, signed before year 0 and past 9999 (ISO 8601's
// expanded years), as ParseIsoDay reads it back; two-digit month and day.
inline char* PutIsoDate(char* o, const CivilDate& date) {
    std::int64_t year = date.year;
    if (year < 0) {
        *o++ = '-';
        year = -year;
    } else if (year > 9999) {
        *o++ = '+';
    }
    if (year < 1000) {
        o = PutTwoDigits(o, static_cast<int>(year / 100));
        o = PutTwoDigits(o, static_cast<int>(year % 100));
    } else {
        o = PutSigned(o, year);
    }
    *o++ = '-';
    o = PutTwoDigits(o, date.month);
    *o++ = '-';
    return PutTwoDigits(o, date.day);
}

namespace detail {
// "15 de junio de 2024", "11 de agosto de 3114 a. C.": the era only before
// year 1, as Spanish readers write dates.
inline char* putSpanishCivilDate(char* o, const CivilDate& date) {
    o = PutUnsigned(o, static_cast<std::uint32_t>(date.day));
    o = putWord(o, " de ");
    o = putWord(o, SpanishMonthName[static_cast<std::size_t>(date.month - 1)]);
    o = putWord(o, " de ");
    const bool bc = date.year < 1;
    o = PutSigned(o, bc ? 1 - date.year : date.year);
    return bc ? putWord(o, " a. C.") : o;
}
} // namespace detail

// "August 11, 3114 B.C." (years before 1 counted as B.C., 1 B.C. being year 0)
inline char* PutCivilDate(char* o, const CivilDate& date) {
    const std::string_view month = MonthName[static_cast<std::size_t>(date.month - 1)];
    std::memcpy(o, month.data(), month.size());
    o += month.size();
    *o++ = ' ';
    o = PutUnsigned(o, static_cast<std::uint32_t>(date.day));
    std::memcpy(o, ", ", 2);
    const bool bc = date.year < 1;
    o = PutSigned(o + 2, bc ? 1 - date.year : date.year);
    std::memcpy(o, bc ? " B.C." : " A.D.", 5);
    return o + 5;
}
[[gnu::always_inline]] inline char* PutCivilDate(char* o, const CivilDate& date,
                                                 Language language) {
    return language == Language::Spanish ? detail::putSpanishCivilDate(o, date)
                                         : PutCivilDate(o, date);
}

// The text a writer puts, as a string, for texts of up to 64 bytes.
template <typename Put> std::string WrittenText(Put put) {
    char text[64 + WriteSlack];
    return std::string(text, put(text));
}

} // namespace zentolk
