#pragma once

// The formatted list: a list whose every item is one line of slash markup,
// drawn by the markup layout with a height of its own.

#include "summary/markup_layout.h"

#include <QListWidget>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

class QtMarkupMetrics;

class TExtensionList : public QListWidget {
    Q_OBJECT
    Q_PROPERTY(bool SelColorEn READ selColorEn WRITE setSelColorEn)
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)

  public:
    static constexpr int DefaultItemHeight = 17;

    explicit TExtensionList(QWidget* parent = nullptr);
    ~TExtensionList() override;

    // When set, the selected item is painted on the highlight colour and the
    // focused item gets a focus rectangle. Off by default.
    bool selColorEn() const { return selColorEn_; }
    void setSelColorEn(bool on);

    // Base height of a line in pixels; the markup adds to it. A line's height
    // is fixed when the line is put in.
    int itemHeight() const { return itemHeight_; }
    void setItemHeight(int pixels);

    // Markup lines, Windows-1251 bytes.
    void addLine(const std::string& line);
    // Replaces item `index`; replacing item 0 of an empty list inserts it.
    void setLine(int index, const std::string& line);
    void setLines(const std::vector<std::string>& lines);
    std::string line(int index) const;
    std::vector<std::string> lines() const;

    // The border colour in effect when item `row` starts: set by "/ct" on an
    // earlier line and kept until the next "/ct".
    MarkupColour penBefore(int row) const;
    MarkupBase markupBase() const;
    const QtMarkupMetrics& markupMetrics() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QListWidgetItem* newItem(const std::string& line) const;
    void invalidatePens();

    bool selColorEn_ = false;
    int itemHeight_ = DefaultItemHeight;
    mutable std::vector<MarkupColour> penCache_; // pen before each row; empty when stale
    mutable std::unique_ptr<QtMarkupMetrics> metrics_;
};

// Clears the list and adds the lines of `text`, cut at each LF CR pair.
void FillListFromText(TExtensionList& list, std::string_view text);

} // namespace skarvion
