#include "editor/clip_list.h"

#include "editor/phone_book_rules.h"
#include "model/windows1251.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace skarvion {

namespace {

constexpr int MarkRole = Qt::UserRole + 1;
constexpr int GreyRole = Qt::UserRole + 2;
constexpr int MarkSize = 16;
constexpr int CallColumnWidth = 48;

const QColor GreyColumn(200, 200, 200);

// The mark of a call: a tick on a small tile, in the highlight's text colour
// on the selected row.
void paintMark(QPainter* painter, const QRect& cell, bool selected, const QPalette& palette) {
    const QRect tile(cell.center().x() - MarkSize / 2, cell.center().y() - MarkSize / 2, MarkSize,
                     MarkSize);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(selected ? palette.color(QPalette::HighlightedText) : QColor(150, 60, 170));
    painter->drawRoundedRect(QRectF(tile).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->setPen(QPen(selected ? palette.color(QPalette::Highlight) : Qt::white, 2));
    const QPointF origin = tile.topLeft();
    painter->drawPolyline(
        QPolygonF{origin + QPointF(4, 8.5), origin + QPointF(7, 11.5), origin + QPointF(12, 4.5)});
    painter->restore();
}

class MarkDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (index.data(GreyRole).toBool()) {
            painter->fillRect(option.rect, GreyColumn);
            return;
        }
        QStyledItemDelegate::paint(painter, option, QModelIndex());
        if (index.data(MarkRole).toBool())
            paintMark(painter, option.rect, option.state & QStyle::State_Selected, option.palette);
    }
};

} // namespace

const std::vector<ClipListColumn> EventAndRestoreColumns{{ClipColumn::Event1, "Ev1"},
                                                         {ClipColumn::Restore1, "Res1"},
                                                         {ClipColumn::Event2, "Ev2"},
                                                         {ClipColumn::Restore2, "Res2"}};

const std::vector<ClipListColumn> EventOnlyColumns{{ClipColumn::Event1, "Event"},
                                                   {ClipColumn::Event2, "Event 2"}};

ClipList::ClipList(const PhoneListNames& names, const std::vector<ClipListColumn>& columns,
                   QWidget* parent)
    : PhoneListView(names, static_cast<int>(columns.size()) + 1, PhoneBookSize, parent),
      columns_(columns) {
    QTreeWidget* tree = list();
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    header->setSectionsClickable(true);
    auto* delegate = new MarkDelegate(tree);
    for (int column = 1; column <= static_cast<int>(columns_.size()); ++column) {
        tree->setItemDelegateForColumn(column, delegate);
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, CallColumnWidth);
        tree->headerItem()->setText(column, QString::fromLatin1(columns_[column - 1].caption));
        tree->headerItem()->setTextAlignment(column, Qt::AlignCenter);
    }

    const auto slotOf = [tree](QTreeWidgetItem* item) {
        return tree->indexOfTopLevelItem(item) + 1;
    };
    connect(tree, &QTreeWidget::itemClicked, this,
            [this, slotOf](QTreeWidgetItem* item, int column) {
                if (column > 0) emit cellActivated(slotOf(item), static_cast<int>(callOf(column)));
            });
    connect(tree, &QTreeWidget::itemDoubleClicked, this,
            [this, slotOf](QTreeWidgetItem* item, int column) {
                if (column == 0)
                    emit cellActivated(slotOf(item), static_cast<int>(ClipColumn::Phone));
            });
    connect(header, &QHeaderView::sectionDoubleClicked, this, [this](int column) {
        if (column > 0) emit headerDoubleClicked(static_cast<int>(callOf(column)));
    });
}

ClipColumn ClipList::callOf(int column) const {
    if (column < 1 || column > static_cast<int>(columns_.size())) return ClipColumn::Phone;
    return columns_[static_cast<std::size_t>(column - 1)].call;
}

int ClipList::columnOf(ClipColumn call) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].call == call) return static_cast<int>(i) + 1;
    return -1;
}

void ClipList::showCalls(const ConfigurationModel& model, const LanguageTexts& texts,
                         const ClipCalls& calls) {
    QTreeWidget* tree = list();
    for (int slot = 1; slot <= PhoneBookSize; ++slot) {
        QTreeWidgetItem* item = tree->topLevelItem(slot - 1);
        item->setText(0, FromWindows1251(PhoneListText(model, texts, slot)));
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const ClipColumn call = columns_[i].call;
            const int column = static_cast<int>(i) + 1;
            item->setData(column, GreyRole, !ClipColumnActive(calls, call));
            item->setData(column, MarkRole, ClipColumnSlot(calls, call) == slot);
        }
    }
    tree->viewport()->update();
}

bool ClipList::marked(int slot, ClipColumn call) const {
    const QTreeWidgetItem* item = list()->topLevelItem(slot - 1);
    const int column = columnOf(call);
    return item && column > 0 && item->data(column, MarkRole).toBool();
}

bool ClipList::greyed(ClipColumn call) const {
    const QTreeWidgetItem* item = list()->topLevelItem(0);
    const int column = columnOf(call);
    return item && column > 0 && item->data(column, GreyRole).toBool();
}

} // namespace skarvion
