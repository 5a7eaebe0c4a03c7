#include "summary/extension_list.h"

#include "model/windows1251.h"
#include "summary/markup_text.h"
#include "summary/qt_markup_metrics.h"

#include <QEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace skarvion {

namespace {

// The markup bytes of an item; a display text set by other means is encoded.
constexpr int MarkupRole = Qt::UserRole + 1;
// The height an item got when it was put in.
constexpr int HeightRole = Qt::UserRole + 2;

QColor toQColor(const MarkupColour& c) {
    return QColor(c.red, c.green, c.blue);
}

MarkupColour toMarkupColour(const QColor& c) {
    return MarkupColour{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                        static_cast<std::uint8_t>(c.blue())};
}

std::string markupOf(const QModelIndex& index) {
    const QVariant bytes = index.data(MarkupRole);
    if (bytes.isValid()) return bytes.toByteArray().toStdString();
    return ToWindows1251(index.data(Qt::DisplayRole).toString()).value_or(std::string());
}

class MarkupDelegate final : public QStyledItemDelegate {
  public:
    explicit MarkupDelegate(TExtensionList* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        (void)option;
        const QVariant fixed = index.data(HeightRole);
        return QSize(1, fixed.isValid() ? fixed.toInt()
                                        : MarkupItemHeight(markupOf(index), list_->itemHeight()));
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool highlighted = list_->selColorEn() && (option.state & QStyle::State_Selected);
        const QColor brush = highlighted ? option.palette.color(QPalette::Highlight)
                                         : list_->palette().color(QPalette::Base);
        const QRect r = option.rect;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->fillRect(r, brush);

        const MarkupBase base = list_->markupBase();
        const QtMarkupMetrics& metrics = list_->markupMetrics();
        MarkupColour pen = list_->penBefore(index.row());
        const MarkupRect rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
        const MarkupLineLayout layout = LayoutMarkupLine(markupOf(index), rect, base, pen, metrics);
        for (const MarkupDrawOp& op : layout.operations) {
            if (const auto* text = std::get_if<MarkupTextRun>(&op))
                drawText(painter, *text, brush, metrics);
            else
                drawLine(painter, std::get<MarkupLine>(op));
        }

        if (list_->selColorEn() && (option.state & QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.initFrom(list_);
            focus.rect = r;
            focus.backgroundColor = brush;
            list_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list_);
        }
        painter->restore();
    }

  private:
    static void drawText(QPainter* painter, const MarkupTextRun& run, const QColor& brush,
                         const QtMarkupMetrics& metrics) {
        painter->fillRect(QRect(run.x, run.y, run.width, run.height), brush);
        painter->setFont(metrics.qfont(run.font));
        painter->setPen(toQColor(run.colour));
        painter->drawText(QPoint(run.x, run.y + metrics.ascent(run.font)),
                          FromWindows1251(run.text));
    }

    static void drawLine(QPainter* painter, const MarkupLine& line) {
        painter->setPen(QPen(toQColor(line.colour), 0));
        painter->drawLine(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2));
    }

    TExtensionList* list_;
};

} // namespace

TExtensionList::TExtensionList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new MarkupDelegate(this));
    setUniformItemSizes(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The summaries' column widths are set in pixels for a narrow sans face;
    // Arial (or its metric twin) keeps their headings inside the cells.
    QFont base = font();
    base.setFamily(QStringLiteral("Arial"));
    base.setStyleHint(QFont::SansSerif);
    base.setPointSize(10);
    setFont(base);
    QAbstractItemModel* m = model();
    connect(m, &QAbstractItemModel::rowsInserted, this, [this] { invalidatePens(); });
    connect(m, &QAbstractItemModel::rowsRemoved, this, [this] { invalidatePens(); });
    connect(m, &QAbstractItemModel::rowsMoved, this, [this] { invalidatePens(); });
    connect(m, &QAbstractItemModel::dataChanged, this, [this] { invalidatePens(); });
    connect(m, &QAbstractItemModel::modelReset, this, [this] { invalidatePens(); });
    connect(m, &QAbstractItemModel::layoutChanged, this, [this] { invalidatePens(); });
}

// The list widget's model outlives this part of the object and announces its
// own clearing while the base class is being destroyed: the handlers above
// must not run on a list that is already half gone.
TExtensionList::~TExtensionList() {
    model()->disconnect(this);
}

void TExtensionList::setSelColorEn(bool on) {
    if (on == selColorEn_) return;
    selColorEn_ = on;
    viewport()->update();
}

void TExtensionList::setItemHeight(int pixels) {
    itemHeight_ = pixels;
}

QListWidgetItem* TExtensionList::newItem(const std::string& line) const {
    auto* item = new QListWidgetItem(FromWindows1251(line));
    item->setData(MarkupRole, QByteArray::fromStdString(line));
    item->setData(HeightRole, MarkupItemHeight(line, itemHeight_));
    return item;
}

void TExtensionList::addLine(const std::string& line) {
    addItem(newItem(line));
}

void TExtensionList::setLine(int index, const std::string& line) {
    if (index < 0 || index > count()) return;
    if (index < count()) delete takeItem(index);
    insertItem(index, newItem(line));
}

void TExtensionList::setLines(const std::vector<std::string>& lines) {
    clear();
    for (const std::string& line : lines)
        addLine(line);
}

std::string TExtensionList::line(int index) const {
    const QListWidgetItem* found = item(index);
    return found ? markupOf(indexFromItem(found)) : std::string();
}

std::vector<std::string> TExtensionList::lines() const {
    std::vector<std::string> result;
    for (int row = 0; row < count(); ++row)
        result.push_back(line(row));
    return result;
}

MarkupBase TExtensionList::markupBase() const {
    return MarkupBase{MarkupFontOf(font()), toMarkupColour(palette().color(QPalette::Text))};
}

MarkupColour TExtensionList::penBefore(int row) const {
    if (penCache_.size() != static_cast<std::size_t>(count())) {
        penCache_.clear();
        const MarkupColour textColour = markupBase().colour;
        MarkupColour pen; // the canvas starts with a black pen
        for (int r = 0; r < count(); ++r) {
            penCache_.push_back(pen);
            pen = MarkupPenAfter(line(r), textColour, pen);
        }
    }
    if (row < 0 || row >= count()) return MarkupColour{};
    return penCache_[static_cast<std::size_t>(row)];
}

const QtMarkupMetrics& TExtensionList::markupMetrics() const {
    if (!metrics_) metrics_ = std::make_unique<QtMarkupMetrics>(font());
    return *metrics_;
}

void TExtensionList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) metrics_.reset();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        invalidatePens();
    QListWidget::changeEvent(event);
}

void TExtensionList::invalidatePens() {
    penCache_.clear();
}

void FillListFromText(TExtensionList& list, std::string_view text) {
    list.setLines(SplitListText(text));
}

} // namespace skarvion
