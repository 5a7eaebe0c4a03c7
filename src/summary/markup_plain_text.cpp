#include "summary/markup_plain_text.h"

#include "summary/markup_layout.h"
#include "summary/markup_walker.h"

#include <algorithm>
#include <map>

namespace skarvion {

namespace {

constexpr int PageWidth = 72;    // characters a centred title is centred in
constexpr int PixelsPerChar = 6; // scale of a rule that stands outside a table
constexpr int SameBoundary = 3;  // cell edges this close (in pixels) are one column edge
constexpr int BaseItemHeight = 16;
const std::string TableIndent = "  ";

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string trimmedRight(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

struct Cell {
    int low = 0;
    int high = 0;
    CellAlignment alignment = CellAlignment::Left;
    std::string text;
};

struct Edge {
    int from = 0;
    int to = 0;
};

// What one markup line shows, without its look.
struct LineContent {
    std::string freeText;    // text outside any cell, in order
    std::vector<Cell> cells; // text placed in cells, in order
    CellAlignment lineAlignment = CellAlignment::None;
    std::vector<Edge> horizontal; // top and bottom edges
    bool bottomEdge = false;

    bool hasCellText() const {
        return std::any_of(cells.begin(), cells.end(),
                           [](const Cell& c) { return !trimmed(c.text).empty(); });
    }
    bool blank() const { return trimmed(freeText).empty() && !hasCellText(); }
};

class ContentWalker final : public MarkupWalker {
  public:
    explicit ContentWalker(LineContent& out) : MarkupWalker({}, {}, {}), out_(out) {}

  private:
    void piece(std::string_view text) override {
        if (text.empty()) return;
        const int low = std::min(pointer(), mark());
        const int high = std::max(pointer(), mark());
        if (!cellOpen() || high - low <= SameBoundary) {
            out_.freeText += text;
            return;
        }
        const CellAlignment placed =
            alignment() == CellAlignment::None ? CellAlignment::Left : alignment();
        if (!out_.cells.empty() && out_.cells.back().low == low && out_.cells.back().high == high) {
            out_.cells.back().text += text; // pieces that share a cell read as one text
            return;
        }
        out_.cells.push_back({low, high, placed, std::string(text)});
    }

    void border(unsigned edges) override {
        const Edge edge{std::min(pointer(), mark()), std::max(pointer(), mark())};
        if (edges & (EdgeTop | EdgeBottom)) out_.horizontal.push_back(edge);
        if (edges & EdgeBottom) out_.bottomEdge = true;
    }

    void lineAligned(CellAlignment alignment) override { out_.lineAlignment = alignment; }

    LineContent& out_;
};

LineContent readLine(const std::string& line) {
    LineContent content;
    ContentWalker walker(content);
    walker.walk(line);
    return content;
}

std::string aligned(const std::string& text, int width, CellAlignment alignment) {
    const int gap = std::max(0, width - static_cast<int>(text.size()));
    const int before = alignment == CellAlignment::Right    ? gap
                       : alignment == CellAlignment::Centre ? gap / 2
                                                            : 0;
    return std::string(before, ' ') + text + std::string(gap - before, ' ');
}

// A run of table rows and rules set in common columns.
class TableBlock {
  public:
    void addRow(const LineContent& row) { rows_.push_back(&row); }

    std::vector<std::string> render(const std::vector<const LineContent*>& lines) {
        findColumns();
        std::vector<std::string> out;
        auto rule = [&] {
            if (out.empty() ||
                out.back().compare(0, TableIndent.size() + 1, TableIndent + "+") != 0)
                out.push_back(ruleText());
        };
        rule();
        for (const LineContent* line : lines) {
            if (!line->hasCellText()) {
                rule();
                continue;
            }
            out.push_back(rowText(*line));
            if (line->bottomEdge) rule();
        }
        rule();
        return out;
    }

  private:
    void findColumns() {
        std::vector<int> edges;
        for (const LineContent* row : rows_)
            for (const Cell& cell : row->cells) {
                edges.push_back(cell.low);
                edges.push_back(cell.high);
            }
        std::sort(edges.begin(), edges.end());
        for (int edge : edges)
            if (boundaries_.empty() || edge - boundaries_.back() > SameBoundary)
                boundaries_.push_back(edge);
        widths_.assign(boundaries_.empty() ? 0 : boundaries_.size() - 1, 1);
        for (int pass = 0; pass < 2; ++pass) // single columns first, then spans
            for (const LineContent* row : rows_)
                for (const Cell& cell : row->cells)
                    widen(cell, pass == 1);
    }

    std::size_t columnOf(int x) const {
        std::size_t best = 0;
        for (std::size_t i = 0; i < boundaries_.size(); ++i)
            if (std::abs(boundaries_[i] - x) < std::abs(boundaries_[best] - x)) best = i;
        return best;
    }

    std::pair<std::size_t, std::size_t> spanOf(const Cell& cell) const {
        return {columnOf(cell.low), columnOf(cell.high)};
    }

    int spanWidth(std::size_t from, std::size_t to) const {
        int width = 0;
        for (std::size_t c = from; c < to; ++c)
            width += widths_[c];
        return width + 3 * static_cast<int>(to - from - 1);
    }

    void widen(const Cell& cell, bool spans) {
        const auto [from, to] = spanOf(cell);
        if (to <= from || (to - from > 1) != spans) return;
        const int need = static_cast<int>(trimmed(cell.text).size());
        const int have = spanWidth(from, to);
        if (need > have) widths_[to - 1] += need - have;
    }

    std::string ruleText() const {
        std::string text = TableIndent + "+";
        for (int width : widths_)
            text += std::string(static_cast<std::size_t>(width + 2), '-') + "+";
        return text;
    }

    std::string rowText(const LineContent& row) const {
        // The cell that starts each column, in order; later pieces of a taken
        // column join the cell that covers it.
        std::map<std::size_t, std::pair<std::size_t, Cell>> starts;
        for (const Cell& cell : row.cells) {
            // Plain names rather than a structured binding: the lambda below
            // captures `from`, which clang before 16 refuses for bindings.
            const auto span = spanOf(cell);
            const std::size_t from = span.first;
            const std::size_t to = span.second;
            if (to <= from) continue;
            auto covering = std::find_if(starts.begin(), starts.end(), [&](const auto& entry) {
                return entry.first <= from && from < entry.second.first;
            });
            if (covering != starts.end())
                covering->second.second.text += cell.text;
            else
                starts[from] = {to, cell};
        }
        std::string text = TableIndent + "|";
        for (std::size_t column = 0; column < widths_.size();) {
            auto found = starts.find(column);
            const std::size_t end = found != starts.end() ? found->second.first : column + 1;
            const std::string content =
                found != starts.end() ? trimmed(found->second.second.text) : std::string();
            const CellAlignment alignment =
                found != starts.end() ? found->second.second.alignment : CellAlignment::Left;
            text += " " + aligned(content, spanWidth(column, end), alignment) + " |";
            column = end;
        }
        return text;
    }

    std::vector<const LineContent*> rows_;
    std::vector<int> boundaries_;
    std::vector<int> widths_;
};

std::string freeLine(const LineContent& line) {
    const std::string text = trimmedRight(line.freeText);
    if (line.lineAlignment == CellAlignment::None) return text;
    const std::string core = trimmed(text);
    const int gap = std::max(0, PageWidth - static_cast<int>(core.size()));
    return std::string(line.lineAlignment == CellAlignment::Centre ? gap / 2 : gap, ' ') + core;
}

std::string standaloneRule(const Edge& edge) {
    const int from = std::max(0, edge.from / PixelsPerChar);
    const int to = std::max(from + 1, edge.to / PixelsPerChar);
    return std::string(static_cast<std::size_t>(from), ' ') +
           std::string(static_cast<std::size_t>(to - from), '-');
}

void pushLine(std::vector<std::string>& out, const std::string& line) {
    if (line.empty() && (out.empty() || out.back().empty())) return; // one blank at a time
    out.push_back(line);
}

} // namespace

std::vector<std::string> MarkupToPlainText(const std::vector<std::string>& lines) {
    std::vector<LineContent> contents;
    contents.reserve(lines.size());
    for (const std::string& line : lines)
        contents.push_back(readLine(line));

    auto isRule = [](const LineContent& c) { return c.blank() && !c.horizontal.empty(); };
    auto isRow = [](const LineContent& c) {
        return c.hasCellText() && trimmed(c.freeText).empty();
    };

    std::vector<std::string> out;
    for (std::size_t i = 0; i < contents.size();) {
        // A table: rows and rules in a row, with at least one row.
        std::size_t end = i;
        bool anyRow = false;
        while (end < contents.size() && (isRow(contents[end]) || isRule(contents[end]))) {
            anyRow = anyRow || isRow(contents[end]);
            ++end;
        }
        if (anyRow) {
            TableBlock block;
            std::vector<const LineContent*> blockLines;
            for (std::size_t k = i; k < end; ++k) {
                if (isRow(contents[k])) block.addRow(contents[k]);
                blockLines.push_back(&contents[k]);
            }
            for (const std::string& line : block.render(blockLines))
                pushLine(out, line);
            i = end;
            continue;
        }
        const LineContent& line = contents[i];
        if (isRule(line)) {
            pushLine(out, standaloneRule(line.horizontal.front()));
        } else if (!line.blank()) {
            std::string text = line.freeText;
            for (const Cell& cell : line.cells)
                text += cell.text;
            LineContent joined = line;
            joined.freeText = text;
            pushLine(out, freeLine(joined));
        } else if (MarkupItemHeight(lines[i], BaseItemHeight) >= BaseItemHeight) {
            pushLine(out, std::string()); // a full-height empty row
        }
        ++i;
    }
    while (!out.empty() && out.back().empty())
        out.pop_back();
    return out;
}

} // namespace skarvion
