// The table outputs for data tools (--csv, --format, --strict), run in process.
#include "cli/Table.h"

#include "InProcessCli.h"
#include "cli/TableColumns.h"

#include <cstdio>
#include <gtest/gtest.h>
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
    "year_bearer_name\n";
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
        Case{"skipped_rows_named_plainly",
             {"--csv"},
             "1,2,3\n\n1,1,1,zz\n",
             Header,
             1,
             "line 1 skipped: it has 3 fields, not four (month, day, year, era)\n"
             "zentolk-cli: line 3 skipped: its era 'zz' is none of A.D., AD, B.C., BC or an era "
             "index\n"},
        Case{"a_row_never_spans_lines",
             {"--csv"},
             "\"1\n2\",1\n1,1\n",
             Header,
             1,
             "line 1 skipped: unclosed quote\nzentolk-cli: line 2 skipped: it has 2 fields"},
        Case{"an_unclosed_quote_loses_only_its_line",
             {"--csv"},
             "8,11,3114,B.C.\n\"1,1,1,1\n8,11,3114,B.C.\n",
             Header + StartDayCsv + StartDayCsv,
             1,
             "line 2 skipped: unclosed quote\nzentolk-cli: 1 of 3 lines skipped\n"},
        Case{"headers_and_blank_lines_pass_alike",
             {"--tsv", "--header"},
             "Month\tDay\tYear\tEra\r\n\r\n \n1\t1\t2000\t0\n\n",
             std::string("month\tday\tyear\tera\tgreat_cycle\tdays_elapsed\telapsed_share\t"
                         "days_remaining\tremaining_share\tharmonic\tlong_count\t"
                         "historical_long_count\ttzolkin\tweek_day\n") +
                 "1\t1\t2000\t0\t" + AD2000,
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
             "year_bearer\n"
             "584283\t584283\t-3113-08-11\t-3113-09-06\t0.0.0.0.0\t4 Ahau\t8 Cumku\tG9\t"
             "-0.0.0.0.3\t1 Caban 5 Cumku\t3\t7 Eb\n"
             "1,5\t'1,5' is not a day number\n",
             0,
             ""},
        Case{"almanac_one_field_lines_only",
             {"almanac", "--csv", "--input=jdn"},
             "1,2\n",
             AlmanacCsvHeader,
             1,
             "line 1 skipped: it has 2 fields, not one (a day number)\nzentolk-cli: 1 of 1 line "
             "skipped\n"},
        Case{"format_needs_a_table",
             {"--format=json", "1", "1", "2000"},
             "",
             "",
             2,
             "--format applies"},
        Case{"unknown_format", {"--csv", "--format=xml"}, "", "", 2, "tsv, csv or json, not 'xml'"},
        Case{"one_input_at_a_time", {"--csv", "--tsv"}, "", "", 2, "cannot be used together"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

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

} // namespace
