#include "platform/MessageCatalogue.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <libintl.h>
#include <string_view>
#include <unistd.h>

namespace zentolk::platform {
namespace {
// The folder the running program's file lies in.
std::string programFolder() {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    const std::string_view file(path, static_cast<std::size_t>(n));
    return std::string(file.substr(0, file.rfind('/')));
}

bool holdsCatalogue(const std::string& folder, const char* domain, Language language) {
    const std::string file =
        folder + "/" + std::string(LanguageCode(language)) + "/LC_MESSAGES/" + domain + ".mo";
    return ::access(file.c_str(), R_OK) == 0;
}

bool isCLocale(const char* name) {
    return name == nullptr || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
}
} // namespace

std::string MessageCatalogueFolder(const char* domain, Language language,
                                   const char* installedDir) {
    const std::string program = programFolder();
    if (!program.empty()) {
        const std::string beside = program + "/../share/locale";
        if (holdsCatalogue(beside, domain, language))
            return beside;
    }
    if (installedDir != nullptr && holdsCatalogue(installedDir, domain, language))
        return installedDir;
    return {};
}

bool UseMessageCatalogue(const char* domain, Language language, const char* installedDir) {
    const std::string folder = MessageCatalogueFolder(domain, language, installedDir);
    if (folder.empty())
        return false;
    // gettext picks the catalogue by LANGUAGE, which it heeds in any
    // messages locale but C; C.UTF-8 is always there to stand in for a
    // locale that was never generated.
    if (isCLocale(std::setlocale(LC_MESSAGES, nullptr)) &&
        std::setlocale(LC_MESSAGES, "C.UTF-8") == nullptr)
        return false;
    ::setenv("LANGUAGE", std::string(LanguageCode(language)).c_str(), 1);
    ::bindtextdomain(domain, folder.c_str());
    // The catalogue is UTF-8; without this an ASCII character set would
    // turn every accent into '?'.
    ::bind_textdomain_codeset(domain, "UTF-8");
    return true;
}

const char* CatalogueText(const char* domain, const char* english) {
    return ::dgettext(domain, english);
}

const char* CatalogueText(const char* domain, const char* one, const char* many, unsigned long n) {
    return ::dngettext(domain, one, many, n);
}

} // namespace zentolk::platform
