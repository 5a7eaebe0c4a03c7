#include "summary/qt_markup_metrics.h"

#include "model/windows1251.h"

#include <algorithm>
#include <string>

namespace skarvion {

QtMarkupMetrics::QtMarkupMetrics(const QFont& family) : family_(family) {}

QFont QtMarkupMetrics::qfont(const MarkupFont& font) const {
    QFont result = family_;
    result.setPointSize(std::max(1, font.size));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

const QFontMetrics& QtMarkupMetrics::metrics(const MarkupFont& font) const {
    const auto key = std::make_tuple(font.bold, font.italic, font.underline, font.size);
    auto found = cache_.find(key);
    if (found == cache_.end()) found = cache_.emplace(key, QFontMetrics(qfont(font))).first;
    return found->second;
}

int QtMarkupMetrics::textWidth(std::string_view text, const MarkupFont& font) const {
    if (text.empty()) return 0;
    return metrics(font).horizontalAdvance(FromWindows1251(std::string(text)));
}

int QtMarkupMetrics::textHeight(const MarkupFont& font) const {
    return metrics(font).height();
}

int QtMarkupMetrics::ascent(const MarkupFont& font) const {
    return metrics(font).ascent();
}

MarkupFont MarkupFontOf(const QFont& font) {
    MarkupFont result;
    result.bold = font.bold();
    result.italic = font.italic();
    result.underline = font.underline();
    result.size = font.pointSize() > 0 ? font.pointSize() : (font.pixelSize() * 72 + 48) / 96;
    return result;
}

} // namespace skarvion
