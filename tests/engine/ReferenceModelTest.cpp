// Compares the engine with a plain, slow model of the same rules over many
// random inputs of the lengths the window's fields allow, odd texts included.
#include "engine/Reading.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

using zentolk::CalendarDate;
using zentolk::CalendarReading;

namespace {

std::optional<std::int64_t> modelParse(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    std::string s = text.substr(i);
    int base = 10;
    for (const char* prefix : {"0x", "0X", "$", "x", "X"}) {
        if (s.starts_with(prefix)) {
            s = s.substr(std::string(prefix).size());
            base = 16;
            break;
        }
    }
    if (base == 10 && s.starts_with('+')) {
        s = s.substr(1);
        if (s.starts_with('-'))
            return std::nullopt;
    }
    if (s.empty() || (base == 16 && (s[0] == '-' || s[0] == '+')) || s == "-")
        return std::nullopt;
    std::int64_t value = 0;
    std::uint64_t hex = 0;
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = base == 16 ? std::from_chars(s.data(), end, hex, 16)
                                      : std::from_chars(s.data(), end, value, 10);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    if (base == 16)
        return hex > 0xFFFFFFFFu ? std::nullopt
                                 : std::optional<std::int64_t>(static_cast<std::int32_t>(hex));
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return value;
}

std::int64_t truncDiv(std::int64_t a, std::int64_t b) {
    return a / b;
}

std::string grouped(std::int64_t v) {
    const std::string digits = std::to_string(v);
    std::string s;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            s += ',';
        s += digits[i];
    }
    return s;
}

std::string share(float value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.5f%%", static_cast<double>(value));
    return buf;
}

std::string modelReading(const CalendarDate& date) {
    const auto m = modelParse(date.Month);
    if (!m)
        return "'" + date.Month + "' is not a valid integer value";
    const auto d = modelParse(date.Day);
    if (!d)
        return "'" + date.Day + "' is not a valid integer value";
    auto y = modelParse(date.Year);
    if (!y)
        return "'" + date.Year + "' is not a valid integer value";
    if (date.ADBC == 1)
        y = 1 - *y;
    const std::int64_t a = truncDiv(*m - 14, 12);
    const std::int64_t j = truncDiv(1461 * (*y + 4800 + a), 4) +
                           truncDiv(367 * (*m - 2 - 12 * a), 12) -
                           truncDiv(3 * truncDiv(*y + 4900 + a, 100), 4) + *d - 32075;
    const std::int64_t e = j - 584283;

    static const char* Signs[] = {
        "Imix (Alligator)",   "Ik (Wind)",       "Akbal (Night, House)", "Kan (Seed, Lizard)",
        "Chicchan (Serpent)", "Cimi (Death)",    "Manik (Deer, Hand)",   "Lamat (Rabbit, Star)",
        "Muluc  (Water)",     "Oc  (Dog)",       "Chuen  (Monkey)",      "Eb  (The Road)",
        "Ben  (Reed)",        "Ix  (Jaguar)",    "Men  (Eagle)",         "Cib  (Vulture)",
        "Caban  (Earth)",     "Edznab  (Flint)", "Cauac  (Rainstorm)",   "Ahau  (Light, Lord)"};
    static const char* WeekDays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
    const auto mod = [](std::int64_t v, std::int64_t n) { return ((v % n) + n) % n; };

    std::string label;
    if (e >= 0)
        label = e < 1872000 ? "Starting" : "Plus " + std::to_string(e / 1872000);
    else
        label = "Minus " + std::to_string((-e + 1871999) / 1872000);

    std::int64_t k = e;
    while (k < 0)
        k += 1872000;
    while (k > 1872000)
        k -= 1872000;
    if (k == 0 && *y != -3113)
        k = 1872000;

    const float elapsed = static_cast<float>(static_cast<double>(k * 100) / 1872000.0);
    const float remaining = static_cast<float>(100.0 - elapsed);
    std::string harmonic = k == 0 ? "Start of Cycle" : "none";
    for (std::int64_t v = 14625; k != 0 && v <= 1872000; v *= 2)
        if (k % v == 0)
            harmonic =
                "(" + std::to_string(k / v) + "/" + std::to_string(1872000 / v) + ") " + grouped(v);
    const auto digits = [](std::int64_t n, std::initializer_list<std::int64_t> places) {
        std::string s;
        for (std::int64_t place : places) {
            s += (s.empty() ? "" : ".") + std::to_string(n / place);
            n %= place;
        }
        return s;
    };
    const std::string cycleCount = digits(k, {144000, 7200, 360, 20, 1});
    const std::string historical =
        e < 0 ? "< 0.0.0.0.0.0" : digits(e, {2880000, 144000, 7200, 360, 20, 1});

    return label + "|" + grouped(k) + "|" + share(elapsed) + "|" + grouped(1872000 - k) + "|" +
           share(remaining) + "|" + harmonic + "|" + cycleCount + "|" + historical + "|" +
           std::to_string(mod(j - 583864, 13) + 1) + "  " + Signs[mod(j - 583864, 20)] + "|" +
           WeekDays[mod(j - 583862, 7)];
}

std::string engineReading(const CalendarDate& date) {
    const auto result = zentolk::ComputeReading(date, '.');
    if (!result.ok())
        return result.Error;
    std::string joined;
    for (const std::string& text : result.Reading.texts)
        joined += (&text == &result.Reading.texts.front() ? "" : "|") + text;
    return joined;
}

// A text of at most maxLength characters, mostly numbers a user would type.
std::string randomText(std::mt19937& rng, std::size_t maxLength, int typicalMax) {
    std::uniform_int_distribution<int> kind(0, 19);
    switch (kind(rng)) {
    case 0: { // any characters a field could hold
        static const std::string Alphabet = " +-$xX0123456789aFf.,";
        std::string s(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), ' ');
        for (char& c : s)
            c = Alphabet[std::uniform_int_distribution<std::size_t>(0, Alphabet.size() - 1)(rng)];
        return s;
    }
    case 1: { // the extremes of the field length
        std::string s(maxLength, '9');
        if (std::uniform_int_distribution<int>(0, 1)(rng))
            s[0] = '-';
        return s;
    }
    default:
        return std::to_string(std::uniform_int_distribution<int>(0, typicalMax)(rng));
    }
}

TEST(ReferenceModel, AgreesOnRandomInputs) {
    std::mt19937 rng(20121221);
    std::uniform_int_distribution<int> era(-1, 2);
    for (int i = 0; i < 200000; ++i) {
        CalendarDate date{randomText(rng, 2, 13), randomText(rng, 2, 32), randomText(rng, 5, 99999),
                          era(rng)};
        ASSERT_EQ(engineReading(date), modelReading(date))
            << "'" << date.Month << "' '" << date.Day << "' '" << date.Year << "' " << date.ADBC;
    }
}

} // namespace
