// The table outputs for data tools (--csv, --format, --strict), run in process.
#include "cli/Table.h"

#include "InProcessCli.h"
#include "cli/TableColumns.h"
#include "engine/AlmanacDay.h"
#include "engine/CivilCalendar.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using Result = zentolk::testing::CliResult;

Result run(std::vector<std::string_view> args, const std::string& input = "") {
    return zentolk::testing::RunCliInProcess(std::move(args), input);
}

const std::string Header = std::string(zentolk::cli::CsvHeader) + "\n";
const std::string StartDayCsv =
    "8,11,3114,B.C.,1,1,,584283,584283,0,1872000,0.00000,100.00000,Starting,Start of Cycle,"
    "0.0.0.0.0,0,0,0,0,0,0.0.0.0.0.0,4,20,Ahau,1,Monday,8,18,Cumku,4 Ahau 8 Cumku,9,0\n";
const std::string Empty26(26, ',');
const std::string AlmanacCsvHeader =
    "input,ok,error,jdn,correlation,correlation_name,day_count,gregorian_year,gregorian_month,"
    "gregorian_day,julian_year,julian_month,julian_day,long_count,baktun,katun,tun,uinal,kin,"
    "pictun,tzolkin_number,tzolkin_name_index,tzolkin_name,haab_day,haab_month_index,"
    "haab_month,calendar_round,lord_of_the_night,station_819_long_count,"
    "station_819_calendar_round,station_819_days_since,year_bearer_system,year_bearer_number,"
    "year_bearer_name,baktun_place,era,inscribed\n";
const std::string AD2000 = "Starting\t1,867,262\t99.74690%\t4,738\t0.25310%\tnone\t12.19.6.15.2\t"
                           "0.12.19.6.15.2\t11  Ik (Wind)\tSaturday\n";

struct Case {
    const char* name;
    std::vector<std::string_view> args;
    std::string input, out;
    int status;
    std::string err; // a part of standard error, or "" for none at all
};

class Tables : public ::testing::TestWithParam<Case> {};

TEST_P(Tables, Convert) {
    const Case& c = GetParam();
    const Result r = run(c.args, c.input);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.status, c.status);
    if (c.err.empty())
        EXPECT_EQ(r.err, "");
    else
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
}

const std::string StartDayJson =
    R"({"month":"8","day":"11","year":"3114","era":"bc","era_index":1,"ok":true,"error":null,)"
    R"("jdn":584283,"exact_jdn":584283,"days_elapsed":0,"days_remaining":1872000,)"
    R"("elapsed_share":0.00000,"remaining_share":100.00000,"great_cycle":"Starting",)"
    R"("harmonic":"Start of Cycle","long_count":{"text":"0.0.0.0.0","places":[0,0,0,0,0]},)"
    R"("historical_long_count":"0.0.0.0.0.0","tzolkin":{"number":4,"name_index":20,)"
    R"("name":"Ahau"},"week_day":{"index":1,"name":"Monday"},"haab":{"day":8,"month_index":18,)"
    R"("month":"Cumku"},"calendar_round":"4 Ahau 8 Cumku","lord_of_the_night":9,"day_shift":0})"
    "\n";
const std::string NullReadings =
    R"("jdn":null,"exact_jdn":null,"days_elapsed":null,"days_remaining":null,)"
    R"("elapsed_share":null,"remaining_share":null,"great_cycle":null,"harmonic":null,)"
    R"("long_count":null,"historical_long_count":null,"tzolkin":null,"week_day":null,)"
    R"("haab":null,"calendar_round":null,"lord_of_the_night":null,"day_shift":null})";

