#include "cli/Messages.h"

#include "engine/Wording.h"
#include "platform/MessageCatalogue.h"

#include <cerrno>
#include <cstring>

#ifndef ZENTOLK_LOCALEDIR
#define ZENTOLK_LOCALEDIR "/usr/share/locale"
#endif

namespace zentolk::cli {
namespace {
constexpr const char* Domain = "zentolk-cli";
platform::Language spoken = platform::Language::English;
} // namespace

void SpeakLanguage(platform::Language language) {
    // English is the texts themselves: no catalogue stands between them
    // and the output.
    spoken = language != platform::Language::English &&
                     platform::UseMessageCatalogue(Domain, language, ZENTOLK_LOCALEDIR)
                 ? language
                 : platform::Language::English;
}

platform::Language SpokenLanguage() {
    return spoken;
}

const char* Tr(const char* english) {
    // gettext's answer for "" is the catalogue's header.
    return spoken == platform::Language::English || *english == '\0'
               ? english
               : platform::CatalogueText(Domain, english);
}

const char* TrN(const char* one, const char* many, unsigned long long n) {
    if (spoken == platform::Language::English)
        return n == 1 ? one : many;
    return platform::CatalogueText(Domain, one, many, static_cast<unsigned long>(n));
}

std::string SystemErrorText(int errnum) {
    struct Known {
        int errnum;
        const char* english;
    };
    // The system's English words, which the catalogue translates.
    static constexpr Known Texts[] = {
        {ENOENT, N_("No such file or directory")},
        {EACCES, N_("Permission denied")},
        {EPERM, N_("Operation not permitted")},
        {ENOSPC, N_("No space left on device")},
        {EDQUOT, N_("Disk quota exceeded")},
        {EFBIG, N_("File too large")},
        {EISDIR, N_("Is a directory")},
        {ENOTDIR, N_("Not a directory")},
        {EROFS, N_("Read-only file system")},
        {EEXIST, N_("File exists")},
        {EIO, N_("Input/output error")},
        {ELOOP, N_("Too many levels of symbolic links")},
        {ENAMETOOLONG, N_("File name too long")},
        {EMFILE, N_("Too many open files")},
        {ENFILE, N_("Too many open files in system")},
    };
    for (const Known& known : Texts)
        if (known.errnum == errnum)
            return Tr(known.english);
    return std::strerror(errnum);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return FilledText(pattern, values);
}

} // namespace zentolk::cli
