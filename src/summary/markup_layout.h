#pragma once

// Layout of one formatted-list line: turns a markup line into the text runs
// and border lines a painter draws, given only a way to measure text. Kept
// apart from any widget so the layout can be checked without a screen.

#include "summary/markup_codes.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace skarvion {

// Text measuring of the painter. Texts are Windows-1251 bytes.
class MarkupMetrics {
  public:
    virtual ~MarkupMetrics() = default;
    virtual int textWidth(std::string_view text, const MarkupFont& font) const = 0;
    virtual int textHeight(const MarkupFont& font) const = 0;
};

// An item rectangle; right and bottom are one past the last pixel.
struct MarkupRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The list's base look: the font every line starts from and its colour.
struct MarkupBase {
    MarkupFont font;
    MarkupColour colour;
};

// A piece of text drawn with its top-left corner at (x, y) over an opaque
// background of the item's brush, `width` by `height` pixels.
struct MarkupTextRun {
    std::string text;
    MarkupFont font;
    MarkupColour colour;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const MarkupTextRun&) const = default;
};

// A one-pixel line from (x1, y1) to (x2, y2), both end pixels included.
struct MarkupLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    MarkupColour colour;

    bool operator==(const MarkupLine&) const = default;
};

using MarkupDrawOp = std::variant<MarkupTextRun, MarkupLine>;

struct MarkupLineLayout {
    std::vector<MarkupDrawOp> operations; // in drawing order; later ones cover earlier ones
    int naturalWidth = 0;                 // W: all text of the line laid end to end
    bool raised = false;                  // texts sit one pixel higher (a "/p" code is present)
};

// Lays out `line` in `rect`. `pen` is the border colour left by earlier lines;
// a "/ct" changes it, and the new colour is written back.
MarkupLineLayout LayoutMarkupLine(std::string_view line, const MarkupRect& rect,
                                  const MarkupBase& base, MarkupColour& pen,
                                  const MarkupMetrics& metrics);

// The width of a line's text with every font code applied, starting from the
// base size and the given style; colour, position and border codes add nothing.
int MarkupLineWidth(std::string_view line, const MarkupFont& style, const MarkupFont& base,
                    const MarkupMetrics& metrics);

// The pen colour after `line` has been drawn with `pen` before it.
MarkupColour MarkupPenAfter(std::string_view line, const MarkupColour& baseColour,
                            const MarkupColour& pen);

// The height of a line's item, from the list's base item height.
int MarkupItemHeight(std::string_view line, int itemHeight);

} // namespace skarvion
