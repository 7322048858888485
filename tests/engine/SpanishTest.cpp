#include "engine/AlmanacDay.h"
#include "engine/AlmanacInput.h"
#include "engine/Correlation.h"
#include "engine/Epigraphy.h"
#include "engine/Lunar.h"
#include "engine/Periods.h"
#include "engine/Reading.h"
#include "engine/Report.h"
#include "engine/TextParsing.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace zentolk;
using enum zentolk::ReadingField;

namespace {

// The letters of a text, the digits and signs dropped: the words a reading
// shows.
std::string wordsOf(std::string_view text) {
    std::string words;
    for (const char c : text)
        if (!(c >= '0' && c <= '9') && c != '.' && c != ',' && c != '%' && c != '/')
            words += c;
    return words;
}

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : std::string(text) + ' ') {
        if (c == ' ' || c == ',' || c == '(' || c == ')') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

// Every day from well before the start day to past the cycle's end: the
// Spanish readings give the same numbers as the English ones, the same Maya
// sign, and no English word of the program's own.
TEST(Spanish, EveryDayReadsAsInEnglishInSpanishWords) {
    std::set<std::string> spanishWords;
    ReadingTexts english, spanish;
    for (std::int32_t i = 0; i < 1'900'000; ++i) {
        const std::optional<ReadingDay> day = ReadingDayOf(8, 11 - 10'000 + i, 3114, EraIndexBC);
        ASSERT_TRUE(day);
        WriteReadingTexts(*day, '.', english);
        WriteReadingTexts(*day, '.', spanish, Language::Spanish);
        for (const ReadingField field : {KinDays, KinLbl1, KinLeft, KinLbl2, jMayan, LongC})
            ASSERT_EQ(spanish[field].view(), english[field].view()) << i;
        // "12  Ix  (Jaguar)" and "12  Ix (Jaguar)": number and sign alike.
        const std::string_view tzolkin = english[Tzolkin].view();
        ASSERT_TRUE(spanish[Tzolkin].view().starts_with(tzolkin.substr(0, tzolkin.find(" ("))))
            << i;
        for (const ReadingField field : {GreatCycle, ReadingField::Harmonic, Tzolkin, WeekD})
            spanishWords.insert(wordsOf(spanish[field].view()));
    }
    std::set<std::string> englishWords = {"Starting", "Plus", "Minus", "none", "Start", "Cycle"};
    for (const std::string_view name : TzolkinGloss)
        for (const std::string& word : splitWords(name))
            englishWords.insert(word);
    for (const std::string_view name : MonthName)
        englishWords.insert(std::string(name));
    for (const std::string_view name : WeekN)
        englishWords.insert(std::string(name));
    for (const std::string_view gloss : SpanishTzolkinGloss)
        englishWords.erase(std::string(gloss)); // the same in both ("Jaguar")
    for (const std::string& text : spanishWords)
        for (const std::string& word : splitWords(text))
            EXPECT_FALSE(englishWords.contains(word)) << word << " in " << text;
    // Every sign and week day came by, each cycle label and each kind of
    // harmonic (a fraction leaves its brackets).
    EXPECT_EQ(spanishWords.size(), 20u + 7u + 3u + 3u);
}

TEST(Spanish, TextsAsSpanishReadersWriteThem) {
    const ReadingResult worked = ComputeReading({"6", "15", "2024", 0}, '.', Language::Spanish);
    ASSERT_TRUE(worked.ok());
    EXPECT_EQ(worked.Reading,
              (CalendarReading{{"Más 1", "4,194", "0.22404%", "1,867,806", "99.77596%", "ninguno",
                                "0.0.11.11.14", "0.13.0.11.11.14", "12  Ix (Jaguar)", "sábado"}}));
    const ReadingResult start = ComputeReading({"8", "11", "3114", 1}, ',', Language::Spanish);
    EXPECT_EQ(start.Reading[GreatCycle], "Inicial");
    EXPECT_EQ(start.Reading[ReadingField::Harmonic], "Inicio del ciclo");
    EXPECT_EQ(start.Reading[Tzolkin], "4  Ahau (Señor)");
    EXPECT_EQ(ComputeReading({"8", "10", "3114", 1}, '.', Language::Spanish).Reading[GreatCycle],
              "Menos 1");

    const struct {
        CivilDate date;
        std::string_view text;
    } dates[] = {
        {{2024, 6, 15}, "15 de junio de 2024"},
        {{-3113, 8, 11}, "11 de agosto de 3114 a. C."},
        {{0, 12, 31}, "31 de diciembre de 1 a. C."},
        {{1, 1, 1}, "1 de enero de 1"},
    };
    for (const auto& [date, text] : dates)
        EXPECT_EQ(CivilDateText(date, Language::Spanish), text);

    EXPECT_EQ(KatunText(1'389'600 - 1'289, Spelling::Colonial, Language::Spanish),
              "8 Ahau, termina en 9.13.0.0.0 8 Ahau 8 Uo (dentro de 1,289 días)");
    EXPECT_EQ(KatunText(1'389'600, Spelling::Modern, Language::Spanish),
              "8 Ajaw, termina en 9.13.0.0.0 8 Ajaw 8 Wo (este mismo día)");
    EXPECT_EQ(InscribedDayText(-1, Language::Spanish), "12.19.19.17.19 (era anterior)");
    // Plurals as the help writes them.
    EXPECT_EQ(IntervalText(2, {PeriodDays(Period::Katun), Period::Katun}, Spelling::Modern,
                           Language::Spanish),
              "2 k'atunes");
    EXPECT_EQ(IntervalText(2, {500, {}}, Spelling::Colonial, Language::Spanish), "1,000 días");

    EXPECT_EQ(ComputeReading({"6x", "1", "1", 0}, '.', Language::Spanish).Error,
              "«6x» no es un número entero válido");
    EXPECT_EQ(ComputeReading({"1", "1", "2147483647", 0}, '.', Language::Spanish).Error,
              "El mes 1, día 1, año 2147483647 d. C. queda fuera del intervalo que se puede "
              "calcular");
    EXPECT_EQ(CivilDayMessage(CivilDayStatus::NoSuchDay, {"2", "30", "2024", 0}, Language::Spanish),
              "ese día no existe en el calendario");
    EXPECT_EQ(CivilDayMessage(CivilDayStatus::YearOutOfRange, {}, Language::Spanish),
              "el año queda fuera de -1,000,000 a 1,000,000");
    EXPECT_EQ(CalendarRangeProblem({2, 30, 2024}, 2024, 0, Language::Spanish),
              "el día 30 no es un día de febrero de 2024 d. C. (1 a 29)");
    EXPECT_EQ(IntervalText(2, {KatunDays, Period::Katun}, Spelling::Modern, Language::Spanish),
              "2 k'atunes");
    EXPECT_EQ(IntervalText(1, {1, std::nullopt}, Spelling::Colonial, Language::Spanish), "1 día");
}

// The era's names a reader may type, English or Spanish, in either language;
// a word or split into words as a command line splits them.
TEST(Spanish, EraNamesInEitherLanguage) {
    const struct {
        std::string_view text;
        std::optional<std::int32_t> era;
    } names[] = {
        {"B.C.", 1},    {"bc", 1},       {"A.d.", 0},         {"AD", 0},     {"a. C.", 1},
        {"a.C.", 1},    {"A. DE C.", 1}, {"a.de C.", 1},      {"a.  C.", 1}, {"d. C.", 0},
        {"d.C.", 0},    {"d. de c.", 0}, {"a. C", {}},        {"aC", {}},    {" a. C.", {}},
        {"a. C. ", {}}, {"a..C.", {}},   {"d. e C.", {}},     {"b. C.", {}}, {"a. C. de", {}},
        {"A. D.", {}},  {"de C.", {}},   {"a. de de C.", {}}, {"d.", {}},
    };
    for (const auto& [text, era] : names) {
        EXPECT_EQ(ParseEraName(text), era) << text;
        // Split at its blanks, it reads as it does whole.
        EXPECT_EQ(EraOfWords(Words(text)), ParseEraName(Trimmed(text))) << text;
    }
}

// Every day the calculator's fields can show, written with its era as the
// Spanish texts write it, or as a Spanish reader types it, reads back as that
// day; and a Spanish date ends in that era exactly when it has one.
TEST(Spanish, DatesWithSpanishErasReadBack) {
    const std::int64_t first = CivilDayNumber(Calendar::Gregorian, 1 - MaxFieldYear, 1, 1);
    const std::int64_t last = CivilDayNumber(Calendar::Gregorian, MaxFieldYear, 12, 31);
    std::mt19937_64 rng(37);
    std::uniform_int_distribution<std::int64_t> anyDay(first, last);
    for (int i = 0; i < 40'000; ++i) {
        // Every day around 1 B.C. and both ends, then days anywhere.
        const std::int64_t jdn = i < 1'000   ? CivilDayNumber(Calendar::Gregorian, 0, 6, 1) + i
                                 : i < 1'100 ? first + (i - 1'000)
                                 : i < 1'200 ? last - (i - 1'100)
                                             : anyDay(rng);
        const std::optional<FieldDate> f = FieldDateOf(jdn);
        ASSERT_TRUE(f) << jdn;
        const std::string_view era = EraText(f->eraIndex, Language::Spanish);
        const std::string written =
            CivilDateText(JdnToCivil(Calendar::Gregorian, jdn), Language::Spanish);
        ASSERT_EQ(written.ends_with(std::string(" ") += era), f->eraIndex == EraIndexBC) << written;
        std::string compact(era), withDe(era), shouted(era);
        std::erase(compact, ' ');
        withDe.insert(withDe.find('C'), "de ");
        std::transform(shouted.begin(), shouted.end(), shouted.begin(),
                       [](char c) { return static_cast<char>(std::toupper(c)); });
        const std::string date = std::to_string(f->month) + " " + std::to_string(f->day) + " " +
                                 std::to_string(f->year) + " ";
        for (const std::string& spelling : {std::string(era), compact, withDe, shouted}) {
            std::string error;
            ASSERT_EQ(ParseDateText(date + spelling, Calendar::Gregorian, error), jdn)
                << date << spelling << ": " << error;
        }
    }
}

TEST(Spanish, ReportHasItsFourteenLinesWithSpanishLabels) {
    const ReadingResult r = ComputeReading({"6", "15", "2024", 0}, '.', Language::Spanish);
    const std::string report = BuildReport(
        {"6", "15", "2024", std::string(EraText(0, Language::Spanish)), ViewsOf(r.Reading)}, "\n",
        Language::Spanish);
    EXPECT_EQ(report, "Mes:  6\n"
                      "Día:  15\n"
                      "Año:  2024   d. C.\n"
                      "\n"
                      "Gran Ciclo:  Más 1\n"
                      "Cuenta larga:  0.0.11.11.14\n"
                      "Kines transcurridos:  4,194  (0.22404%)\n"
                      "Kines restantes:  1,867,806  (99.77596%)\n"
                      "Armónico del ciclo:  ninguno\n"
                      "\n"
                      "Cuenta larga histórica:  0.13.0.11.11.14\n"
                      "\n"
                      "Día del tzolkin:  12  Ix (Jaguar)\n"
                      "Día de la semana:  sábado\n");
}

// A reader's message (or, where it reads the text, its note) in a language.
using Reader = std::string (*)(std::string_view, Language);
template <typename Result> std::string said(const Result& result, const std::string& error) {
    if constexpr (requires { result->note; })
        return result ? result->note : error;
    else
        return error;
}
constexpr auto Colonial = Spelling::Colonial;

// Bad input for every reader, most as the readers' own tests refuse it: each
// message in Spanish is whole, keeps the user's quoted text and the numbers,
// and shares no word with the English beyond names both languages write.
TEST(Spanish, EveryReaderSaysInSpanishWhatItSaysInEnglish) {
    std::string deep = "19"; // the largest count of 29 places but one
    for (int place = 1; place < 29; ++place)
        deep += ".19";
    const std::string coba =
        "13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.13.0.0.0.0";
    const std::string places29 =
        "1.2.3.4.5.6.7.8.9.10.11.12.13.14.15.16.17.18.19.0.1.2.3.4.5.6.7.8.9";
    const struct {
        Reader read;
        std::vector<std::string> inputs;
    } corpus[] = {
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ReadWideLongCountDate(t, e, Colonial, l), e);
         },
         {"9.12.11.5",
          "9.12.x.5.18",
          "9.20.11.5.18",
          "-20.0.0.0.0",
          "13.0.0.0.1 (era before)",
          "13.0.0.0.1 2 eras before",
          "1.20.0.0.0.0.0",
          places29 + ".0",
          "9.12.11.5.18 6 Etznab 12 Yax",
          "9.12.11.5.18 6 Etznab 16 Yax",
          "9.12.11.5.18 7 Ik 15 Zip",
          "13.0.0.0.0 4 Ahau 8 Cumku",
          coba + " 4 Ahau 8 Cumku",
          coba + " 4 Ahau 9 Cumku",
          "9.12.11.5.18 3 Kej",
          "9.12.11.5.18 3 Nope",
          "9.12.11.5.18 x Ahau",
          "9.12.11.5.18 14 Ahau",
          "9.12.11.5.18 4 Ahau 8",
          "9.12.11.5.18 6 Etznab 7 Ahau",
          "9.12.11.5.18 2 Yax 3 Pop",
          "9.12.11.5.18 6 Uayeb",
          "9.12.11.5.18 20 Yax"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ApplyWideDistances(0, t, e, l), e);
         },
         {"2.18.0", "+ 2.18.0", "+ 20", "- 1.20.0.0", "+ 2.x.0", "+ ", "+ 1." + places29,
          "+ 20.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0.0",
          "+ " + deep + " + " + deep}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseInterval(t, e, l), e);
         },
         {"foo", "0", "1.20.0", "1.2.3.4.5.6.7.8.9.10.11.12.13.14.15"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseIsoDay(t, Calendar::Gregorian, e, l), e);
         },
         {"2024-6-15", "2024-02-30", "2000000-01-01"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseDayNumber(t, Calendar::Gregorian, e, l), e);
         },
         {"12x", "99999999999999999999"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(
                 ParseLongCountDay(t, DefaultCorrelation, Calendar::Gregorian, e, Colonial, l), e);
         },
         {"1.0.0.0.0.0.0.0", "9.20.0.0.0", "9.12.11.5.18 6 Etznab 16 Yax"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseDateText(t, Calendar::Gregorian, e, l), e);
         },
         {"6 15 2024 XX", "6 15", "x 15 2024", "6 y 2024", "6 15 z", "6 15 2000000", "13 1 2000",
          "2 30 2023"}},
        {[](std::string_view t, Language l) {
             std::string e;
             const std::optional<CalendarRoundQuery> q = ParseCalendarRound(t, e, Colonial, l);
             return q && q->note.empty() ? WhyNoDay(*q, Colonial, l) : said(q, e);
         },
         {"4 Ahau 9 Cumku", "3 Kej", "4 Ahau 8", "x Ahau", "4 Nope", "4 Ahau 5 Imix",
          "8 Cumku 9 Pop", "14 Ahau", "6 Uayeb", "20 Ceh"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseDatePattern(t, e, Colonial, l), e);
         },
         {"9.*.*.0 * Ahau", "9.*.*.18.0", "* Ahau 8 * 3", "14 Ahau", "5 Uayeb * Ahau",
          "* Ahau * Imix", "", "9.*.*.0.0 * Nope", "20.9.*.*.0.0", "9.*.*.0.0 x Ahau", "* Kej",
          "* Ahau 3 Pop 4 Zip"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseCorrelation(t, e, l), e);
         },
         {"foo", "999999999"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseRecordedSeries(t, e, l), e);
         },
         {"", "D 20", "E 10", "C 7", "A 31", "D 5 edad 6", "Z 3", "C x", "C 2 C 3", "A 29 A 30"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParsePeriodQuery(t, e, l), e);
         },
         {"katun 14", "foo", "katun 13 x"}},
        {[](std::string_view t, Language l) {
             std::string e;
             return said(ParseShortFormDate(t, e, Colonial, l), e);
         },
         {"3 Ahau 3 Mol katun 14", "3 Ahau 3 Mol foo", "4 Ahau 9 Cumku katun 2",
          "3 Ahau 3 Mol tun tun"}},
    };
    // Runs of at least `least` characters `in` accepts. (No <regex> here:
    // GCC 12 warns inside it when built with the sanitizers.)
    const auto runs = [](const std::string& text, auto in, std::size_t least = 1) {
        std::multiset<std::string> found;
        for (std::size_t i = 0; i < text.size();) {
            std::size_t j = i;
            while (j < text.size() && in(static_cast<unsigned char>(text[j])))
                ++j;
            if (j - i >= least)
                found.insert(text.substr(i, j - i));
            i = j == i ? i + 1 : j;
        }
        return found;
    };
    const auto lower = [](unsigned char c) { return c >= 'a' && c <= 'z'; };
    const auto latin = [](unsigned char c) { return std::isalpha(c) && c < 0x80; };
    const auto letter = [](unsigned char c) { return (std::isalpha(c) && c < 0x80) || c >= 0x80; };
    // Numbers as the messages write them, "1,000" one number.
    const auto numbers = [](const std::string& text) {
        std::multiset<std::string> found;
        for (std::size_t i = 0; i < text.size();) {
            if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
                ++i;
                continue;
            }
            std::size_t j = i;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
                ++j;
            while (j + 3 < text.size() && text[j] == ',' &&
                   std::isdigit(static_cast<unsigned char>(text[j + 1])) &&
                   std::isdigit(static_cast<unsigned char>(text[j + 2])) &&
                   std::isdigit(static_cast<unsigned char>(text[j + 3])))
                j += 4;
            found.insert(text.substr(i, j - i));
            i = j;
        }
        return found;
    };
    // Names both languages write alike: the calendar's, the periods' and
    // places', the correlations' and a few words Spanish shares.
    std::set<std::string> shared = {"baktun", "katun",    "tun",        "uinal",   "kin",
                                    "pictun", "calabtun", "kinchiltun", "alautun", "lahuntun",
                                    "hotun",  "era",      "eras",       "no",      "AD",
                                    "BC",     "MM",       "DD",         "Lunar"};
    for (const std::string_view name : TzolkinSign)
        shared.emplace(name);
    for (const std::string_view name : HaabMonth)
        shared.emplace(name);
    for (const std::string_view name : ModernTzolkinSign)
        shared.emplace(name);
    for (const std::string_view name : ModernHaabMonth)
        shared.emplace(name);
    for (const NamedCorrelation& c : NamedCorrelations)
        for (const std::string& word : runs(std::string(c.key), lower))
            shared.insert(word);
    // Texts in '...' (the quotes outside any word) or "...".
    const auto quoted = [](const std::string& text) {
        const auto word = [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
        };
        std::multiset<std::string> found;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '"') {
                const std::size_t close = text.find('"', i + 1);
                if (close == std::string::npos)
                    break;
                found.insert(text.substr(i + 1, close - i - 1));
                i = close;
            } else if (text[i] == '\'' && (i == 0 || !word(text[i - 1]))) {
                const std::size_t close = text.find('\'', i + 1);
                if (close != std::string::npos &&
                    (close + 1 == text.size() || !word(text[close + 1]))) {
                    found.insert(text.substr(i + 1, close - i - 1));
                    i = close;
                }
            }
        }
        return found;
    };
    std::set<std::string> messages;
    for (const auto& [read, inputs] : corpus)
        for (const std::string& input : inputs) {
            const std::string english = read(input, Language::English),
                              spanish = read(input, Language::Spanish);
            SCOPED_TRACE(input + "\n" + english + "\n" + spanish);
            ASSERT_FALSE(english.empty());
            EXPECT_NE(spanish, english);
            EXPECT_EQ(quoted(spanish), quoted(english));
            EXPECT_EQ(numbers(spanish), numbers(english));
            std::set<std::string> left;
            const auto words = runs(english, latin, 2), ownWords = runs(input, latin);
            for (const std::string& word : runs(spanish, letter, 2))
                if (words.contains(word) && !shared.contains(word) && !ownWords.contains(word))
                    left.insert(word);
            EXPECT_TRUE(left.empty()) << *left.begin();
            messages.insert(english);
        }
    EXPECT_GE(messages.size(), 80u);
}

} // namespace
