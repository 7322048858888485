// period-ending, anniversaries and place on dates of real monuments, their
// mistakes, and anniversaries counted in whole spans, run in process.
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

// Each published date with its source: `expected` stands in the output (a
// listed day's Long Count and Calendar Round, or a block's line); a mistake's
// in its message.
TEST(PeriodCli, PublishedDatesComeOutAndMistakesAreNamed) {
    const struct {
        std::vector<std::string_view> args;
        int status;
        const char* expected;
        const char* source = "";
    } cases[] = {
        {{"period-ending", "baktun", "--from", "9.0.0.0.0", "--to", "9.0.0.0.0"},
         0,
         "9.0.0.0.0  8 Ahau 13 Ceh  G9  JDN 1880283  baktun, katun 8 Ahau\n",
         "Morley 1915, An Introduction to the Study of the Maya Hieroglyphs: end of Cycle 9"},
        {{"period-ending", "k'atun", "--from", "9.14.0.0.0", "--to", "9.14.0.0.0"},
         0,
         "9.14.0.0.0  6 Ahau 13 Muan  G9  JDN 1981083  katun 6 Ahau\n",
         "Morley 1915: end of Katun 14 of Cycle 9"},
        {{"long-count", "9.0.10.0.0"},
         0,
         "\nPeriod ending      lahuntun\n",
         "Tikal Stela 31, dedicated on the period ending 9.0.10.0.0 (Stuart 2011)"},
        {{"anniversaries", "9.16.1.0.0", "--every", "tun", "--count", "4"},
         0,
         "9.16.5.0.0  8 Ahau 8 Zotz  G9  JDN 1997283  4 tuns after\n",
         "Yaxchilan Lintel 3: the hotun ending on an anniversary of Bird Jaguar IV's accession "
         "(Tate 1992:106)"},
        {{"place", "3 Ajaw 3 Muwaan", "--katun", "13", "--spelling", "modern"},
         0,
         "9.16.6.11.0  3 Ajaw 3 Muwan  G4  JDN 1997863  in k'atun 13 Ajaw\n",
         "Yaxchilan Lintel 12, 3 Ajaw 3 Muwaan placed at 9.16.6.11.0 (Sanchez Gamboa and Krempel)"},
        {{"place", "4 Ahau 8 Cumku", "--period-ending", "baktun", "--within",
          "0.0.0.0.0 (era before)..13.0.0.0.0"},
         0,
         "0.0.0.0.0  4 Ahau 8 Cumku  G9  JDN 584283  in katun 4 Ahau, ends a baktun\n",
         "the creation date, 13.0.0.0.0 4 Ahau 8 Cumku, as Quirigua Stela C writes it"},
        {{"period-ending", "uinal"},
         2,
         "expected baktun, katun, lahuntun, hotun or tun, not 'uinal'"},
        {{"period-ending", "tun", "--limit", "3"},
         1,
         "5,201 days from 0.0.0.0.0 to 13.0.0.0.0 end a tun; the first 3 are shown"},
        {{"place", "3 Ahau 3 Mol", "--within", "9.0.0.0.0"}, 2, "LC..LC"},
        {{"place", "3 Imix", "--period-ending", "tun"},
         1,
         "no day from 0.0.0.0.0 to 13.0.0.0.0 carries '3 Imix' ending a tun"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.expected << r.err;
        EXPECT_NE((c.status == 0 ? r.out : r.err).find(c.expected), std::string::npos)
            << (c.status == 0 ? c.source : "") << "\n"
            << r.out << r.err;
    }
}

TEST(PeriodCli, AnniversariesAreExactMultiplesOfTheirSpan) {
    const struct {
        const char* every;
        std::int64_t days;
    } spans[] = {{"tun", 360}, {"katun", 7200}, {"bak'tun", 144000}, {"365", 365}, {"2.4.0", 800}};
    std::mt19937_64 rng(7);
    for (int n = 0; n < 40; ++n) {
        const auto& span = spans[rng() % std::size(spans)];
        // A Long Count of this era or, with a "-", before the start day.
        std::string lc = rng() % 2 ? "-" : "";
        std::int64_t anchor = 0;
        for (const std::int64_t unit : {144000, 7200, 360, 20, 1}) {
            const std::int64_t place = static_cast<std::int64_t>(rng() % (unit == 20 ? 18 : 20));
            anchor += place * unit;
            lc += std::to_string(place) + (unit == 1 ? "" : ".");
        }
        anchor = lc[0] == '-' ? -anchor : anchor;
        const std::int64_t count = 1 + static_cast<std::int64_t>(rng() % 30);
        const Result r = run({"anniversaries", lc, "--every", span.every, "--count",
                              std::to_string(count), "--json"});
        ASSERT_EQ(r.status, 0) << lc << r.err;
        std::int64_t k = 0; // each object's day count, in order
        for (std::size_t at = r.out.find("\"day_count\":"); at != std::string::npos;
             at = r.out.find("\"day_count\":", at + 1))
            EXPECT_EQ(std::stoll(r.out.substr(at + 12)), anchor + ++k * span.days) << lc;
        EXPECT_EQ(k, count) << lc;
    }
}

} // namespace
