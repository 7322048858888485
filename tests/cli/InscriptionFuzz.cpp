// Fuzzing of the inscription commands' readers: Long Counts with distance
// numbers and full dates, distances, match patterns and picture days. The
// first byte picks the command, the second its switches; the rest, split at
// NUL bytes, are its words (for picture --lines, its standard input).
// Whatever they are, the command ends with a status of 0, 1 or 2 and its
// messages carry no control byte but the line ends.
#include "FuzzRun.h"
#include "cli/Cli.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {
using namespace zentolk::fuzzing;

constexpr std::string_view Commands[][2] = {
    {"long-count", ""}, {"distance", ""},          {"match", ""},
    {"next", ""},       {"picture", "long-count"}, {"picture", "calendar-round"}};

bool CleanMessages(std::string_view err) {
    return std::none_of(err.begin(), err.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\n') || byte == 0x7f;
    });
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const auto& command = Commands[data[0] % std::size(Commands)];
    const unsigned switches = data[1];
    const std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);
    const bool lines = command[0] == "picture" && (switches & 8) != 0;

    std::vector<std::string> words;
    if (!lines) {
        for (std::size_t at = 0; at <= rest.size();) {
            const std::size_t end = std::min(rest.find('\0', at), rest.size());
            words.emplace_back(rest.substr(at, end - at));
            at = end + 1;
        }
    }
    std::vector<std::string_view> args{command[0]};
    if (!command[1].empty())
        args.push_back(command[1]);
    if (command[0] != "picture") {
        if (switches & 1)
            args.push_back("--json");
        if (switches & 2)
            args.push_back("--julian");
        if (command[0] == "long-count" && (switches & 4))
            args.push_back("--previous-era");
        // A short list: the readers are fuzzed, not the writing of a million days.
        if (command[0] == "match")
            args.insert(args.end(), {"--limit", "3"});
        if (command[0] == "next")
            args.insert(args.end(), {"--count", "3"});
    } else if (lines) {
        args.push_back("--lines");
    }
    if (!words.empty())
        args.push_back("--");
    args.insert(args.end(), words.begin(), words.end());

    const int in = MemoryFile("in"), out = MemoryFile("out"), err = MemoryFile("err");
    if (lines && write(in, rest.data(), rest.size()) != static_cast<ssize_t>(rest.size()))
        std::abort();
    lseek(in, 0, SEEK_SET);
    const int status = zentolk::cli::Run(args, {in, out, err});
    if (status < 0 || status > 2 || !CleanMessages(Contents(err)))
        std::abort();
    close(in);
    close(out);
    close(err);
    return 0;
}
