// Period endings and Calendar Rounds placed by their katun or period, each
// against a walk over the days, across the era before and three eras on
// either side; the texts of periods, spans and clues.
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
// period are 0, the tun a multiple of the period's tuns.
bool placesEnd(std::int64_t day, Period period) {
    const LongCountPlaces p = LongCountOf(InscribedOf(day).count);
    const int tuns[] = {1, 5, 10, 20, 20};
    return p.uinal == 0 && p.kin == 0 && p.tun % tuns[static_cast<int>(period)] == 0 &&
           (period != Period::Baktun || p.katun == 0);
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
        std::int64_t katunEnd = 0;
        for (std::int64_t day = to + KatunDays; day >= from; --day) {
            if (placesEnd(day, Period::Katun))
                katunEnd = day;
            if (day <= to && FitsRound(round, day) &&
                (!clues.katunAjaw || TzolkinOf(katunEnd).number == *clues.katunAjaw) &&
                (!clues.periodEnding || placesEnd(day, *clues.periodEnding)))
                walked.insert(walked.begin(), day);
        }
        EXPECT_EQ(found.days, walked) << CalendarRoundText(round) << " from " << from;
        EXPECT_EQ(found.total, static_cast<std::int64_t>(walked.size()));
    }
}

// What each reader makes of a text ('i' an interval, 'p' a period with its
// Ahau, 's' a short-form date), in a few words; a refusal gives its reason.
std::string readAs(char reader, const char* text) {
    std::string error, out = "refused";
    if (reader == 'i') {
        if (const std::optional<Interval> every = ParseInterval(text, error))
            out = std::to_string(every->days);
    } else if (reader == 'p') {
        if (const std::optional<PeriodQuery> q = ParsePeriodQuery(text, error))
            out = std::string(PeriodName(q->period)) + " " + std::to_string(q->ajaw.value_or(0));
    } else if (const std::optional<ShortFormDate> d = ParseShortFormDate(text, error)) {
        const PlaceClues& c = d->clues;
        out = "katun " + std::to_string(c.katunAjaw.value_or(0)) + ", ends " +
              (c.periodEnding ? std::string(PeriodName(*c.periodEnding)) : "none");
    }
    EXPECT_EQ(out == "refused", !error.empty()) << text;
    return out;
}

TEST(PeriodTexts, ReadAsWrittenOrRefusedWithAReason) {
    const struct {
        char reader;
        const char* text;
        const char* read;
    } cases[] = {
        {'i', "0", "refused"},
        {'i', "uinal", "refused"},
        {'i', "1.18.0", "refused"},
        {'p', "Katun 13 Ahau", "katun 13"},
        {'p', "ho'tun", "hotun 0"},
        {'p', "katun 13 Imix", "refused"},
        {'s', "3 Ajaw 3 Muwaan in k'atun 13 Ajaw", "katun 13, ends none"},
        {'s', "3 Ahau 3 Mol, ending the tun", "katun 0, ends tun"},
        {'s', "3 Ahau lahuntun katun 2", "katun 2, ends lahuntun"},
        {'s', "3 Ahau 3 Mol tun tun", "refused"},
        {'s', "katun 13", "refused"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readAs(c.reader, c.text), c.read) << c.text;
}

// An anniversary's distance in either language: no English plural or "days"
// left in a Spanish list.
TEST(PeriodTexts, IntervalsInBothLanguages) {
    const Interval tun{360, Period::Tun}, katun{7200, Period::Katun}, days{365, std::nullopt},
        day{1, std::nullopt};
    const struct {
        std::int64_t times;
        const Interval* every;
        Spelling spelling;
        const char* english;
        const char* spanish;
    } cases[] = {
        {1, &tun, Spelling::Colonial, "1 tun", "1 tun"},
        {4, &tun, Spelling::Colonial, "4 tuns", "4 tunes"},
        {1, &day, Spelling::Colonial, "1 day", "1 día"},
        {4, &days, Spelling::Colonial, "1,460 days", "1,460 días"},
        {2, &katun, Spelling::Modern, "2 k'atuns", "2 k'atunes"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntervalText(c.times, *c.every, c.spelling), c.english);
        EXPECT_EQ(IntervalText(c.times, *c.every, c.spelling, Language::Spanish), c.spanish);
    }
}

} // namespace
} // namespace zentolk
