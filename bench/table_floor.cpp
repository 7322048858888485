// The least a table converter can cost: read the lines, parse four integers
// on each, and write a given number of bytes, spread evenly over the lines,
// from a ready buffer. bench/tsv-throughput sets each mode's CPU time
// against this program's writing that mode's output size.
// Usage: table_floor OUTPUT_BYTES LINES < input > output
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {
char input[1 << 16];
char output[1 << 16];
char filler[4096];

void flush(std::size_t& size) {
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = write(1, output + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            std::exit(1);
        done += static_cast<std::size_t>(n);
    }
    size = 0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: table_floor OUTPUT_BYTES LINES < input > output\n");
        return 2;
    }
    const long long total = std::atoll(argv[1]);
    const long long lines = std::atoll(argv[2]);
    std::memset(filler, 'x', sizeof filler);
    long long line = 0, written = 0;
    std::int64_t checksum = 0, value = 0;
    int fields = 0;
    bool negative = false;
    std::size_t held = 0;
    for (;;) {
        const ssize_t n = read(0, input, sizeof input);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i) {
            const char c = input[i];
            if (c >= '0' && c <= '9') {
                value = value * 10 + (c - '0');
            } else if (c == '-') {
                negative = true;
            } else if (c == '\t' || c == ',' || c == '\n') {
                checksum += negative ? -value : value;
                value = 0;
                negative = false;
                ++fields;
                if (c == '\n') {
                    ++line;
                    const long long due = lines > 0 ? total * line / lines : 0;
                    auto bytes = static_cast<std::size_t>(due - written);
                    written = due;
                    while (bytes > 0) {
                        if (held + bytes > sizeof output)
                            flush(held);
                        const std::size_t piece = bytes < sizeof filler ? bytes : sizeof filler;
                        std::memcpy(output + held, filler, piece);
                        held += piece;
                        bytes -= piece;
                    }
                }
            }
        }
    }
    // The sum keeps the parsing from being optimised away; it goes with the
    // output, so that the timing's standard error holds nothing else.
    const int size =
        std::snprintf(output + held, 64, "%d %lld\n", fields, static_cast<long long>(checksum));
    held += static_cast<std::size_t>(size);
    flush(held);
    return 0;
}