INSTANTIATE_TEST_SUITE_P(
    Cli, Tables,
    ::testing::Values(
        Case{"csv_header_skipped_and_written",
             {"--csv"},
             "Month,Day,Year,Era\r\n8,11,3114,B.C.\r\n",
             Header + StartDayCsv,
             0,
             ""},
        Case{"quoted_fields",
             {"--csv"},
             "\"8\",\"11\",\"3114\",\"B.C.\"\n",
             Header + StartDayCsv,
             0,
             ""},
        Case{"era_spellings_and_blanks",
             {"--csv", "--format=tsv"},
             "1,1,2000, ad\n1,1,2000,A.D.\n1,1,2000,Bc\n1,1,2000,0\n",
             "1\t1\t2000\t ad\t" + AD2000 + "1\t1\t2000\tA.D.\t" + AD2000 +
                 "1\t1\t2000\tBc\tStarting\t406,658\t21.72318%\t1,465,342\t78.27682%\tnone\t"
                 "2.16.9.10.18\t0.2.16.9.10.18\t9  Edznab  (Flint)\tMonday\n"
                 "1\t1\t2000\t0\t" +
                 AD2000,
             0,
             ""},
        Case{"a_failed_row_keeps_every_column",
             {"--csv"},
             "x,1,2000,0\n",
             Header + "x,1,2000,0,0,0,'x' is not a valid integer value" + Empty26 + "\n",
             0,
             ""},
        Case{"quotes_and_commas_in_texts_are_quoted",
             {"--csv"},
             "\"a,\"\"b\",1,2000,0\n",
             Header + "\"a,\"\"b\",1,2000,0,0,0,\"'a,\"\"b' is not a valid integer value\"" +
                 Empty26 + "\n",
             0,
             ""},
        Case{"json_lines_typed",
             {"--tsv", "--format=json"},
             "8\t11\t3114\tbc\n",
             StartDayJson,
             0,
             ""},
        Case{"json_escapes_and_mends_bytes",
             {"--csv", "--format", "json"},
             "\"\t\\\xff\",1,1,0\n",
             R"({"month":"\u0009\\)"
             "\xEF\xBF\xBD"
             R"(","day":"1","year":"1","era":"0","era_index":0,)"
             R"("ok":false,"error":"'\u0009\\)"
             "\xEF\xBF\xBD"
             R"(' is not a valid integer value",)" +
                 NullReadings + "\n",
             0,
             ""},
        Case{"rolls_over_unless_strict",
             {"--csv", "--format=tsv"},
             "2,31,2023,0\n",
             "2\t31\t2023\t0\tPlus 1\t3,724\t0.19893%\t1,868,276\t99.80107%\tnone\t0.0.10.6.4\t"
             "0.13.0.10.6.4\t10  Kan (Seed, Lizard)\tFriday\n",
             0,
             ""},
        Case{"strict_day",
             {"--tsv", "--strict"},
             "2\t29\t2023\t0\n2\t29\t5\tB.C.\n",
             "2\t29\t2023\t0\tday 29 is not a day of February 2023 A.D. (1 to 28)\n"
             "2\t29\t5\tB.C.\tStarting\t1,135,375\t60.65038%\t736,625\t39.34962%\tnone\t"
             "7.17.13.14.15\t0.7.17.13.14.15\t11  Men  (Eagle)\tThursday\n",
             1,
             ""},
        Case{"strict_month_csv",
             {"--csv", "--strict"},
             "13,1,2024,0\n",
             Header + "13,1,2024,0,0,0,month 13 is not a month of the year (1 to 12)" + Empty26 +
                 "\n",
             1,
             ""},
        Case{"strict_exit_for_bad_text",
             {"--csv", "--strict", "--format=json"},
             "1,1,$,0\n",
             R"({"month":"1","day":"1","year":"$","era":"0","era_index":0,"ok":false,)"
             R"("error":"'$' is not a valid integer value",)" +
                 NullReadings + "\n",
             1,
             ""},
        // Lines that are no rows are error rows in their places, with what
        // could be read of their fields.
        Case{"lines_that_are_no_rows_keep_their_places",
             {"--csv"},
             "1,2,3\n\n1,1,1,zz\n",
             Header + "1,2,3,,,0,\"it has 3 fields, not four (month, day, year, era)\"" + Empty26 +
                 "\n,,,,,0,the line is blank" + Empty26 +
                 "\n1,1,1,zz,,0,\"its era 'zz' is none of A.D., AD, B.C., BC or an era index\"" +
                 Empty26 + "\n",
             1,
             "line 1 is an error row: it has 3 fields, not four (month, day, year, era)\n"
             "zentolk-cli: line 2 is an error row: the line is blank\n"
             "zentolk-cli: line 3 is an error row: its era 'zz' is none of A.D., AD, B.C., BC or "
             "an era index\nzentolk-cli: 3 of 3 lines are error rows\n"},
        Case{"a_row_never_spans_lines",
             {"--csv"},
             "\"1\n2\",1\n1,1\n",
             Header + "1,,,,,0,unclosed quote" + Empty26 +
                 "\n\"2\"\"\",1,,,,0,\"it has 2 fields, " + "not four (month, day, year, era)\"" +
                 Empty26 + "\n1,1,,,,0,\"it has 2 fields, not four (month, day, year, era)\"" +
                 Empty26 + "\n",
             1,
             "line 1 is an error row: unclosed quote\nzentolk-cli: line 2 is an error row: it has "
             "2 fields"},
        Case{"an_unclosed_quote_loses_only_its_line",
             {"--csv"},
             "8,11,3114,B.C.\n\"1,1,1,1\n8,11,3114,B.C.\n",
             Header + StartDayCsv + "\"1,1,1,1\",,,,,0,unclosed quote" + Empty26 + "\n" +
                 StartDayCsv,
             1,
             "line 2 is an error row: unclosed quote\nzentolk-cli: 1 of 3 lines is an error row\n"},
        Case{"headers_and_blank_lines_pass_alike_when_asked",
             {"--tsv", "--header", "--skip-blank"},
             "Month\tDay\tYear\tEra\r\n\r\n \n1\t1\t2000\t0\n\n",
             std::string("month\tday\tyear\tera\tgreat_cycle\tdays_elapsed\telapsed_share\t"
                         "days_remaining\tremaining_share\tharmonic\tlong_count\t"
                         "historical_long_count\ttzolkin\tweek_day\n") +
                 "1\t1\t2000\t0\t" + AD2000,
             0,
             ""},
        // Loaders take every field as written: tsv escapes what would split
        // or quote a field and what is no UTF-8, csv mends the bytes.
        Case{"tsv_fields_load_as_written",
             {"--csv", "--format=tsv"},
             "\"a\"\"\tb\",1,caf\xe9,0\n",
             "a\\x22\\tb\t1\tcaf\\xe9\t0\t'a\\x22\\tb' is not a valid integer value\n",
             0,
             ""},
        Case{"csv_output_is_utf8",
             {"--csv"},
             "1,1,caf\xe9,0\n",
             Header + "1,1,caf\xef\xbf\xbd,0,0,0,'caf\xef\xbf\xbd' is not a valid integer value" +
                 Empty26 + "\n",
             0,
             ""},
        Case{"years_beyond_the_range_are_error_rows",
             {"--tsv"},
             "1\t1\t-1000000\tBC\n1\t1\t1000001\t0\n",
             "1\t1\t-1000000\tBC\tthe year lies outside -1,000,000 to 1,000,000\n"
             "1\t1\t1000001\t0\tthe year lies outside -1,000,000 to 1,000,000\n",
             0,
             ""},
        Case{"exact_readings_of_the_true_day",
             {"--csv", "--exact"},
             "1,1,5000,BC\n2,30,2000,0\n",
             Header +
                 // The almanac's day: 12 Oc 13 Uo, G6; the calculator's is a day before.
                 "1,1,5000,BC,1,1,,-104788,-104787,1182930,689070,63.19070,36.80930,Minus 1,"
                 "none,8.4.5.16.10,8,4,5,16,10,< 0.0.0.0.0.0,12,10,Oc,4,Thursday,13,2,Uo,"
                 "12 Oc 13 Uo,6,-1\n"
                 "2,30,2000,0,0,0,day 30 is not a day of February 2000 A.D. (1 to 29)" +
                 Empty26 + "\n",
             0,
             ""},
        // The almanac's table (its values: check-almanac-table).
        Case{"almanac_tsv_header_and_day_numbers",
             {"almanac", "--tsv", "--header", "--input=jdn", "--julian"},
             "jdn\n584283\n1,5\n",
             "input\tjdn\tgregorian\tjulian\tlong_count\ttzolkin\thaab\tlord_of_the_night\t"
             "station_819_long_count\tstation_819_calendar_round\tstation_819_days_since\t"
             "year_bearer\tbaktun_place\tera\tinscribed\n"
             "584283\t584283\t-3113-08-11\t-3113-09-06\t0.0.0.0.0\t4 Ahau\t8 Cumku\tG9\t"
             "-0.0.0.0.3\t1 Caban 5 Cumku\t3\t7 Eb\t0\t0\t0.0.0.0.0\n"
             // An error row padded to the header's width.
             "1,5\t'1,5' is not a day number\t\t\t\t\t\t\t\t\t\t\t\t\t\n",
             0,
             ""},
        Case{"almanac_one_field_lines_only",
             {"almanac", "--csv", "--input=jdn"},
             "1,2\n",
             AlmanacCsvHeader + "1,0,\"it has 2 fields, not one (a day number)\"" +
                 std::string(34, ',') + "\n",
             1,
             "line 1 is an error row: it has 2 fields, not one (a day number)\nzentolk-cli: 1 of "
             "1 line is an error row\n"},
        // A pipeline can fail on bad dates: --strict for the almanac too.
        Case{"almanac_strict_fails_on_an_error_row",
             {"almanac", "--tsv", "--strict", "--input=iso"},
             "gregorian\n2023-02-29\n",
             "2023-02-29\tno such day in the calendar\n",
             1,
             ""},
        // At most 20 lines named, then one line for the rest.
        Case{"messages_stop_at_twenty",
             {"--tsv"},
             std::string(25, '\n'),
             [] {
                 std::string rows;
                 for (int i = 0; i < 25; ++i)
                     rows += "\t\t\t\tthe line is blank\n";
                 return rows;
             }(),
             1,
             "line 20 is an error row: the line is blank\nzentolk-cli: ... and 5 more\n"
             "zentolk-cli: 25 of 25 lines are error rows\n"},
        Case{"format_needs_a_table",
             {"--format=json", "1", "1", "2000"},
             "",
             "",
             2,
             "--format applies"},
        Case{"unknown_format", {"--csv", "--format=xml"}, "", "", 2, "tsv, csv or json, not 'xml'"},
        Case{"one_input_at_a_time", {"--csv", "--tsv"}, "", "", 2, "cannot be used together"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The tables' limits, each hit exactly and passed by one, in every input:
// the start of each row the output holds after its header, in order.
struct Limit {
    const char* name;
    std::vector<std::string_view> args;
    std::string input;
    std::vector<std::string> rows;
    int status = 0;
    std::string err = ""; // a part of standard error, or "" for none at all
};

class Limits : public ::testing::TestWithParam<Limit> {};

TEST_P(Limits, RowsStartAsListed) {
    const Limit& l = GetParam();
    const Result r = run(l.args, l.input);
    std::vector<std::string> rows;
    for (std::size_t at = 0, end; (end = r.out.find('\n', at)) != std::string::npos; at = end + 1)
        rows.push_back(r.out.substr(at, end - at));
    if (!rows.empty() && (rows.front().starts_with("month,") || rows.front().starts_with("input,")))
        rows.erase(rows.begin());
    ASSERT_EQ(rows.size(), l.rows.size()) << r.out << r.err;
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_TRUE(rows[i].starts_with(l.rows[i])) << rows[i] << "\nwanted\n" << l.rows[i];
    EXPECT_EQ(r.status, l.status) << r.err;
    if (l.err.empty())
        EXPECT_EQ(r.err, "");
    else
        EXPECT_NE(r.err.find(l.err), std::string::npos) << r.err;
}

const std::string OutOfYears = "the year lies outside -1,000,000 to 1,000,000";
const std::string OutOfDays = "the day lies outside the years -1,000,000 to 1,000,000";

INSTANTIATE_TEST_SUITE_P(
    Cli, Limits,
    ::testing::Values(
        // 01000000 is read by the engine's path, the others by the fast one.
        Limit{"years",
              {"--tsv", "--format=csv"},
              "1\t1\t1000000\t0\n1\t1\t01000000\t0\n1\t1\t1000001\t0\n1\t1\t-1000000\t0\n"
              "1\t1\t-1000001\t0\n1\t1\t1000001\tBC\n1\t1\t1000002\tBC\n1\t1\t-999999\tBC\n",
              {"1,1,1000000,0,0,1,,366963560,", "1,1,01000000,0,0,1,,366963560,",
               "1,1,1000001,0,0,0,\"" + OutOfYears + "\",,", "1,1,-1000000,0,0,1,,-363521440,",
               "1,1,-1000001,0,0,0,\"" + OutOfYears, "1,1,1000001,BC,1,1,,-363521440,",
               "1,1,1000002,BC,1,0,\"" + OutOfYears, "1,1,-999999,BC,1,1,,366963560,"}},
        Limit{"strict_months_and_days",
              {"--tsv", "--strict", "--format=csv"},
              "12\t31\t2023\t0\n13\t1\t2023\t0\n0\t1\t2023\t0\n1\t0\t2023\t0\n1\t32\t2023\t0\n"
              "2\t29\t2024\t0\n2\t29\t2023\t0\n2\t29\t2000\t0\n00000002\t29\t1900\t0\n",
              {"12,31,2023,0,0,1,,2460310,", "13,1,2023,0,0,0,month 13 is not a month",
               "0,1,2023,0,0,0,month 0 is not a month", "1,0,2023,0,0,0,day 0 is not a day",
               "1,32,2023,0,0,0,day 32 is not a day of January 2023 A.D. (1 to 31),,",
               "2,29,2024,0,0,1,,2460370,", "2,29,2023,0,0,0,day 29 is not a day",
               "2,29,2000,0,0,1,,2451604,", "00000002,29,1900,0,0,0,day 29 is not a day"},
              1},
        Limit{"each_field_that_is_no_number",
              {"--tsv"},
              "x\t1\t2000\t0\n1\ty\t2000\t0\n1\t1\tz\t0\n",
              {"x\t1\t2000\t0\t'x' is not a valid integer value",
               "1\ty\t2000\t0\t'y' is not a valid integer value",
               "1\t1\tz\t0\t'z' is not a valid integer value"}},
        Limit{"fields_of_tab_lines",
              {"--tsv", "--format=csv"},
              "1\t1\t2000\n1\t1\t2000\t0\n1\t1\t2000\t0\t0\n",
              {"1,1,2000,,,0,\"it has 3 fields", "1,1,2000,0,0,1,,2451545,",
               "1,1,2000,0,,0,\"it has 5 fields"},
              1,
              "line 1 is an error row: it has 3 fields, not four (month, day, year, era)\n"
              "zentolk-cli: line 3 is an error row: it has 5 fields"},
        Limit{"fields_of_csv_lines",
              {"--csv", "--format=json"},
              "1,1,2000\n1,1,2000,0\n1,1,2000,0,\n",
              {R"({"month":"1","day":"1","year":"2000","era":"","era_index":null,"ok":false,)"
               R"j("error":"it has 3 fields, not four (month, day, year, era)","jdn":null,)j",
               R"({"month":"1","day":"1","year":"2000","era":"0","era_index":0,"ok":true,)",
               R"({"month":"1","day":"1","year":"2000","era":"0","era_index":null,"ok":false,)"},
              1,
              "line 3 is an error row: it has 5 fields"},
        // A CR in a quoted field is the field's, not a line end.
        Limit{"cr_in_csv_fields",
              {"--csv", "--format=csv"},
              "\"1\r\",1,2000,0\r\n1,\"1\r\n",
              {"\"1\r\",1,2000,0,0,0,\"'1\r' is not a valid integer value\",,",
               "1,1,,,,0,unclosed quote,,"},
              1,
              "line 2 is an error row: unclosed quote"},
        Limit{"cr_in_json_strings",
              {"--csv", "--format=json"},
              "\"\r1\",1,2000,0\n",
              {R"({"month":"\u000d1","day":"1","year":"2000","era":"0","era_index":0,"ok":false,)"
               R"("error":"'\u000d1' is not a valid integer value","jdn":null,)"}},
        Limit{"almanac_dates",
              {"almanac", "--tsv"},
              "1\t1\t-1000000\t0\n12\t31\t1000000\t0\n12\t31\t-1000001\t0\n1\t1\t1000001\t0\n"
              "1\t1\t1000001\tBC\n1\t1\t1000002\tBC\n2\t29\t1900\t0\n2\t29\t2000\t0\n",
              {"1\t1\t-1000000\t0\t-363521440\t-1000000-01-01\t",
               "12\t31\t1000000\t0\t366963925\t+1000000-12-31\t",
               "12\t31\t-1000001\t0\t" + OutOfYears, "1\t1\t1000001\t0\t" + OutOfYears,
               "1\t1\t1000001\tBC\t-363521440\t", "1\t1\t1000002\tBC\t" + OutOfYears,
               "2\t29\t1900\t0\tno such day in the calendar", "2\t29\t2000\t0\t2451604\t"}},
        Limit{"almanac_julian_dates",
              {"almanac", "--tsv", "--julian"},
              "1\t1\t-1000000\t0\n12\t31\t1000000\t0\n1\t1\t1000001\t0\n2\t29\t1900\t0\n",
              {"1\t1\t-1000000\t0\t-363528942\t-1000021-06-18\t-1000000-01-01\t",
               "12\t31\t1000000\t0\t366971423\t+1000021-07-12\t+1000000-12-31\t",
               "1\t1\t1000001\t0\t" + OutOfYears,
               "2\t29\t1900\t0\t2415092\t1900-03-13\t1900-02-29\t"}},
        // A year of fewer than four digits is no ISO date, and none is written.
        Limit{"almanac_iso_dates",
              {"almanac", "--tsv", "--input=iso"},
              "-1000000-01-01\n-1000001-12-31\n1000000-12-31\n1000001-01-01\n999-01-01\n"
              "0999-01-01\n-0001-01-01\n",
              {"-1000000-01-01\t-363521440\t-1000000-01-01\t-999980-07-16\t",
               "-1000001-12-31\t" + OutOfYears, "1000000-12-31\t366963925\t+1000000-12-31\t",
               "1000001-01-01\t" + OutOfYears,
               "999-01-01\t'999-01-01' is not a date written YYYY-MM-DD",
               "0999-01-01\t2085938\t0999-01-01\t0998-12-27\t10.8.11.4.15\t",
               "-0001-01-01\t1720695\t-0001-01-01\t-0001-01-03\t"}},
        Limit{"almanac_day_numbers",
              {"almanac", "--tsv", "--input=jdn"},
              "-363521440\n-363521441\n366963925\n366963926\n",
              {"-363521440\t-363521440\t-1000000-01-01\t", "-363521441\t" + OutOfDays,
               "366963925\t366963925\t+1000000-12-31\t", "366963926\t" + OutOfDays}},
        Limit{"almanac_julian_day_numbers",
              {"almanac", "--tsv", "--input=jdn", "--julian"},
              "-363528942\n-363528943\n366971423\n366971424\n",
              {"-363528942\t-363528942\t-1000021-06-18\t-1000000-01-01\t",
               "-363528943\t" + OutOfDays, "366971423\t366971423\t+1000021-07-12\t+1000000-12-31\t",
               "366971424\t" + OutOfDays}},
        Limit{"almanac_long_counts",
              {"almanac", "--tsv", "--input=long-count"},
              "-126.8.10.4.14.3\n-126.8.10.4.14.4\n127.4.6.1.4.2\n127.4.6.1.4.3\n",
              {"-126.8.10.4.14.3\t-363521440\t", "-126.8.10.4.14.4\t" + OutOfDays,
               "127.4.6.1.4.2\t366963925\t", "127.4.6.1.4.3\t" + OutOfDays}},
        // A correlation next to a named one has no name of its own.
        Limit{"almanac_correlation_before_a_name",
              {"almanac", "--tsv", "--format=csv", "--input=jdn", "--correlation=584282"},
              "584283\n",
              {"584283,1,,584283,584282,,1,-3113,8,11,"}},
        Limit{"almanac_named_correlation",
              {"almanac", "--tsv", "--format=csv", "--input=jdn", "--correlation=584283"},
              "584283\n",
              {"584283,1,,584283,584283,Goodman-Martinez-Thompson,0,"}},
        Limit{"almanac_correlation_after_a_name",
              {"almanac", "--tsv", "--format=json", "--input=jdn", "--correlation=584284"},
              "584283\n",
              {R"({"input":"584283","ok":true,"error":null,"jdn":584283,"correlation":584284,)"
               R"("correlation_name":null,"day_count":-1,)"}},
        Limit{"almanac_next_named_correlation",
              {"almanac", "--tsv", "--format=json", "--input=jdn", "--correlation=584285"},
              "584283\n",
              {R"({"input":"584283","ok":true,"error":null,"jdn":584283,"correlation":584285,)"
               R"("correlation_name":"Lounsbury","day_count":-2,)"}}),
    [](const ::testing::TestParamInfo<Limit>& info) { return std::string(info.param.name); });

// Plain --tsv is the path it always was: the same bytes as the new path's
// tsv output for every row it converts.
TEST(TablesAgree, TsvPathsAgree) {
    std::string input;
    for (int i = 0; i < 3000; ++i)
        input += std::to_string(i % 14) + "\t" + std::to_string((i * 7) % 33) + "\t" +
                 std::to_string((i * 7919) % 20000 - 5000) + "\t" + std::to_string(i % 3) + "\n";
    const Result plain = run({"--tsv", "--decimal-separator", ","}, input);
    const Result table =
        run({"--tsv", "--format=tsv", "--strict", "--decimal-separator", ","}, input);
    EXPECT_EQ(plain.status, 0);
    // Strict rows differ only where the date is outside its calendar.
    std::size_t at = 0, bt = 0, differing = 0;
    while (at < plain.out.size() && bt < table.out.size()) {
        const std::size_t ae = plain.out.find('\n', at), be = table.out.find('\n', bt);
        const std::string a = plain.out.substr(at, ae - at), b = table.out.substr(bt, be - bt);
        if (a != b) {
            ++differing;
            EXPECT_NE(b.find(" is not a "), std::string::npos) << a << "\n" << b;
        }
        at = ae + 1;
        bt = be + 1;
    }
    EXPECT_EQ(at, plain.out.size());
    EXPECT_EQ(bt, table.out.size());
    EXPECT_GT(differing, 0u);
    EXPECT_LT(differing, 3000u);
}

// Dirty tables of every kind a data person meets, through every input and
// output of both tables with the date picked from a wider table: row N in is
// row N out, the carried columns come through unchanged, the flags say which
// rows failed, and the dates the almanac writes are the dates it read.
namespace dirty {
enum class Kind { Good, Blank, BadDate, Short, Unclosed };

struct Line {
    Kind kind;
    std::string id, date; // the date as the almanac writes it, for a good line
};

// A csv document's rows, RFC 4180 as loaders read it.
std::vector<std::vector<std::string>> CsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            rows.back().back() += text[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            rows.back().emplace_back();
        else if (!quoted && c == '\n')
            rows.emplace_back(1);
        else
            rows.back().back() += c;
    }
    rows.pop_back(); // after the last line end
    return rows;
}

std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> parts(1);
    for (const char c : text)
        if (c == at)
            parts.emplace_back();
        else
            parts.back().push_back(c);
    return parts;
}
} // namespace dirty

