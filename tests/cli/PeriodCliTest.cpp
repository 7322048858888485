// period-ending, anniversaries and place on dates of real monuments, and
// anniversaries counted in whole spans, run in process.
#include "InProcessCli.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using Result = zentolk::testing::CliResult;

Result run(std::vector<std::string_view> args) {
    return zentolk::testing::RunCliInProcess(std::move(args), "");
}

// Each with its source; `expected` must stand in the output (a listed day's
// Long Count and Calendar Round, or a block's line).
TEST(PeriodCli, PublishedDatesComeOut) {
    const struct {
        std::vector<std::string_view> args;
        const char* expected;
        const char* source;
    } cases[] = {
        {{"period-ending", "baktun", "--from", "9.0.0.0.0", "--to", "9.0.0.0.0"},
         "9.0.0.0.0  8 Ahau 13 Ceh  G9  JDN 1880283  baktun, katun 8 Ahau\n",
         "Morley 1915, An Introduction to the Study of the Maya Hieroglyphs: end of Cycle 9"},
        {{"period-ending", "katun", "--from", "9.14.0.0.0", "--to", "9.14.0.0.0"},
         "9.14.0.0.0  6 Ahau 13 Muan  G9  JDN 1981083  katun 6 Ahau\n",
         "Morley 1915: end of Katun 14 of Cycle 9"},
        {{"period-ending", "k'atun", "--ajaw", "4", "--from", "9.10.0.0.0", "--to", "9.16.0.0.0"},
         "9.15.0.0.0  4 Ahau 13 Yax  G9  JDN 1988283  katun 4 Ahau\n",
         "the katun ending 4 Ahau 13 Yax"},
        {{"long-count", "9.0.10.0.0"},
         "\nPeriod ending      lahuntun\n",
         "Tikal Stela 31, dedicated on the period ending 9.0.10.0.0 (Stuart 2011)"},
        {{"anniversaries", "9.16.1.0.0", "--every", "tun", "--count", "4"},
         "9.16.5.0.0  8 Ahau 8 Zotz  G9  JDN 1997283  4 tuns after\n",
         "Yaxchilan Lintel 3: the hotun ending on an anniversary of Bird Jaguar IV's accession "
         "(Tate 1992:106)"},
        {{"place", "3 Ajaw 3 Muwaan", "--katun", "13", "--spelling", "modern"},
         "9.16.6.11.0  3 Ajaw 3 Muwan  G4  JDN 1997863  in k'atun 13 Ajaw\n",
         "Yaxchilan Lintel 12, 3 Ajaw 3 Muwaan placed at 9.16.6.11.0 (Sanchez Gamboa and Krempel)"},
        {{"place", "3 Ahau 3 Mol", "--period-ending", "lahuntun"},
         "9.15.10.0.0  3 Ahau 3 Mol  G9  JDN 1991883  in katun 2 Ahau, ends a lahuntun\n",
         "the lahuntun ending 9.15.10.0.0 3 Ahau 3 Mol"},
        {{"place", "4 Ahau 8 Cumku", "--period-ending", "baktun", "--within",
          "0.0.0.0.0 (era before)..13.0.0.0.0"},
         "0.0.0.0.0  4 Ahau 8 Cumku  G9  JDN 584283  in katun 4 Ahau, ends a baktun\n",
         "the creation date, 13.0.0.0.0 4 Ahau 8 Cumku, as Quirigua Stela C writes it"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 0) << c.source << r.err;
        EXPECT_NE(r.out.find(c.expected), std::string::npos) << c.source << "\n" << r.out;
    }
}

std::vector<std::int64_t> dayCounts(const std::string& json) {
    std::vector<std::int64_t> counts;
    const std::string key = "\"day_count\":";
    for (std::size_t at = json.find(key); at != std::string::npos; at = json.find(key, at + 1))
        counts.push_back(std::stoll(json.substr(at + key.size())));
    return counts;
}

// Five places, a "-" before a day before the start day.
std::string longCountText(std::int64_t days) {
    std::string text = days < 0 ? "-" : "";
    days = days < 0 ? -days : days;
    for (const std::int64_t unit : {144000, 7200, 360, 20, 1}) {
        text += std::to_string(days / unit) + (unit == 1 ? "" : ".");
        days %= unit;
    }
    return text;
}

TEST(PeriodCli, AnniversariesAreExactMultiplesOfTheirSpan) {
    const struct {
        const char* every;
        std::int64_t days;
    } spans[] = {{"tun", 360}, {"katun", 7200}, {"bak'tun", 144000}, {"365", 365}, {"2.4.0", 800}};
    std::mt19937_64 rng(7);
    for (int n = 0; n < 40; ++n) {
        const auto& span = spans[rng() % std::size(spans)];
        const std::int64_t anchor =
            static_cast<std::int64_t>(rng() % 5000000) - 2500000; // the era before and later
        const std::string count = std::to_string(1 + rng() % 30);
        const std::string lc = longCountText(anchor);
        const Result r =
            run({"anniversaries", lc, "--every", span.every, "--count", count, "--json"});
        ASSERT_EQ(r.status, 0) << lc << r.err;
        const std::vector<std::int64_t> days = dayCounts(r.out);
        ASSERT_EQ(days.size(), std::stoul(count)) << lc;
        for (std::size_t i = 0; i < days.size(); ++i)
            EXPECT_EQ(days[i], anchor + static_cast<std::int64_t>(i + 1) * span.days) << lc;
    }
}

TEST(PeriodCli, MistakesAndEmptyRangesAreNamed) {
    const struct {
        std::vector<std::string_view> args;
        int status;
        const char* message;
    } cases[] = {
        {{"period-ending", "uinal"},
         2,
         "expected baktun, katun, lahuntun, hotun or tun, not 'uinal'"},
        {{"period-ending", "katun", "--from", "9.0.0.0.1", "--to", "9.0.19.17.19"},
         1,
         "no day from 9.0.0.0.1 to 9.0.19.17.19 ends a katun"},
        {{"period-ending", "tun", "--limit", "3"},
         1,
         "5,201 days from 0.0.0.0.0 to 13.0.0.0.0 end a tun; the first 3 are shown"},
        {{"anniversaries", "9.12.9.17.16"}, 2, "anniversaries needs --every"},
        {{"anniversaries", "9.12.9.17.16", "--every", "week"}, 2, "a number of days"},
        {{"place", "3 Ahau 3 Mol", "--within", "9.0.0.0.0"}, 2, "LC..LC"},
        {{"place", "3 Ahau 4 Mol"}, 1, "never"},
        {{"place", "3 Imix", "--period-ending", "tun"},
         1,
         "no day from 0.0.0.0.0 to 13.0.0.0.0 carries '3 Imix' ending a tun"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.message << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

} // namespace
