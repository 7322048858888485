// zentolk-chmread: reads one compiled help file for the viewer, in a process
// of its own. The library that decodes these files is not safe on damaged or
// crafted ones; here a crash or a runaway costs this process only, and the
// viewer reads that as a file that cannot be read. Questions come on
// standard input, answers go to standard output (see Protocol.h). The viewer
// starts it with limits and no environment, and it confines itself before it
// reads the file (Sandbox.h).
#include "viewer/decoder/Protocol.h"
#include "viewer/decoder/Sandbox.h"
#include "viewer/decoder/Transfer.h"

#include <cctype>
#include <cerrno>
#include <chm_lib.h>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace zentolk::viewer::decoder;

// Standard input and output block: there is nothing else to do meanwhile.
bool ReadAll(int fd, void* buffer, std::size_t size) {
    return TransferAll(
        static_cast<char*>(buffer), size,
        [fd](char* bytes, std::size_t left) { return read(fd, bytes, left); }, [] { return true; });
}

bool WriteAll(int fd, const void* buffer, std::size_t size) {
    return TransferAll(
        static_cast<const char*>(buffer), size,
        [fd](const char* bytes, std::size_t left) { return write(fd, bytes, left); },
        [] { return true; });
}

bool Answer(char kind, const void* data = nullptr, std::size_t size = 0) {
    unsigned char header[HeaderSize];
    PutHeader(header, kind, static_cast<std::uint32_t>(size));
    return WriteAll(STDOUT_FILENO, header, sizeof header) &&
           (size == 0 || WriteAll(STDOUT_FILENO, data, size));
}

bool Resolve(chmFile* file, const std::string& path, chmUnitInfo& unit) {
    return path.size() < CHM_MAX_PATHLEN && path.find('\0') == std::string::npos &&
           chm_resolve_object(file, path.c_str(), &unit) == CHM_RESOLVE_SUCCESS;
}

bool AnswerRead(chmFile* file, const std::string& path) {
    chmUnitInfo unit{};
    if (!Resolve(file, path, unit))
        return Answer(NoAnswer);
    if (unit.length > LargestObject)
        return Answer(BrokenAnswer);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(unit.length));
    if (unit.length > 0 && chm_retrieve_object(file, &unit, bytes.data(), 0,
                                               LONGINT64(unit.length)) != LONGINT64(unit.length))
        return Answer(BrokenAnswer);
    return Answer(YesAnswer, bytes.data(), bytes.size());
}

bool AnswerFind(chmFile* file, const std::string& ending) {
    struct Search {
        std::string ending;
        std::string found;
    } search{ending, {}};
    for (char& c : search.ending)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    chm_enumerate_dir(
        file, "/", CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](chmFile*, chmUnitInfo* unit, void* context) {
            auto* s = static_cast<Search*>(context);
            std::string path(unit->path, strnlen(unit->path, sizeof unit->path));
            for (char& c : path)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (path.size() >= s->ending.size() &&
                path.compare(path.size() - s->ending.size(), s->ending.size(), s->ending) == 0) {
                s->found.assign(unit->path, strnlen(unit->path, sizeof unit->path));
                return CHM_ENUMERATOR_SUCCESS;
            }
            return CHM_ENUMERATOR_CONTINUE;
        },
        &search);
    return search.found.empty() ? Answer(NoAnswer)
                                : Answer(YesAnswer, search.found.data(), search.found.size());
}

// Pages are the objects whose names end in ".htm" or ".html", in the order
// the file holds them.
bool AnswerList(chmFile* file) {
    struct Listing {
        std::string paths;
        std::uint32_t count = 0;
    } listing;
    chm_enumerate(
        file, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
        [](chmFile*, chmUnitInfo* unit, void* context) {
            auto* l = static_cast<Listing*>(context);
            std::string path(unit->path, strnlen(unit->path, sizeof unit->path));
            std::string lower = path;
            for (char& c : lower)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const auto endsWith = [&](const char* ending) {
                const std::size_t n = std::strlen(ending);
                return lower.size() > n && lower.compare(lower.size() - n, n, ending) == 0;
            };
            if (path.empty() || path[0] != '/' || path.find('\n') != std::string::npos ||
                !(endsWith(".htm") || endsWith(".html")))
                return CHM_ENUMERATOR_CONTINUE;
            l->paths += path;
            l->paths += '\n';
            return ++l->count < MostListed ? CHM_ENUMERATOR_CONTINUE : CHM_ENUMERATOR_SUCCESS;
        },
        &listing);
    return Answer(YesAnswer, listing.paths.data(), listing.paths.size());
}

} // namespace

#ifdef ZENTOLK_DECODER_PROBE
// A test build tries what the filter forbids and reports how each try ended.
std::string ProbeForbiddenCalls();
#endif

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    bool confined = false;
    const int fd = OpenConfined(argv[1], confined);
    if (!confined)
        return 4;
    HandOver(argv[1], fd);
    chmFile* file = nullptr;
    for (;;) {
        unsigned char header[HeaderSize];
        if (!ReadAll(STDIN_FILENO, header, sizeof header))
            break;
        const std::uint32_t length = HeaderLength(header);
        if (length > LongestQuestion)
            return 3;
        std::string text(length, '\0');
        if (!ReadAll(STDIN_FILENO, text.data(), length))
            break;
        const char kind = static_cast<char>(header[0]);
        bool answered = false;
        if (kind == OpenQuestion) {
            if (file == nullptr && fd >= 0)
                file = chm_open(argv[1]);
            answered = Answer(file != nullptr ? YesAnswer : NoAnswer);
#ifdef ZENTOLK_DECODER_PROBE
        } else if (kind == 'P') {
            const std::string report = ProbeForbiddenCalls();
            answered = Answer(YesAnswer, report.data(), report.size());
#endif
        } else if (file == nullptr) {
            answered = Answer(BrokenAnswer);
        } else if (kind == ContainsQuestion) {
            chmUnitInfo unit{};
            answered = Answer(Resolve(file, text, unit) ? YesAnswer : NoAnswer);
        } else if (kind == ReadQuestion) {
            answered = AnswerRead(file, text);
        } else if (kind == FindQuestion) {
            answered = AnswerFind(file, text);
        } else if (kind == ListQuestion) {
            answered = AnswerList(file);
        } else {
            return 3;
        }
        if (!answered)
            break;
    }
    if (file != nullptr)
        chm_close(file);
    return 0;
}
