#pragma once
// Runs the command-line calculator in process on a given standard input and
// collects what it writes.
#include "cli/Cli.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zentolk::testing {

struct CliResult {
    int status;
    std::string out, err;
};

inline std::string ReadAllAndClose(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, file))
        text.append(buffer, n);
    std::fclose(file);
    return text;
}

inline CliResult RunCliInProcess(std::vector<std::string_view> args,
                                 const std::string& input = "") {
    std::FILE* in = std::tmpfile();
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::fflush(in);
    std::rewind(in);
    const int status = zentolk::cli::Run(args, {fileno(in), fileno(out), fileno(err)});
    std::fclose(in);
    return {status, ReadAllAndClose(out), ReadAllAndClose(err)};
}

} // namespace zentolk::testing
