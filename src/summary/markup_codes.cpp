#include "summary/markup_codes.h"

#include <algorithm>

namespace skarvion {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

struct ColourCode {
    char letter;
    MarkupColour colour;
};

constexpr MarkupColour Gray{128, 128, 128};
constexpr MarkupColour Silver{192, 192, 192};

constexpr ColourCode ColourCodes[] = {
    {'a', {0, 255, 255}},   // aqua
    {'b', {0, 0, 255}},     // blue
    {'c', {0, 0, 0}},       // black
    {'d', Gray},            // gray
    {'e', {255, 255, 255}}, // white
    {'f', {255, 0, 255}},   // fuchsia
    {'g', {0, 128, 0}},     // green
    {'h', {0, 0, 128}},     // dark blue
    {'i', Silver},          // silver
    {'j', {255, 255, 0}},   // yellow
    {'k', Gray},            // gray
    {'l', {0, 255, 0}},     // lime
    {'m', {128, 0, 0}},     // maroon
    {'o', {128, 128, 0}},   // olive
    {'p', {128, 0, 128}},   // purple
    {'q', {0, 128, 128}},   // teal
    {'r', {255, 0, 0}},     // red
    {'s', Silver},          // silver
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<MarkupToken> TokenizeMarkup(std::string_view line) {
    std::vector<MarkupToken> tokens;
    std::size_t start = 0;
    for (std::size_t slash = line.find('/'); slash != std::string_view::npos;
         slash = line.find('/', start)) {
        MarkupToken token;
        token.text = line.substr(start, slash - start);
        if (slash + 1 < line.size() && line[slash + 1] == '/') {
            token.kind = MarkupToken::Kind::EscapedSlash;
            start = slash + 2;
        } else {
            token.kind = MarkupToken::Kind::Code;
            if (slash + 1 < line.size()) token.first = lowerAscii(line[slash + 1]);
            if (slash + 2 < line.size()) token.second = lowerAscii(line[slash + 2]);
            start = std::min(line.size(), slash + 3);
        }
        tokens.push_back(token);
    }
    MarkupToken end;
    end.text = line.substr(start);
    tokens.push_back(end);
    return tokens;
}

int CodeDigit(const MarkupToken& code) {
    return isDigit(code.second) ? code.second - '0' : -1;
}

bool ApplyFontCode(MarkupFont& font, const MarkupToken& code, const MarkupFont& base) {
    if (code.kind != MarkupToken::Kind::Code) return false;
    const char a = code.first;
    const char b = code.second;
    const int digit = CodeDigit(code);
    if (a == 's') {
        switch (b) {
        case 'b':
            font.bold = true;
            return true;
        case 'i':
            font.italic = true;
            return true;
        case 'u':
            font.underline = true;
            return true;
        case 's':
            font.bold = false;
            return true;
        case 'v':
            font.italic = false;
            return true;
        case 'l':
            font.underline = false;
            return true;
        case 'n':
            break;
        default:
            return false;
        }
    }
    if ((a == 's' && b == 'n') || (a == 'n' && b == 's')) {
        font.bold = base.bold;
        font.italic = base.italic;
        font.underline = base.underline;
        return true;
    }
    if ((a == 'z' && b == 'n') || (a == 'n' && b == 'z')) {
        font.size = base.size;
        return true;
    }
    if (a == 'z' && (b == '+' || b == '-' || digit >= 0)) {
        font.size += b == '+' ? 1 : b == '-' ? -1 : digit;
        return true;
    }
    if (a == 'd' && digit >= 1) {
        font.size -= digit;
        return true;
    }
    return false;
}

std::optional<MarkupColour> ColourOfCode(const MarkupToken& code, const MarkupColour& base) {
    if (code.kind != MarkupToken::Kind::Code) return std::nullopt;
    if ((code.first == 'c' && code.second == 'n') || (code.first == 'n' && code.second == 'c'))
        return base;
    if (code.first != 'c') return std::nullopt;
    for (const ColourCode& entry : ColourCodes)
        if (entry.letter == code.second) return entry.colour;
    return std::nullopt;
}

} // namespace skarvion
