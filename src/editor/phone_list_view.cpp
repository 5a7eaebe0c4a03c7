#include "editor/phone_list_view.h"

#include "editor/phone_list_scroll.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int RowHeight = 20;
constexpr int ButtonSteps[4] = {-2, -1, 1, 2};
const Qt::ArrowType ButtonArrows[4] = {Qt::UpArrow, Qt::UpArrow, Qt::DownArrow, Qt::DownArrow};

} // namespace

PhoneListView::PhoneListView(const PhoneListNames& names, int columns, int rows, QWidget* parent)
    : QWidget(parent), list_(new QTreeWidget(this)), bar_(new QProgressBar(this)) {
    list_->setObjectName(names.list);
    list_->setColumnCount(columns);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setSectionsMovable(false);
    // Rows tall enough for the 16-pixel channel icons; the list shows eight.
    for (int row = 0; row < rows; ++row) {
        auto* item = new QTreeWidgetItem(list_);
        item->setSizeHint(0, QSize(0, RowHeight));
    }
    list_->setFixedHeight(list_->header()->sizeHint().height() + PhoneListVisibleRows * RowHeight +
                          2 * list_->frameWidth());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    bar_->setObjectName(names.bar);
    bar_->setOrientation(Qt::Vertical);
    bar_->setRange(0, PhoneListBarMaximum);
    bar_->setTextVisible(false);
    bar_->setFixedWidth(12);

    auto* controls = new QVBoxLayout;
    controls->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(names.buttons[static_cast<std::size_t>(i)]);
        button->setArrowType(ButtonArrows[i]);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        if (i == 2) controls->addWidget(bar_, 1, Qt::AlignHCenter);
        controls->addWidget(button);
        buttons_[static_cast<std::size_t>(i)] = button;
        connect(button, &QToolButton::clicked, this, [this, i] { scrollRows(ButtonSteps[i]); });
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1, Qt::AlignTop);
    layout->addLayout(controls);

    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &PhoneListView::showPosition);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        emit rowDoubleClicked(list_->indexOfTopLevelItem(item) + 1);
    });
    reset();
}

int PhoneListView::rowCount() const {
    return list_->topLevelItemCount();
}

int PhoneListView::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? 0 : list_->indexOfTopLevelItem(selected.front()) + 1;
}

void PhoneListView::selectRow(int row) {
    if (QTreeWidgetItem* item = list_->topLevelItem(row - 1)) {
        list_->setCurrentItem(item);
        item->setSelected(true);
    }
}

void PhoneListView::clearSelection() {
    list_->clearSelection();
}

int PhoneListView::topRow() const {
    return list_->verticalScrollBar()->value();
}

void PhoneListView::scrollRows(int rows) {
    list_->verticalScrollBar()->setValue(ScrolledTopRow(topRow(), rows, rowCount()));
    showPosition();
}

void PhoneListView::reset() {
    list_->verticalScrollBar()->setValue(0);
    list_->clearSelection();
    bar_->setValue(bar_->maximum());
}

void PhoneListView::showPosition() {
    bar_->setValue(PhoneListBarPosition(topRow(), rowCount(), bar_->minimum(), bar_->maximum()));
}

} // namespace skarvion
