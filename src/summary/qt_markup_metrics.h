#pragma once

// Text measuring of the markup layout with Qt fonts.

#include "summary/markup_layout.h"

#include <QFont>
#include <QFontMetrics>

#include <map>
#include <tuple>

namespace skarvion {

class QtMarkupMetrics final : public MarkupMetrics {
  public:
    // `family` supplies the face; style and size come from each MarkupFont.
    explicit QtMarkupMetrics(const QFont& family);

    int textWidth(std::string_view text, const MarkupFont& font) const override;
    int textHeight(const MarkupFont& font) const override;
    int ascent(const MarkupFont& font) const;

    // The Qt font of a markup font; sizes below one point draw at one point.
    QFont qfont(const MarkupFont& font) const;

  private:
    const QFontMetrics& metrics(const MarkupFont& font) const;

    QFont family_;
    mutable std::map<std::tuple<bool, bool, bool, int>, QFontMetrics> cache_;
};

// The markup base font of a widget font (its style and its size in points).
MarkupFont MarkupFontOf(const QFont& font);

} // namespace skarvion
