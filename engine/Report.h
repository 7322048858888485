#pragma once

#include "Reading.h"

#include <string>
#include <string_view>

namespace zentolk {

// What the 14-line report shows: the input texts, the era's text and the ten
// readings, each exactly as the window shows it.
struct ReportTexts {
    std::string_view Month;
    std::string_view Day;
    std::string_view Year;
    std::string_view ADBC;
    Readings<std::string_view> Reading;
};

inline constexpr std::string_view ClipboardLineEnd = "\r\n";

// Appends the report; every line, the last included, ends in lineEnd. The
// language is the labels'; the texts are taken as they are.
void AppendReport(std::string& out, const ReportTexts& texts,
                  std::string_view lineEnd = ClipboardLineEnd,
                  Language language = Language::English);
std::string BuildReport(const ReportTexts& texts, std::string_view lineEnd = ClipboardLineEnd,
                        Language language = Language::English);

} // namespace zentolk