TEST(DirtyTables, EveryLineIsARowInItsPlaceWithItsColumns) {
    using namespace dirty;
    std::mt19937 random(32);
    const char* const notes[] = {"plain",
                                 "a\"b",
                                 "\x01"
                                 "ctl",
                                 "caf\xe9",
                                 "caf\xc3\xa9",
                                 "",
                                 " x "};
    const char* const ends[] = {"\n", "\r\n", "\r"};
    for (int file = 0; file < 120; ++file) {
        const bool csv = file % 2 == 0, almanac = file % 4 < 2;
        const char sep = csv ? ',' : '\t';
        const std::string end = ends[random() % 3];
        std::vector<Line> lines;
        std::string text = std::string(random() % 3 == 0 ? "\xEF\xBB\xBF" : "") +
                           (almanac ? "id" + std::string(1, sep) + "when"
                                    : "id" + std::string(1, sep) + "m" + sep + "d" + sep + "y") +
                           sep + "note" + end;
        const int count = 1 + int(random() % 40);
        for (int n = 0; n < count; ++n) {
            Line line{Kind(random() % 5), "r" + std::to_string(n), ""};
            if (line.kind == Kind::Unclosed && !csv)
                line.kind = Kind::Good;
            const std::int64_t jdn = 1721426 + std::int64_t(random() % 3652059);
            const zentolk::CivilDate day = zentolk::JdnToCivil(zentolk::Calendar::Gregorian, jdn);
            line.date = zentolk::IsoDateText(day);
            std::string date = almanac ? line.date
                                       : std::to_string(day.month) + sep + std::to_string(day.day) +
                                             sep + std::to_string(day.year);
            if (line.kind == Kind::BadDate)
                date = almanac ? "2023-02-30" : std::string("x") + sep + "1" + sep + "2000";
            std::string note = notes[random() % std::size(notes)];
            if (csv) { // quoted, its quotes doubled, with a comma
                for (std::size_t q = note.find('"'); q != std::string::npos;
                     q = note.find('"', q + 2))
                    note.insert(q, 1, '"');
                note = "\"" + note + ", \"\"q\"\"\"";
            }
            switch (line.kind) {
            case Kind::Blank:
                text += end;
                break;
            case Kind::Short:
                text += line.id + sep + date + end;
                break;
            case Kind::Unclosed:
                text += line.id + sep + date + sep + "\"open" + end;
                break;
            default:
                text += line.id + sep + date + sep + note + end;
            }
            lines.push_back(line);
        }
        for (const char* format : {"--format=tsv", "--format=csv", "--format=json"}) {
            std::vector<std::string_view> args = {csv ? "--csv" : "--tsv", format, "--header"};
            if (almanac)
                args.insert(args.begin(), {"almanac", "--input=iso", "--column=when"});
            else
                args.insert(args.end(), {"--columns=m,d,y", "--era=AD"});
            if (std::string_view(format) == "--format=json")
                args.erase(std::find(args.begin(), args.end(), "--header"));
            const Result r = run(args, text);
            const std::string where = std::string(format) + " file " + std::to_string(file);
            const bool clean = std::all_of(lines.begin(), lines.end(), [](const Line& l) {
                return l.kind == Kind::Good || l.kind == Kind::BadDate;
            });
            EXPECT_EQ(r.status, clean ? 0 : 1) << where << r.err;
            // Each output row: its id, whether it is ok, and (almanac, tsv) its Gregorian date.
            std::vector<std::array<std::string, 3>> rows;
            if (std::string_view(format) == "--format=csv") {
                const auto table = CsvRows(r.out);
                ASSERT_FALSE(table.empty()) << where;
                const auto ok =
                    std::find(table[0].begin(), table[0].end(), "ok") - table[0].begin();
                for (std::size_t i = 1; i < table.size(); ++i) {
                    ASSERT_EQ(table[i].size(), table[0].size()) << where << " row " << i;
                    rows.push_back({table[i][0], table[i][std::size_t(ok)] == "1" ? "1" : "0", ""});
                }
            } else if (std::string_view(format) == "--format=tsv") {
                auto text = Split(r.out, '\n');
                text.pop_back();
                ASSERT_FALSE(text.empty()) << where;
                const std::size_t width = Split(text[0], '\t').size();
                for (std::size_t i = 1; i < text.size(); ++i) {
                    const auto fields = Split(text[i], '\t');
                    ASSERT_EQ(fields.size(), width) << where << " row " << i << ": " << text[i];
                    // An error row's message is followed by empty padding only.
                    const bool ok = !fields[almanac ? 4 : 7].empty();
                    rows.push_back({fields[0], ok ? "1" : "0", almanac ? fields[4] : ""});
                }
            } else {
                for (const std::string& object : Split(r.out, '\n')) {
                    if (object.empty())
                        continue;
                    const std::size_t id = object.find("\"id\":\"");
                    ASSERT_NE(id, std::string::npos) << where << object;
                    rows.push_back({object.substr(id + 6, object.find('"', id + 6) - id - 6),
                                    object.find("\"ok\":true") != std::string::npos ? "1" : "0",
                                    ""});
                }
            }
            ASSERT_EQ(rows.size(), lines.size()) << where << "\n" << r.out;
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const Line& l = lines[i];
                EXPECT_EQ(rows[i][1], l.kind == Kind::Good ? "1" : "0") << where << " line " << i;
                if (l.kind != Kind::Blank) {
                    EXPECT_EQ(rows[i][0], l.id) << where << " line " << i;
                }
                if (l.kind == Kind::Good && !rows[i][2].empty()) {
                    EXPECT_EQ(rows[i][2], l.date) << where << " line " << i;
                }
            }
        }
    }
}

} // namespace
