#pragma once

namespace zentolk {

// Presents each link label to assistive technology as a link, named by its
// text, described by its address, with a press action that follows it as a
// click does. Installed once.
void InstallLinkAccessibility();

} // namespace zentolk
