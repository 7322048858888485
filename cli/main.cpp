#include "cli/Cli.h"

#include <clocale>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    // The percentages use the user's decimal separator, as in the window.
    std::setlocale(LC_ALL, "");
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return zentolk::cli::Run(args, {});
}
