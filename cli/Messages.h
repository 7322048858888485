#pragma once

#include "platform/Language.h"

#include <initializer_list>
#include <string>
#include <string_view>

// Marks an English text for the catalogue where it is only defined; Tr
// translates it where it is shown.
#define N_(text) text

namespace zentolk::cli {

// The language the command line speaks to people: help, usage, messages
// and the blocks' labels. Tables are data and never follow it. English when
// the language's catalogue cannot be found.
void SpeakLanguage(platform::Language language);
platform::Language SpokenLanguage();

// An English text in the language spoken, and its form for a count n.
const char* Tr(const char* english);
const char* TrN(const char* one, const char* many, unsigned long long n);

// What a system error number means, in the language spoken. The errors a
// file can meet have texts of ours, the system's English words and their
// translations, so that a message reads alike whatever locale the system
// has generated or the user chose; any other is the system's text.
std::string SystemErrorText(int errnum);

// A message with its %1, %2, ... filled in: translations may reorder them.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace zentolk::cli
