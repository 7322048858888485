// The almanac subcommands of the command-line calculator, run in process.
#include "InProcessCli.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Result = zentolk::testing::CliResult;

Result run(std::vector<std::string_view> args, const std::string& input = "") {
    return zentolk::testing::RunCliInProcess(std::move(args), input);
}

TEST(AlmanacCli, LabelledBlockForADate) {
    const Result r = run({"almanac", "8", "11", "3114", "B.C."});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "Julian Day Number  584283\n"
              "Gregorian          August 11, 3114 B.C. (-3113-08-11)\n"
              "Julian             September 6, 3114 B.C. (-3113-09-06)\n"
              "Long Count         0.0.0.0.0\n"
              "Tzolkin            4 Ahau\n"
              "Haab               8 Cumku\n"
              "Calendar Round     4 Ahau 8 Cumku\n"
              "Lord of the Night  G9\n"
              "819-day station    12.19.19.17.17 (era before)  1 Caban 5 Cumku  (3 days before)\n"
              "Station direction  east, red\n"
              "Year bearer        7 Eb (classic)\n"
              "Period ending      baktun, katun 4 Ahau\n"
              "Katun              4 Ahau, ending 0.0.0.0.0 4 Ahau 8 Cumku (this day)\n"
              "Correlation        584283 (Goodman-Martinez-Thompson)\n");
    // The same day read as a Julian date, and as a Long Count.
    EXPECT_EQ(run({"almanac", "9", "6", "3114", "BC", "--julian"}).out, r.out);
    EXPECT_EQ(run({"long-count", "0.0.0.0.0"}).out, r.out);
}

