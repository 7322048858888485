#pragma once

namespace zentolk::viewer {

// Presents a help window's page to assistive technology as a read-only
// document whose text can be read, searched and selected, under the name
// its window gives it. Installed once.
void InstallPageAccessibility();

} // namespace zentolk::viewer
