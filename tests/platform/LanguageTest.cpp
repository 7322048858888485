#include "platform/Language.h"

#include <gtest/gtest.h>

namespace zentolk::platform {
namespace {

// How gettext ranks the variables: LC_ALL, LC_MESSAGES, LANG for the
// locale; LANGUAGE's list over it, except under C.
TEST(Language, ChosenAsGettextChooses) {
    struct Case {
        LanguageEnvironment env;
        Language expected;
    };
    const Case cases[] = {
        {{"", "", "", ""}, Language::English},
        {{"", "", "", "es_MX.UTF-8"}, Language::Spanish},
        {{"", "", "", "es_ES.UTF-8@euro"}, Language::Spanish},
        {{"", "", "", "de_DE.UTF-8"}, Language::English},
        {{"", "C", "", "es_MX.UTF-8"}, Language::English},
        {{"", "", "C.UTF-8", "es_ES.UTF-8"}, Language::English},
        {{"", "", "es_GT.UTF-8", "en_US.UTF-8"}, Language::Spanish},
        {{"", "en_US.UTF-8", "es_GT.UTF-8", ""}, Language::English},
        {{"es:en", "", "", "en_US.UTF-8"}, Language::Spanish},
        {{"fr:de:es_HN", "", "", "en_GB.UTF-8"}, Language::Spanish},
        {{"en:es", "", "", "es_MX.UTF-8"}, Language::English},
        {{"fr", "", "", "es_MX.UTF-8"}, Language::Spanish},
        {{"es", "POSIX", "", ""}, Language::English},
        {{"es", "", "", ""}, Language::English},
        {{"::", "", "", "es_BZ.UTF-8"}, Language::Spanish},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageFrom(c.env), c.expected)
            << "LANGUAGE=" << c.env.language << " LC_ALL=" << c.env.lcAll
            << " LC_MESSAGES=" << c.env.lcMessages << " LANG=" << c.env.lang;
}

TEST(Language, SwitchTakesACodeOrALocaleName) {
    EXPECT_EQ(ReadLanguage("es"), Language::Spanish);
    EXPECT_EQ(ReadLanguage("ES_mx.UTF-8"), Language::Spanish);
    EXPECT_EQ(ReadLanguage("en"), Language::English);
    EXPECT_EQ(ReadLanguage(""), std::nullopt);
    EXPECT_EQ(ReadLanguage("esp"), std::nullopt);
    EXPECT_EQ(ReadLanguage("e"), std::nullopt);
}

} // namespace
} // namespace zentolk::platform
