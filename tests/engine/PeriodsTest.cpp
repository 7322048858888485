// Period endings and Calendar Rounds placed by their katun or period, each
// against a walk over the days, across the era before and three eras on
// either side; anniversary spans read from their names and numbers.
#include "engine/Periods.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <vector>

namespace zentolk {
namespace {

constexpr std::int64_t ThreeEras = 3 * EraDays;

// Whether a day ends the period as its era writes it: the places below the
// period are 0, and the tun a multiple of the period's tuns.
bool placesEnd(std::int64_t day, Period period) {
    const LongCountPlaces p = LongCountOf(InscribedOf(day).count);
    if (p.uinal != 0 || p.kin != 0)
        return false;
    switch (period) {
    case Period::Tun:
        return true;
    case Period::Hotun:
        return p.tun % 5 == 0;
    case Period::Lahuntun:
        return p.tun % 10 == 0;
    case Period::Katun:
        return p.tun == 0;
    case Period::Baktun:
        return p.tun == 0 && p.katun == 0;
    }
    return false;
}

std::int64_t randomDay(std::mt19937_64& rng, std::int64_t span) {
    return static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(2 * ThreeEras - span)) -
           ThreeEras;
}

TEST(PeriodEndings, EveryListedEndingHasZeroLowerPlacesAndItsAhau) {
    std::mt19937_64 rng(33);
    for (int n = 0; n < 60; ++n) {
        const Period period = AllPeriods[rng() % AllPeriods.size()];
        const std::optional<int> ajaw =
            rng() % 3 == 0 ? std::nullopt : std::optional<int>(1 + rng() % TzolkinNumbers);
        // Wide enough for several baktun endings, so each period's few count.
        const std::int64_t span = period == Period::Baktun ? 4 * EraDays : 300000;
        const std::int64_t from = randomDay(rng, span), to = from + span;
        const std::int64_t limit = 1 + static_cast<std::int64_t>(rng() % 400);
        const MatchResult found = PeriodEndings(period, ajaw, from, to, limit);

        std::vector<std::int64_t> walked; // every uinal: endings are whole uinals
        std::int64_t total = 0;
        for (std::int64_t day = from + Remainder<std::int64_t>(-from, UinalDays); day <= to;
             day += UinalDays)
            if (placesEnd(day, period) && (!ajaw || TzolkinOf(day).number == *ajaw)) {
                EXPECT_EQ(TzolkinOf(day).sign, TzolkinSigns) << day;
                if (++total <= limit)
                    walked.push_back(day);
            }
        EXPECT_EQ(found.days, walked) << PeriodName(period) << " from " << from;
        EXPECT_EQ(found.total, total) << PeriodName(period) << " from " << from;
    }
}

TEST(PlaceRound, FindsWhatAWalkOverTheDaysFinds) {
    std::mt19937_64 rng(819);
    for (int n = 0; n < 80; ++n) {
        const std::int64_t span = 60000 + static_cast<std::int64_t>(rng() % 200000);
        const std::int64_t from = randomDay(rng, span + KatunDays), to = from + span;
        // A round of a real day, often a period ending, whole or in part.
        std::int64_t source = randomDay(rng, 0);
        if (rng() % 2)
            source -= Remainder<std::int64_t>(source, TunDays);
        CalendarRoundQuery round;
        const int parts = static_cast<int>(rng() % 4);
        if (parts != 1)
            round.tzolkin = TzolkinOf(source);
        if (parts != 2)
            round.haab = HaabOf(source);
        PlaceClues clues;
        if (rng() % 2)
            clues.katunAjaw = 1 + static_cast<int>(rng() % TzolkinNumbers);
        if (rng() % 2)
            clues.periodEnding = AllPeriods[rng() % 4]; // the baktun's are too rare here
        const MatchResult found = PlaceRound(round, clues, from, to, 1000000);

        // Backwards, so that the katun ending each day lies in is known.
        std::vector<std::int64_t> walked;
        std::int64_t katunEnd = to + KatunDays;
        while (!placesEnd(katunEnd, Period::Katun))
            --katunEnd;
        for (std::int64_t day = to; day >= from; --day) {
            if (placesEnd(day, Period::Katun))
                katunEnd = day;
            if (FitsRound(round, day) &&
                (!clues.katunAjaw || TzolkinOf(katunEnd).number == *clues.katunAjaw) &&
                (!clues.periodEnding || placesEnd(day, *clues.periodEnding)))
                walked.insert(walked.begin(), day);
        }
        EXPECT_EQ(found.days, walked) << CalendarRoundText(round) << " from " << from;
        EXPECT_EQ(found.total, static_cast<std::int64_t>(walked.size()));
        for (const std::int64_t day : found.days) {
            EXPECT_TRUE(FitsRound(round, day)) << day;
            EXPECT_EQ(LargestPeriodEnded(day).has_value(), placesEnd(day, Period::Tun)) << day;
        }
    }
}

TEST(Intervals, ReadAsPeriodsDaysOrDistanceNumbers) {
    const struct {
        const char* text;
        std::int64_t days; // 0: refused
    } cases[] = {
        {"tun", TunDays},
        {"K'atun", KatunDays},
        {"bak'tun", BaktunDays},
        {"lajuntun", 3600},
        {"hotun", 1800},
        {"365", 365},
        {"1.0.0", TunDays},
        {"2.4.0", 800},
        {"0", 0},
        {"uinal", 0},
        {"-5", 0},
        {"1.18.0", 0},
        {"", 0},
    };
    for (const auto& c : cases) {
        std::string error;
        const std::optional<Interval> every = ParseInterval(c.text, error);
        EXPECT_EQ(every ? every->days : 0, c.days) << c.text;
        EXPECT_EQ(error.empty(), every.has_value()) << c.text << ": " << error;
    }
    std::string error;
    EXPECT_EQ(IntervalText(2, *ParseInterval("katun", error), Spelling::Modern), "2 k'atuns");
}

// The window's texts: a period with its Ahau, and a round with its clues.
TEST(ShortFormTexts, ReadTheirCluesOrSayWhyNot) {
    const struct {
        const char* text;
        std::optional<int> katun;
        std::optional<Period> ending;
        bool read;
    } cases[] = {
        {"3 Ahau 3 Mol", {}, {}, true},
        {"3 Ahau 3 Mol katun 13", 13, {}, true},
        {"3 Ajaw 3 Muwaan in k'atun 13 Ajaw", 13, {}, true},
        {"3 Ahau 3 Mol, ending the tun", {}, Period::Tun, true},
        {"3 Ahau lahuntun katun 2", 2, Period::Lahuntun, true},
        {"3 Ahau katun", {}, Period::Katun, true},
        {"3 Ahau 3 Mol katun 14", {}, {}, false},
        {"3 Ahau 3 Mol tun tun", {}, {}, false},
        {"3 Ahau 4 Mol tun", {}, {}, false},
        {"katun 13", {}, {}, false},
    };
    for (const auto& c : cases) {
        std::string error;
        const std::optional<ShortFormDate> date = ParseShortFormDate(c.text, error);
        ASSERT_EQ(date.has_value(), c.read) << c.text << ": " << error;
        EXPECT_EQ(error.empty(), c.read) << c.text;
        if (date) {
            EXPECT_EQ(date->clues.katunAjaw, c.katun) << c.text;
            EXPECT_EQ(date->clues.periodEnding, c.ending) << c.text;
        }
    }
    std::string error;
    EXPECT_EQ(ParsePeriodQuery("Katun 13 Ahau", error)->ajaw, 13);
    EXPECT_EQ(ParsePeriodQuery("hotun", error)->period, Period::Hotun);
    EXPECT_FALSE(ParsePeriodQuery("katun 13 Imix", error));
    EXPECT_FALSE(ParsePeriodQuery("uinal", error));
}

} // namespace
} // namespace zentolk
