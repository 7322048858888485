#include "platform/LocaleId.h"

#include <algorithm>
#include <iterator>

namespace zentolk::platform {

namespace {

struct Entry {
    std::string_view name;
    std::uint32_t id;
};

// Sorted by name for the binary search.
constexpr Entry LocaleIds[] = {
    {"ar_SA", 0x0401}, {"bg_BG", 0x0402}, {"ca_ES", 0x0403}, {"cs_CZ", 0x0405}, {"da_DK", 0x0406},
    {"de_AT", 0x0C07}, {"de_CH", 0x0807}, {"de_DE", 0x0407}, {"de_LU", 0x1007}, {"el_GR", 0x0408},
    {"en_AU", 0x0C09}, {"en_CA", 0x1009}, {"en_GB", 0x0809}, {"en_IE", 0x1809}, {"en_IN", 0x4009},
    {"en_NZ", 0x1409}, {"en_US", 0x0409}, {"en_ZA", 0x1C09}, {"es_AR", 0x2C0A}, {"es_ES", 0x0C0A},
    {"es_MX", 0x080A}, {"et_EE", 0x0425}, {"fi_FI", 0x040B}, {"fr_BE", 0x080C}, {"fr_CA", 0x0C0C},
    {"fr_CH", 0x100C}, {"fr_FR", 0x040C}, {"he_IL", 0x040D}, {"hr_HR", 0x041A}, {"hu_HU", 0x040E},
    {"is_IS", 0x040F}, {"it_CH", 0x0810}, {"it_IT", 0x0410}, {"ja_JP", 0x0411}, {"ko_KR", 0x0412},
    {"lt_LT", 0x0427}, {"lv_LV", 0x0426}, {"nb_NO", 0x0414}, {"nl_BE", 0x0813}, {"nl_NL", 0x0413},
    {"nn_NO", 0x0814}, {"pl_PL", 0x0415}, {"pt_BR", 0x0416}, {"pt_PT", 0x0816}, {"ro_RO", 0x0418},
    {"ru_RU", 0x0419}, {"sk_SK", 0x041B}, {"sl_SI", 0x0424}, {"sr_RS", 0x241A}, {"sv_FI", 0x081D},
    {"sv_SE", 0x041D}, {"th_TH", 0x041E}, {"tr_TR", 0x041F}, {"uk_UA", 0x0422}, {"vi_VN", 0x042A},
    {"zh_CN", 0x0804}, {"zh_HK", 0x0C04}, {"zh_SG", 0x1004}, {"zh_TW", 0x0404},
};

static_assert(std::is_sorted(std::begin(LocaleIds), std::end(LocaleIds),
                             [](const Entry& a, const Entry& b) { return a.name < b.name; }));

} // namespace

std::uint32_t LocaleIdFromName(std::string_view name) {
    const std::string_view key = name.substr(0, name.find_first_of(".@"));
    const auto* found =
        std::lower_bound(std::begin(LocaleIds), std::end(LocaleIds), key,
                         [](const Entry& entry, std::string_view k) { return entry.name < k; });
    if (found == std::end(LocaleIds) || found->name != key)
        return 0;
    return found->id;
}

} // namespace zentolk::platform
