#pragma once

// Walks one markup line in drawing order and keeps the per-line drawing state
// (font, colour, pen, column pointer and mark, the open cell and its
// alignment). What a text piece or a border means is left to the subclass:
// the painter's layout places and measures pieces, the plain-text reader
// collects them into cells.

#include "summary/markup_codes.h"

#include <string_view>

namespace skarvion {

enum class CellAlignment { None, Left, Centre, Right };

enum BorderEdge : unsigned {
    EdgeTop = 1,
    EdgeBottom = 2,
    EdgeSideA = 4, // the vertical side at the column pointer
    EdgeSideB = 8, // the vertical side at the column mark
};

// The edges a border code draws ("/pr" all four, "/pm" none), or -1 when the
// code is not a border code. The digit codes "/p0" .. "/p9" are not.
int BorderEdgesOfCode(const MarkupToken& code);

class MarkupWalker {
  public:
    MarkupWalker(const MarkupFont& baseFont, const MarkupColour& baseColour,
                 const MarkupColour& pen);
    virtual ~MarkupWalker() = default;

    // Runs the line from a fresh state; the pen carries over from the last line.
    void walk(std::string_view line);

    const MarkupColour& pen() const { return pen_; }

  protected:
    // A segment (possibly empty) or the "/" of an escaped slash, in order.
    virtual void piece(std::string_view text) = 0;
    virtual void border(unsigned edges) = 0;
    virtual void cellOpened() {}
    // "/ac" (centre) or "/ar" (right) while no text has been passed yet.
    virtual void lineAligned(CellAlignment alignment) { (void)alignment; }

    const MarkupFont& baseFont() const { return baseFont_; }
    const MarkupFont& font() const { return font_; }
    const MarkupColour& colour() const { return colour_; }
    int pointer() const { return pointer_; }
    int mark() const { return mark_; }
    bool cellOpen() const { return cellOpen_; }
    CellAlignment alignment() const { return alignment_; }

  private:
    void apply(const MarkupToken& code);
    bool applyPosition(const MarkupToken& code);

    MarkupFont baseFont_;
    MarkupColour baseColour_;
    MarkupColour pen_;
    MarkupFont font_;
    MarkupColour colour_;
    int pointer_ = 0;
    int mark_ = 0;
    bool cellOpen_ = false;
    CellAlignment alignment_ = CellAlignment::None;
    bool started_ = false;
};

} // namespace skarvion
