#include "summary/markup_walker.h"

#include <utility>

namespace skarvion {

namespace {

struct BorderCode {
    char letter;
    unsigned edges;
};

constexpr unsigned Sides = EdgeSideA | EdgeSideB;

constexpr BorderCode BorderCodes[] = {
    {'a', Sides | EdgeBottom},
    {'b', EdgeBottom},
    {'c', EdgeTop | EdgeBottom | EdgeSideB},
    {'d', EdgeTop | Sides},
    {'e', EdgeTop | EdgeBottom | EdgeSideA},
    {'f', EdgeBottom | EdgeSideB},
    {'g', EdgeTop | EdgeSideA},
    {'h', EdgeTop | EdgeSideB},
    {'i', EdgeTop | EdgeSideA},
    {'j', EdgeTop | EdgeBottom},
    {'k', Sides},
    {'l', EdgeSideA},
    {'m', 0},
    {'p', EdgeSideB},
    {'r', EdgeTop | EdgeBottom | Sides},
    {'t', EdgeTop},
};

} // namespace

int BorderEdgesOfCode(const MarkupToken& code) {
    if (code.kind != MarkupToken::Kind::Code || code.first != 'p') return -1;
    for (const BorderCode& entry : BorderCodes)
        if (entry.letter == code.second) return static_cast<int>(entry.edges);
    return -1;
}

MarkupWalker::MarkupWalker(const MarkupFont& baseFont, const MarkupColour& baseColour,
                           const MarkupColour& pen)
    : baseFont_(baseFont), baseColour_(baseColour), pen_(pen) {}

void MarkupWalker::walk(std::string_view line) {
    font_ = baseFont_;
    colour_ = baseColour_;
    pointer_ = mark_ = 0;
    cellOpen_ = false;
    alignment_ = CellAlignment::None;
    started_ = false;
    for (const MarkupToken& token : TokenizeMarkup(line)) {
        if (token.kind != MarkupToken::Kind::End && !token.text.empty()) started_ = true;
        piece(token.text);
        if (token.kind == MarkupToken::Kind::Code) apply(token);
        if (token.kind == MarkupToken::Kind::EscapedSlash) piece("/");
    }
}

void MarkupWalker::apply(const MarkupToken& code) {
    if (ApplyFontCode(font_, code, baseFont_)) return;
    if (auto colour = ColourOfCode(code, baseColour_)) {
        colour_ = *colour;
        return;
    }
    if (code.isCode('c', 't')) {
        pen_ = colour_;
        return;
    }
    if (applyPosition(code)) return;
    if (const int edges = BorderEdgesOfCode(code); edges >= 0) {
        border(static_cast<unsigned>(edges));
        return;
    }
    if (code.first == 'a') {
        const char b = code.second;
        if (cellOpen_ && (b == 'l' || b == 'e' || b == 'i'))
            alignment_ = b == 'l'   ? CellAlignment::Left
                         : b == 'e' ? CellAlignment::Centre
                                    : CellAlignment::Right;
        if (!started_ && (b == 'c' || b == 'r'))
            lineAligned(b == 'c' ? CellAlignment::Centre : CellAlignment::Right);
    }
}

bool MarkupWalker::applyPosition(const MarkupToken& code) {
    const int digit = CodeDigit(code);
    if (digit >= 0) {
        switch (code.first) {
        case 'i':
            pointer_ = pointer_ % 100 + 100 * digit;
            return true;
        case 'n':
            pointer_ = pointer_ / 100 * 100 + 10 * digit + pointer_ % 10;
            return true;
        case 'p':
            pointer_ = pointer_ / 10 * 10 + digit;
            return true;
        default:
            return false;
        }
    }
    if (code.first != 'i') return false;
    switch (code.second) {
    case '+':
        ++pointer_;
        return true;
    case '-':
        --pointer_;
        return true;
    case 'r':
        pointer_ = 0;
        return true;
    case 'c':
        mark_ = pointer_;
        return true;
    case 'x':
        std::swap(pointer_, mark_);
        return true;
    case 'e':
        cellOpen_ = true;
        cellOpened();
        return true;
    case 'd':
        cellOpen_ = false;
        alignment_ = CellAlignment::None;
        return true;
    default:
        return false;
    }
}

} // namespace skarvion
