#pragma once

#include "picture/Picture.h"

#include <string>

namespace zentolk::picture {

// The colour of each ink, as "#rrggbb".
struct Inks {
    std::string text = "#1f1f1f";
    std::string accent = "#b3261e";
    std::string faint = "#767676";
    std::string paper = "#ffffff";
};

// Appends the picture as one line of SVG, ending in a line break: a
// standalone document with its title, a viewBox of the picture's box and
// every group as a <g> with its class and data attributes.
void AppendSvg(const Picture& picture, const Inks& inks, std::string& out);
std::string SvgOf(const Picture& picture, const Inks& inks = {});

} // namespace zentolk::picture
