// lunar: the series of published monuments through the command, its JSON
// and its refusals, run in process.
#include "InProcessCli.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Result = zentolk::testing::CliResult;

Result run(std::vector<std::string_view> args) {
    return zentolk::testing::RunCliInProcess(std::move(args), "");
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(LunarCli, RecordedSeriesOfMonumentsAreCheckedPartByPart) {
    // Palenque, Temple of the Sun (its Calendar Round checked too) and Coba
    // Stela 1: each fits its own site's count.
    Result r = run({"lunar", "1.18.5.3.6 13 Cimi 19 Ceh", "--recorded", "E 6 C 4 X B A 10"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED2(contains, r.out,
                 "Palenque formula   age 26 (E 6), C 4 in the skull's semester, A 30\n"
                 "  lunation         lunation began on 1.18.5.2.0\n"
                 "  recorded         age 26 fits; C 4 fits; A 30 fits  (all fit)\n");
    r = run({"lunar", "13.0.0.0.0 (era before)", "--recorded=D 23"});
    EXPECT_EQ(r.status, 1); // D counts below 20 days
    r = run({"lunar", "13.0.0.0.0 (era before)", "--recorded=E 3 C 1 A 30"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED2(contains, r.out, "Long Count         0.0.0.0.0\n");
    EXPECT_PRED2(contains, r.out,
                 "Coba base count    age 23 (E 3), C 1, A 30\n"
                 "  lunation         lunation began on 12.19.19.16.17 (era before)\n"
                 "  recorded         age 23 fits; C 1 fits; A 30 fits  (all fit)\n");
    // The other counts say how far off the same series is.
    EXPECT_PRED2(contains, r.out,
                 "  recorded         age 23 is 11 days more; C 1 (not given "
                 "here); A 30 is 1 day more\n");
}

TEST(LunarCli, JsonCarriesTheAgeAndEachConventionWithItsSource) {
    const Result r = run({"lunar", "4", "8", "2024", "--json", "--recorded", "D 0 C 3"});
    EXPECT_EQ(r.status, 0) << r.err;
    // The total solar eclipse of 8 April 2024 fell on the day of the
    // conjunction.
    EXPECT_PRED2(contains, r.out, R"(,"moon_age":0,"new_moon_jdn":2460409,"conventions":[)");
    for (const char* part :
         {R"({"name":"astronomical","title":"Astronomical moon","moon_age":0,"glyph_c":null,)",
          R"({"name":"palenque","title":"Palenque formula","moon_age":)",
          R"({"name":"coba","title":"Coba base count","moon_age":)", R"("source":"J. Meeus, )",
          R"("recorded":{"fits":true,"age_off":0,"glyph_c_off":null,"glyph_a_off":null})",
          R"("recorded":{"moon_age":0,"glyph_c":3,"glyph_a":null}})"})
        EXPECT_PRED2(contains, r.out, part);
    EXPECT_TRUE(r.out.starts_with(R"({"day":{"jdn":2460409,)")) << r.out;
}

// Yaxchilan Lintel 30: the station its text counts back to (Thompson 1943)
// with its quarter, and its introductory glyph's patron, in text and JSON.
TEST(LunarCli, TheStationsQuarterAndTheIntroductoryPatron) {
    Result r = run({"lunar", "9.13.17.12.10 8 Oc 13 Yax"});
    EXPECT_PRED2(contains, r.out,
                 "Introductory glyph  patron of Yax, the planet Venus\n"
                 "819-day station    9.13.16.10.13  1 Ben 1 Chen  (397 days before)\n"
                 "Station direction  east, red\n");
    r = run({"lunar", "9.13.17.12.10", "--json"});
    EXPECT_PRED2(contains, r.out,
                 R"(,"introductory_patron":{"month":"Yax","month_index":10,)"
                 R"("patron":"the planet Venus","source":"J. E. S. Thompson, )");
    EXPECT_PRED2(contains, r.out, R"("station_819_quarter":{"direction":"east","colour":"red",)");
}

TEST(LunarCli, DaysBeyondTheAlgorithmKeepTheCountsAndRefusalsAreNamed) {
    Result r = run({"lunar", "1", "1", "-600000", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED2(contains, r.out, R"("moon_age":null,"new_moon_jdn":null,)");
    EXPECT_PRED2(contains, r.out, R"({"name":"coba","title":"Coba base count","moon_age":)");
    r = run({"lunar", "9.16.1.0.0", "--recorded", "Z 3"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zentolk-cli: a recorded Lunar Series names glyphs G, F, E, D, C, X, B and A "
                     "(or the age), not 'Z'\n");
    r = run({"lunar", "5", "5"});
    EXPECT_EQ(r.status, 2);
    r = run({"lunar", "9.16.1.0.0 12 Ahau 8 Tzec"});
    EXPECT_EQ(r.status, 1);
}

} // namespace
