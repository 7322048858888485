// long-count with distance numbers and full dates, distance and match, run
// in process.
#include "InProcessCli.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Result = zentolk::testing::CliResult;

bool startsWith(const std::string& text, const std::string& start) {
    return text.starts_with(start);
}

Result run(std::vector<std::string_view> args) {
    return zentolk::testing::RunCliInProcess(std::move(args), "");
}

TEST(InscriptionCli, DistanceChainsGiveTheBlockOfTheDayTheyReach) {
    const std::pair<const char*, const char*> cases[] = {
        {"9.12.11.5.18 + 2.4.0 - 1.0", "9.12.13.8.18"},
        {"9.12.11.5.18+2.4.0", "9.12.13.9.18"},
        {"13.0.0.0.0 - 13.0.0.0.0", "0.0.0.0.0"},
        {"0.0.0.0.0 - 1", "-0.0.0.0.1"},
        {"9.12.11.5.18 6 Etznab 11 Yax + 2.4.0", "9.12.13.9.18"},
        {"13.0.0.0.0 4 Ahau 8 Cumku + 1", "0.0.0.0.1"},
    };
    for (const auto& [chain, reached] : cases) {
        const Result r = run({"long-count", chain});
        EXPECT_EQ(r.status, 0) << chain << r.err;
        EXPECT_EQ(r.out, run({"long-count", reached}).out) << chain;
    }
    EXPECT_EQ(run({"long-count", "9.12.11.5.17 6 Etznab 11 Yax + 2.4.0"}).status, 1);
    const Result bad = run({"long-count", "9.12.11.5.18 + 2.18.0"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "zentolk-cli: the uinal of the distance number '2.18.0' must be 0 to 17, "
                       "not 18\n");
}

TEST(InscriptionCli, FullDatesAreCheckedWithSuggestions) {
    Result r = run({"long-count", "9.12.11.5.18", "6", "Etz'nab", "11", "Yax"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, run({"long-count", "9.12.11.5.18"}).out);

    r = run({"long-count", "9.12.11.5.17 6 Etznab 11 Yax"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zentolk-cli: the Tzolkin number 6 (the Long Count gives 5), the day sign "
                     "Edznab (it gives Caban) and the Haab number 11 (it gives 10) do not fit "
                     "9.12.11.5.17, whose Calendar Round is 5 Caban 10 Yax\n");
    EXPECT_EQ(r.out, "Long Counts one place away that fit 6 Edznab 11 Yax, nearest first:\n"
                     "August 29, 683 A.D. (Gregorian)  9.12.11.5.18  6 Edznab 11 Yax  G1  JDN "
                     "1970761\n");

    r = run({"long-count", "9.12.11.5.17 6 Etznab 11 Yax", "--json", "--spelling=modern"});
    EXPECT_EQ(r.status, 1);
    EXPECT_PRED2(startsWith, r.out,
                 R"({"error":"the Tzolkin number 6 (the Long Count gives 5), the day sign )"
                 R"(Etz'nab (it gives Kaban) and the Haab number 11 (it gives 10) do not fit )"
                 R"(9.12.11.5.17, whose Calendar Round is 5 Kaban 10 Yax","calendar_round":)"
                 R"("5 Kaban 10 Yax","suggestions":[{"jdn":1970761,)");

    // Quirigua's creation date, written 13.0.0.0.0, is the day of the era before.
    r = run({"long-count", "13.0.0.0.0 4 Ahau 8 Cumku"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, run({"long-count", "0.0.0.0.0"}).out);
    EXPECT_NE(r.err.find("note: 13.0.0.0.0 4 Ahau 8 Cumku fits only the era before"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(run({"long-count", "13.0.0.0.0", "--previous-era"}).out, r.out);
    EXPECT_EQ(run({"long-count", "13.0.0.0.0 4 Ahau 3 Kankin", "--previous-era"}).status, 1);
}

TEST(InscriptionCli, DistanceBetweenTwoDays) {
    Result r = run({"distance", "9.12.11.5.18", "8", "29", "683"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 22), "Distance  0  (0 days)\n");
    r = run({"distance", "13.0.0.0.0 4 Ahau 3 Kankin", "9.12.11.5.18 6 Edznab 11 Yax"});
    EXPECT_EQ(r.out.substr(0, 39), "Distance  -3.7.8.12.2  (-485,522 days)\n");
    // As inscribed: no leading zero places; the JSON keeps its five.
    r = run({"distance", "9.12.11.5.18", "9.13.0.0.0", "--json"});
    EXPECT_NE(r.out.find(R"("distance":"0.0.8.12.2")"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(R"("inscribed":"8.12.2"})"), std::string::npos) << r.out;
    r = run({"distance", "8 26 683", "9.12.11.5.18", "--julian", "--json"});
    EXPECT_EQ(r.out.substr(0, 50), R"({"days":0,"distance":"0.0.0.0.0","from":{"jdn":197)");
    EXPECT_NE(r.out.find(R"(,"to":{"jdn":1970761,)"), std::string::npos);
    // A Haab day alone against a whole Calendar Round, in one argument.
    r = run({"distance", "3 Cumku 5 Ahau 8 Cumku"});
    EXPECT_EQ(r.out, "Distance  5  (5 days; it repeats every 365 days)\nFrom      3 Cumku\n"
                     "To        5 Ahau 8 Cumku\n");
    r = run({"distance", "9.12.11.5.18", "6", "15"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zentolk-cli: expected a Long Count or MONTH DAY YEAR [ERA], not '6 15'\n");
}

// The keys of a JSON object's text, in order, at every depth.
std::vector<std::string> keysOf(const std::string& json) {
    std::vector<std::string> keys;
    for (std::size_t at = json.find("\":"); at != std::string::npos; at = json.find("\":", at + 2))
        keys.push_back(json.substr(json.rfind('"', at - 1) + 1, at - json.rfind('"', at - 1) - 1));
    return keys;
}

// A day with no civil date: the almanac object's every key, and a note.
TEST(InscriptionCli, DeepDaysHaveTheAlmanacsKeys) {
    const std::string coba =
        "13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.0.0.0.0";
    Result deep = run({"long-count", coba, "--json"});
    EXPECT_EQ(deep.status, 0) << deep.err;
    std::vector<std::string> keys = keysOf(run({"long-count", "9.0.0.0.0", "--json"}).out);
    for (const char* civil : {"gregorian", "julian"}) // null, with no year, month and day
        keys.erase(std::find(keys.begin(), keys.end(), civil) + 1,
                   std::find(keys.begin(), keys.end(), civil) + 4);
    keys.push_back("note");
    EXPECT_EQ(keysOf(deep.out), keys);
    EXPECT_NE(deep.out.find(R"("inscribed":")" + coba), std::string::npos);
    Result r = run({"distance", "9.12.11.5.18", coba});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("To        no Gregorian or Julian date  " + coba), std::string::npos);

    // The stela's own Calendar Round is the creation day's, not the count's.
    r = run({"long-count", coba + " 4 Ahau 8 Cumku"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("whose Calendar Round is 4 Ahau 18 Uo; it is the Calendar Round of the "
                         "creation day"),
              std::string::npos)
        << r.err;
    // Periods of a deep count below zero: on a katun ending, and the day before it.
    r = run({"long-count", "--", "-1.0.0.0.0.0.0.0"});
    EXPECT_NE(r.out.find("Period ending      baktun, katun 9 Ahau\n"), std::string::npos) << r.out;
    r = run({"long-count", "--", "-1.0.0.0.0.0.0.1"});
    EXPECT_NE(r.out.find("Period ending      none\nKatun              9 Ahau, ending 8.0.0.0.0 "
                         "(616 eras before) 9 Ahau 8 Zac (in 1 day)\n"),
              std::string::npos)
        << r.out;
}

TEST(InscriptionCli, MatchListsDaysAsNextDoes) {
    Result r = run({"match", "9.12.*.*.* 6 Etznab 11 Yax"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "August 29, 683 A.D. (Gregorian)  9.12.11.5.18  6 Edznab 11 Yax  G1  JDN 1970761\n");
    r = run({"match", "9.*.*.0.0 * Ahau 8 *", "--limit", "3", "--from", "9.0.0.0.0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zentolk-cli: 99 days from 9.0.0.0.0 to 13.0.0.0.0 fit '9.*.*.0.0 * Ahau 8 "
                     "*'; the first 3 are shown (see --limit)\n");
    EXPECT_PRED2(startsWith, r.out,
                 "December 3, 436 A.D. (Gregorian)  9.0.1.0.0  4 Ahau 8 Ceh  G9  JDN");
    r = run({"match", "* Ahau 8 Cumku", "--to", "0.0.0.0.0", "--from", "-0.0.0.0.1", "--json"});
    EXPECT_EQ(r.out.substr(0, 14), "[\n  {\"jdn\":584");
    r = run({"match", "9.12.*.*.* 6 Etznab 12 Yax"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
}

} // namespace
