// The command line's one JSON writer: compact, and valid whatever it is given.
#include "cli/Json.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using zentolk::cli::JsonWriter;

TEST(Json, StringsAreEscapedAndValidUtf8) {
    struct Case {
        std::string in, out;
    };
    const std::string bad = "\xEF\xBF\xBD"; // U+FFFD
    const Case cases[] = {
        {"\"q\" \\ /", R"("\"q\" \\ /")"},
        {std::string("\0\t\n\x1f\x7f", 5), R"("\u0000\u0009\u000a\u001f\u007f")"},
        {"\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\"\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
        // Cut short, overlong, a surrogate, beyond U+10FFFF, a stray continuation byte.
        {"\xC3", '"' + bad + '"'},
        {"\xC0\xAF\xED\xA0\x80", '"' + bad + bad + bad + bad + bad + '"'},
        {"\xF4\x90\x80\x80x\x80", '"' + bad + bad + bad + bad + "x" + bad + '"'},
    };
    for (const Case& c : cases) {
        std::string out;
        zentolk::cli::AppendJsonString(out, c.in);
        EXPECT_EQ(out, c.out) << c.in;
    }
}

TEST(Json, WriterPutsCommasAndNoBlanks) {
    JsonWriter j;
    j.beginObject().key("a").number(-1).key("b").beginArray().number(1).string(":").null();
    j.beginObject().endObject().beginArray().endArray().boolean(true).endArray();
    j.key("c").beginObject().key("d").boolean(false).endObject().endObject();
    EXPECT_EQ(j.text(), R"({"a":-1,"b":[1,":",null,{},[],true],"c":{"d":false}})");
}

} // namespace
