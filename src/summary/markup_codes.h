#pragma once

// The pieces of the slash markup that every reader of a line shares: cutting a
// line into text segments and two-character codes, and the font and colour
// code tables.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace skarvion {

struct MarkupColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const MarkupColour&) const = default;
};

struct MarkupFont {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int size = 10; // points; the size codes move it by whole points

    bool operator==(const MarkupFont&) const = default;
};

// One step of a line: the text segment that precedes a code, and the code.
struct MarkupToken {
    enum class Kind { Code, EscapedSlash, End };

    std::string_view text; // may be empty
    Kind kind = Kind::End;
    char first = 0; // code characters in lower case; 0 where the line ended early
    char second = 0;

    bool isCode(char a, char b) const { return kind == Kind::Code && first == a && second == b; }
};

// Cuts a line into tokens. The last token is always End and carries the text
// after the last code. A slash takes the next two characters as its code
// (compared without regard to case); "//" is an escaped slash; a slash with
// fewer than two characters after it is a code that does nothing.
std::vector<MarkupToken> TokenizeMarkup(std::string_view line);

// Applies a font code ("/sb", "/z+", "/d3", "/zn", ...) to `font`; returns
// false, leaving `font` alone, when the code is not a font code.
bool ApplyFontCode(MarkupFont& font, const MarkupToken& code, const MarkupFont& base);

// The colour a colour code selects ("/cr" red, "/cn" the base colour, ...);
// empty for any other code, "/ct" included.
std::optional<MarkupColour> ColourOfCode(const MarkupToken& code, const MarkupColour& base);

// The digit of "/x0" .. "/x9", or -1.
int CodeDigit(const MarkupToken& code);

} // namespace skarvion
