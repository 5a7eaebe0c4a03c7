#include "summary/markup_layout.h"

#include "summary/markup_walker.h"

#include <algorithm>
#include <cstdlib>

namespace skarvion {

namespace {

bool anyRaisingCode(const std::vector<MarkupToken>& tokens) {
    return std::any_of(tokens.begin(), tokens.end(), [](const MarkupToken& t) {
        return t.kind == MarkupToken::Kind::Code && t.first == 'p';
    });
}

class LayoutWalker final : public MarkupWalker {
  public:
    LayoutWalker(const MarkupRect& rect, const MarkupBase& base, const MarkupColour& pen,
                 const MarkupMetrics& metrics, MarkupLineLayout& out)
        : MarkupWalker(base.font, base.colour, pen), rect_(rect), metrics_(metrics), out_(out),
          x_(rect.left) {}

  private:
    void piece(std::string_view text) override {
        place(text);
        const int width = metrics_.textWidth(text, font());
        if (!text.empty()) {
            const int height = metrics_.textHeight(font());
            const int y = rect_.bottom - height - (out_.raised ? 1 : 0);
            out_.operations.push_back(
                MarkupTextRun{std::string(text), font(), colour(), x_, y, width, height});
        }
        x_ += width;
    }

    // Cell alignment measures at the base size, whatever size is in effect.
    void place(std::string_view text) {
        if (alignment() == CellAlignment::None) return;
        const int low = std::min(pointer(), mark());
        const int high = std::max(pointer(), mark());
        const int w = MarkupLineWidth(text, font(), baseFont(), metrics_);
        switch (alignment()) {
        case CellAlignment::Left:
            x_ = low + 2;
            break;
        case CellAlignment::Centre:
            x_ = low + (high - low - w) / 2;
            break;
        case CellAlignment::Right:
            x_ = high - w - 2;
            break;
        case CellAlignment::None:
            break;
        }
    }

    void border(unsigned edges) override {
        const int a = pointer();
        const int b = mark();
        const int top = rect_.top;
        const int last = rect_.bottom - 1;
        auto line = [&](int x1, int y1, int x2, int y2) {
            out_.operations.push_back(MarkupLine{x1, y1, x2, y2, pen()});
        };
        if (edges & EdgeTop) line(a, top, b, top);
        if (edges & EdgeBottom) line(a, last, b, last);
        if (edges & EdgeSideA) line(a, top, a, last);
        if (edges & EdgeSideB) line(b, top, b, last);
    }

    void cellOpened() override { x_ = std::min(pointer(), mark()) + 2; }

    void lineAligned(CellAlignment alignment) override {
        const int span = rect_.right - rect_.left - out_.naturalWidth;
        x_ = alignment == CellAlignment::Centre ? rect_.left + span / 2 - 1
                                                : rect_.right - out_.naturalWidth - 1;
    }

    MarkupRect rect_;
    const MarkupMetrics& metrics_;
    MarkupLineLayout& out_;
    int x_;
};

class PenWalker final : public MarkupWalker {
  public:
    using MarkupWalker::MarkupWalker;

  private:
    void piece(std::string_view) override {}
    void border(unsigned) override {}
};

} // namespace

int MarkupLineWidth(std::string_view line, const MarkupFont& style, const MarkupFont& base,
                    const MarkupMetrics& metrics) {
    MarkupFont font = style;
    font.size = base.size;
    int width = 0;
    for (const MarkupToken& token : TokenizeMarkup(line)) {
        width += metrics.textWidth(token.text, font);
        ApplyFontCode(font, token, base);
        if (token.kind == MarkupToken::Kind::EscapedSlash) width += metrics.textWidth("/", font);
    }
    return width;
}

MarkupLineLayout LayoutMarkupLine(std::string_view line, const MarkupRect& rect,
                                  const MarkupBase& base, MarkupColour& pen,
                                  const MarkupMetrics& metrics) {
    MarkupLineLayout layout;
    layout.naturalWidth = MarkupLineWidth(line, base.font, base.font, metrics);
    layout.raised = anyRaisingCode(TokenizeMarkup(line));
    LayoutWalker walker(rect, base, pen, metrics, layout);
    walker.walk(line);
    pen = walker.pen();
    return layout;
}

MarkupColour MarkupPenAfter(std::string_view line, const MarkupColour& baseColour,
                            const MarkupColour& pen) {
    PenWalker walker(MarkupFont{}, baseColour, pen);
    walker.walk(line);
    return walker.pen();
}

int MarkupItemHeight(std::string_view line, int itemHeight) {
    int current = 0;
    int top = 0;
    bool textSeen = false;
    bool bordered = false;
    for (const MarkupToken& token : TokenizeMarkup(line)) {
        if (token.kind == MarkupToken::Kind::End) break;
        if (!token.text.empty() || token.kind == MarkupToken::Kind::EscapedSlash) textSeen = true;
        if (token.kind == MarkupToken::Kind::Code) {
            const char a = token.first;
            const char b = token.second;
            const int digit = CodeDigit(token);
            int change = 0;
            if (a == 'z' && b == '+')
                change = 1;
            else if (a == 'z' && b == '-')
                change = -1;
            else if (a == 'z' && digit >= 0)
                change = digit;
            else if (a == 'd' && digit >= 1)
                change = -digit;
            current += change;
            if (!textSeen) top += change;
            if (a == 'z' && b == 'n') {
                current = 0;
                if (!textSeen) top = 0;
            }
            if (a == 'n' && b == 'z') current = 0;
            if (BorderEdgesOfCode(token) >= 0) bordered = true;
        }
        top = std::max(top, current);
    }
    return itemHeight + top + (bordered ? 2 : 0);
}

} // namespace skarvion
