#include "engine/Report.h"

#include "WorkedExample.h"

#include <gtest/gtest.h>

using zentolk::BuildReport;
using zentolk::ReportTexts;

namespace {

const ReportTexts worked{"6",
                         "15",
                         "2024",
                         "A.D.",
                         "Plus 1",
                         "4,194",
                         "0.22404%",
                         "1,867,806",
                         "99.77596%",
                         "none",
                         "0.0.11.11.14",
                         "0.13.0.11.11.14",
                         "12  Ix  (Jaguar)",
                         "Saturday"};

TEST(Report, WorkedExampleByteForByte) {
    const std::string& expected = zentolk::testing::WorkedExampleReport;
    EXPECT_EQ(BuildReport(worked), expected);
    EXPECT_EQ(BuildReport(worked).size(), 286u);
}

TEST(Report, EmptyTextsKeepEveryLabel) {
    ReportTexts cleared{};
    cleared.ADBC = "A.D.";
    const std::string report = BuildReport(cleared);
    EXPECT_EQ(report.size(), 187u);
    EXPECT_NE(report.find("\r\nElapsed Kin:    ()\r\n"), std::string::npos);
    EXPECT_NE(report.find("\r\nRemaining Kin:    ()\r\n"), std::string::npos);
}

TEST(Report, TextsAreCopiedAsShown) {
    ReportTexts texts = worked;
    texts.Year = "+5";
    texts.ADBC = "B.C.";
    EXPECT_NE(BuildReport(texts).find("\r\nYear:  +5   B.C.\r\n"), std::string::npos);
}

TEST(Report, OtherLineEnds) {
    const std::string report = BuildReport(worked, "\n");
    EXPECT_EQ(report.size(), 286u - 14);
    EXPECT_EQ(report.find('\r'), std::string::npos);
    EXPECT_TRUE(report.ends_with("Week Day:  Saturday\n"));
}

} // namespace
