#include "links/Addresses.h"

namespace zentolk::links {

namespace {
std::string withEncodedAt(std::string text) {
    for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + 3))
        text.replace(at, 1, "%40");
    return text;
}
} // namespace

std::string ProductPageAddress() {
    return ZENTOLK_MAKER_SITE "/brinemoor/zentolk/";
}

std::string CatalogueAddress() {
    return ZENTOLK_MAKER_SITE "/brinemoor/software.html";
}

// The parameters follow the path directly, without a "?": the payment site
// reads them that way.
std::string DonationAddress() {
    return ZENTOLK_PAYMENT_SITE "/xclick/business=" + withEncodedAt(ZENTOLK_MERCHANT_EMAIL) +
           "&item_name=Software+Donation&item_number=DN-100&no_shipping=1&cn=Optional+Note&tax=0"
           "&currency_code=USD";
}

} // namespace zentolk::links