TEST(AlmanacCli, JsonUnderAnotherCorrelation) {
    const Result r = run({"long-count", "9.12.11.5.18", "--correlation", "lounsbury", "--json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              R"({"jdn":1970763,"correlation":584285,"correlation_name":"Lounsbury",)"
              R"("day_count":1386478,"gregorian":{"year":683,"month":8,"day":31},)"
              R"("julian":{"year":683,"month":8,"day":28},"long_count":{"text":)"
              R"("9.12.11.5.18","places":[9,12,11,5,18],"pictun":0},"tzolkin":)"
              R"({"number":6,"name_index":18,"name":"Edznab"},"haab":{"day":11,)"
              R"("month_index":10,"month":"Yax"},"calendar_round":"6 Edznab 11 Yax",)"
              R"("lord_of_the_night":1,"station_819":{"long_count":"9.12.9.5.5",)"
              R"("calendar_round":"1 Chicchan 8 Yax","days_since":733},)"
              R"("year_bearer":{"system":"classic","number":10,"name":"Manik"},)"
              R"("baktun_place":9,"era":0,"inscribed":"9.12.11.5.18","period_ending":null,)"
              R"("katun":{"ajaw":8,"name":"8 Ahau","long_count":"9.13.0.0.0","era":0,)"
              R"("inscribed":"9.13.0.0.0","calendar_round":"8 Ahau 8 Uo","days_to_end":3122}})"
              "\n");
}

TEST(AlmanacCli, NextAndPrevious) {
    Result r = run({"next", "4 Ajaw 8 Kumk'u", "--from", "1", "1", "2000", "--count", "2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "March 11, 2032 A.D. (Gregorian)  13.0.19.9.0  4 Ahau 8 Cumku  G9  JDN 2463303\n"
              "February 27, 2084 A.D. (Gregorian)  13.3.12.4.0  4 Ahau 8 Cumku  G8  JDN 2482283\n");
    r = run({"next", "4", "Ahau", "--from", "12", "22", "2012", "AD", "--previous", "--json"});
    EXPECT_EQ(r.out.substr(0, 14), "[\n  {\"jdn\":245");
    EXPECT_NE(r.out.find("\"text\":\"13.0.0.0.0\""), std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(r.out.size() - 4), "}\n]\n");
}

TEST(AlmanacCli, ErrorsAreClear) {
    struct Case {
        std::vector<std::string_view> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"next", "4 Ahau 4 Cumku"}, 1, "never occurs"},
        {{"next", "4 Ahau 8 Foo"}, 1, "'Foo' is neither"},
        {{"long-count", "9.12.11.18.0"}, 1, "the uinal must be 0 to 17, not 18"},
        {{"almanac", "2", "29", "2023"}, 1, "does not exist"},
        {{"almanac", "1", "1", "1000001"}, 1, "outside"},
        {{"almanac", "--correlation", "nope"}, 2, "'nope'"},
        {{"almanac", "--count", "3"},
         2,
         "--count is an option of next and anniversaries, not of almanac"},
        {{"long-count", "-999.0.0.0.0.0"}, 1, "outside the years"},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[1];
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(AlmanacCli, PictureLinesAreSkippedAsTableLinesAre) {
    // Named with their control bytes escaped, then counted, as the tables do.
    const Result r =
        run({"picture", "long-count", "--lines"}, "9.12.11.5.18\n9.12.11.5.1\x01\n\n1 1 x\x1b\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
    EXPECT_EQ(r.err,
              "zentolk-cli: line 2 skipped: the kin '1\\x01' is not a number (place 5 of 5)\n"
              "zentolk-cli: line 4 skipped: 'x\\x1b' is not a valid integer value\n"
              "zentolk-cli: 2 of 4 lines skipped\n");
}

TEST(AlmanacCli, TsvBatch) {
    // The era as the tables take it: an index, or A.D., AD, B.C., BC in any letter case,
    // or as Spanish writes it ("A.C." is "a. C.", 1 January 1 B.C.).
    const Result r = run({"almanac", "--tsv", "--correlation", "584285"},
                         "12\t21\t2012\t0\n8\t11\t3114\tb.c.\r\n2\t30\t2000\tAd\n"
                         "x\t1\t1\t0\n1\t2\n1\t1\t1\tA.C.\n1\t1\t1\tA.C\n");
    EXPECT_EQ(r.status, 1);
    // Then the 819-day station on or before the day (Long Count, Calendar Round,
    // days since) and the year bearer.
    EXPECT_EQ(r.out,
              "12\t21\t2012\t0\t2456283\t2012-12-21\t2012-12-08\t12.19.19.17.18\t2 Edznab\t"
              "1 Kankin\tG7\t12.19.18.6.12\t1 Eb 0 Zip\t586\t1 Caban\t12\t0\t12.19.19.17.18\n"
              "8\t11\t3114\tb.c.\t584283\t-3113-08-11\t-3113-09-06\t-0.0.0.0.2\t2 Edznab\t6 "
              "Cumku\tG7\t-0.0.0.0.3\t1 Caban 5 Cumku\t1\t7 Eb\t0\t-1\t12.19.19.17.18\n"
              "2\t30\t2000\tAd\tno such day in the calendar\n"
              "x\t1\t1\t0\t'x' is not a valid integer value\n"
              "1\t2\t\t\tit has 2 fields, not four (month, day, year, era)\n"
              "1\t1\t1\tA.C.\t1721060\t0000-01-01\t0000-01-03\t7.17.17.12.15\t7 Men\t8 Mol\t"
              "G3\t7.17.17.12.9\t1 Muluc 2 Mol\t6\t2 Manik\t7\t0\t7.17.17.12.15\n"
              "1\t1\t1\tA.C\tits era 'A.C' is none of A.D., AD, B.C., BC or an era "
              "index\n");
    EXPECT_EQ(r.err, "zentolk-cli: line 5 is an error row: it has 2 fields, not four (month, day, "
                     "year, era)\n"
                     "zentolk-cli: line 7 is an error row: its era 'A.C' is none of A.D., AD, "
                     "B.C., BC or an era index\n"
                     "zentolk-cli: 2 of 7 lines are error rows\n");
}

} // namespace
