#pragma once

#include <string>

namespace zentolk::links {

// The addresses behind the dialog's links. The hosts and the merchant
// address are set in one place, the build (ZENTOLK_MAKER_SITE and friends).
std::string ProductPageAddress();
std::string CatalogueAddress();
std::string DonationAddress();

} // namespace zentolk::links
