#include "picture/Svg.h"

#include <cmath>

namespace zentolk::picture {

namespace {
// Two decimals at most, trailing zeros dropped: sub-pixel enough at any
// scale, and short. Written from hundredths as an integer, several times
// faster than a general floating-point format.
void number(double v, std::string& out) {
    long long hundredths = std::llround(v * 100);
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    char buffer[24];
    char* const end = buffer + sizeof buffer;
    char* p = end;
    for (long long whole = hundredths / 100; p == end || whole > 0; whole /= 10)
        *--p = static_cast<char>('0' + whole % 10);
    out.append(p, end);
    const int fraction = static_cast<int>(hundredths % 100);
    if (fraction != 0) {
        out += '.';
        out += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            out += static_cast<char>('0' + fraction % 10);
    }
}

void attribute(std::string_view name, double v, std::string& out) {
    out += ' ';
    out += name;
    out += "=\"";
    number(v, out);
    out += '"';
}

// Plain runs are copied whole: most texts here have nothing to escape.
void escaped(std::string_view text, std::string& out) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool plain =
            static_cast<unsigned char>(c) >= 0x20 && c != '&' && c != '<' && c != '>' && c != '"';
        if (plain)
            continue;
        out.append(text.substr(run, i - run));
        run = i + 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\t':
            out += c;
            break;
        default: // other control characters are not allowed in XML 1.0
            break;
        }
    }
    out.append(text.substr(run));
}

void textAttribute(std::string_view name, std::string_view value, std::string& out) {
    out += ' ';
    out += name;
    out += "=\"";
    escaped(value, out);
    out += '"';
}

const std::string& colour(Ink ink, const Inks& inks) {
    static const std::string none = "none";
    switch (ink) {
    case Ink::Text:
        return inks.text;
    case Ink::Accent:
        return inks.accent;
    case Ink::Faint:
        return inks.faint;
    case Ink::Paper:
        return inks.paper;
    case Ink::None:
        break;
    }
    return none;
}

void paint(const Shape& s, const Inks& inks, std::string& out) {
    textAttribute("fill", colour(s.fill, inks), out);
    if (s.stroke != Ink::None) {
        textAttribute("stroke", colour(s.stroke, inks), out);
        attribute("stroke-width", s.strokeWidth, out);
    }
}

// The shell's outline and two ridges, one path so that a zero is one element.
void shellPath(const Shape& s, std::string& out) {
    const auto point = [&out](double x, double y) {
        number(x, out);
        out += ',';
        number(y, out);
    };
    out += " d=\"M";
    point(s.x - s.w, s.y);
    out += "A";
    point(s.w, s.h);
    out += " 0 1 0 ";
    point(s.x + s.w, s.y);
    out += "A";
    point(s.w, s.h);
    out += " 0 1 0 ";
    point(s.x - s.w, s.y);
    out += "ZM";
    point(s.x - 0.6 * s.w, s.y - 0.15 * s.h);
    out += "Q";
    point(s.x, s.y + 0.75 * s.h);
    out += ' ';
    point(s.x + 0.6 * s.w, s.y - 0.15 * s.h);
    out += "M";
    point(s.x - 0.3 * s.w, s.y - 0.6 * s.h);
    out += "Q";
    point(s.x, s.y - 0.1 * s.h);
    out += ' ';
    point(s.x + 0.3 * s.w, s.y - 0.6 * s.h);
    out += '"';
}

void shape(const Shape& s, const Inks& inks, std::string& out) {
    switch (s.kind) {
    case Kind::Rect:
        out += "<rect";
        textAttribute("class", s.cls, out);
        attribute("x", s.x, out);
        attribute("y", s.y, out);
        attribute("width", s.w, out);
        attribute("height", s.h, out);
        if (s.corner > 0)
            attribute("rx", s.corner, out);
        break;
    case Kind::Ellipse:
        out += s.w == s.h ? "<circle" : "<ellipse";
        textAttribute("class", s.cls, out);
        attribute("cx", s.x, out);
        attribute("cy", s.y, out);
        if (s.w == s.h) {
            attribute("r", s.w, out);
        } else {
            attribute("rx", s.w, out);
            attribute("ry", s.h, out);
        }
        break;
    case Kind::Shell:
        out += "<path";
        textAttribute("class", s.cls, out);
        shellPath(s, out);
        out += " stroke-linecap=\"round\"";
        break;
    case Kind::Line:
        out += "<line";
        textAttribute("class", s.cls, out);
        attribute("x1", s.x, out);
        attribute("y1", s.y, out);
        attribute("x2", s.w, out);
        attribute("y2", s.h, out);
        break;
    case Kind::Text:
        out += "<text";
        textAttribute("class", s.cls, out);
        attribute("x", s.x, out);
        attribute("y", s.y, out);
        out += " dy=\"";
        number(TextMiddleShift, out);
        out += "em\"";
        attribute("font-size", s.size, out);
        if (s.bold)
            out += " font-weight=\"bold\"";
        if (s.anchor != Anchor::Start)
            out += s.anchor == Anchor::Middle ? " text-anchor=\"middle\"" : " text-anchor=\"end\"";
        if (s.angle != 0) {
            out += " transform=\"rotate(";
            number(s.angle, out);
            out += ' ';
            number(s.x, out);
            out += ' ';
            number(s.y, out);
            out += ")\"";
        }
        paint(s, inks, out);
        out += '>';
        escaped(s.text, out);
        out += "</text>";
        return;
    }
    paint(s, inks, out);
    out += "/>";
}
} // namespace

void AppendSvg(const Picture& picture, const Inks& inks, std::string& out) {
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 ";
    number(picture.width, out);
    out += ' ';
    number(picture.height, out);
    out += '"';
    attribute("width", picture.width, out);
    attribute("height", picture.height, out);
    out += " role=\"img\" font-family=\"DejaVu Sans, sans-serif\"><title>";
    escaped(picture.title, out);
    out += "</title><rect class=\"paper\" width=\"100%\" height=\"100%\"";
    textAttribute("fill", inks.paper, out);
    out += "/>";
    for (const Group& g : picture.groups) {
        out += "<g";
        textAttribute("class", g.cls, out);
        for (const auto& [name, value] : g.data) {
            out += " data-";
            out += name;
            out += "=\"";
            escaped(value, out);
            out += '"';
        }
        out += '>';
        for (const Shape& s : g.shapes)
            shape(s, inks, out);
        out += "</g>";
    }
    out += "</svg>\n";
}

std::string SvgOf(const Picture& picture, const Inks& inks) {
    std::string out;
    out.reserve(8192);
    AppendSvg(picture, inks, out);
    return out;
}

} // namespace zentolk::picture
