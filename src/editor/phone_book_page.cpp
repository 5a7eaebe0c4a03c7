#include "editor/phone_book_page.h"

#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/phone_asker.h"
#include "editor/phone_list_view.h"
#include "editor/tree_icons.h"
#include "model/windows1251.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int UsageRole = Qt::UserRole + 1;
constexpr int IconSize = 16;
constexpr int IconGap = 5;

enum UsageBit { UsesAlarm = 1, UsesSms = 2, UsesClip = 4, UsesData = 8 };

int usageBits(const PhoneUsage& usage) {
    return (usage.alarm ? UsesAlarm : 0) | (usage.sms ? UsesSms : 0) | (usage.clip ? UsesClip : 0) |
           (usage.data ? UsesData : 0);
}

// The usage column: one channel icon per channel using the entry, in the
// order ALARM, SMS, CLIP, DATA, centred.
class UsageDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, QModelIndex());
        const int bits = index.data(UsageRole).toInt();
        static const std::pair<int, TreeIcon> channels[] = {{UsesAlarm, TreeIcon::Alarm},
                                                            {UsesSms, TreeIcon::Sms},
                                                            {UsesClip, TreeIcon::Clip},
                                                            {UsesData, TreeIcon::Data}};
        std::vector<TreeIcon> icons;
        for (const auto& [bit, icon] : channels)
            if (bits & bit) icons.push_back(icon);
        if (icons.empty()) return;
        const int width = static_cast<int>(icons.size()) * (IconSize + IconGap) - IconGap;
        int x = option.rect.center().x() - width / 2;
        const int y = option.rect.center().y() - IconSize / 2;
        const QIcon::Mode mode =
            option.state & QStyle::State_Selected ? QIcon::Selected : QIcon::Normal;
        for (TreeIcon icon : icons) {
            TreeIconImage(icon).paint(painter, QRect(x, y, IconSize, IconSize), Qt::AlignCenter,
                                      mode);
            x += IconSize + IconGap;
        }
    }
};

struct ActionSpec {
    const char* name;
    const char* caption;
};

const ActionSpec phoneActions[] = {
    {"ActPhEdit", "Edit"}, {"ActPhInfo", "Info"},   {"ActPhCut", "Cut"},
    {"ActPhCopy", "Copy"}, {"ActPhPaste", "Paste"}, {"ActPhDelete", "Delete"},
};

} // namespace

PhoneBookPage::PhoneBookPage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label3"), this)),
      list_(new PhoneListView({QStringLiteral("VirtualDrawTree4"),
                               {QStringLiteral("SpeedButton1"), QStringLiteral("SpeedButton2"),
                                QStringLiteral("SpeedButton3"), QStringLiteral("SpeedButton4")},
                               QStringLiteral("ProgressBar1")},
                              2, PhoneBookSize, this)),
      menu_(NamedControl<QMenu>(QStringLiteral("PhonePopupMenu"), this)),
      ask_(DialogPhoneAsker(this, context.texts)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    layout->addStretch(1);

    QTreeWidget* tree = list_->list();
    tree->setItemDelegateForColumn(1, new UsageDelegate(tree));
    tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree, &QWidget::customContextMenuRequested, this,
            [this, tree](const QPoint& at) { menu_->popup(tree->viewport()->mapToGlobal(at)); });
    connect(list_, &PhoneListView::rowDoubleClicked, this, [this] { editSelected(); });

    for (const ActionSpec& entry : phoneActions) {
        auto* action = new QAction(QString::fromLatin1(entry.caption), this);
        action->setObjectName(entry.name);
        menu_->addAction(action);
        actions_[entry.name] = action;
    }
    QAction* remove = actions_["ActPhDelete"];
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    tree->addAction(remove);
    connect(actions_["ActPhEdit"], &QAction::triggered, this, &PhoneBookPage::editSelected);
    connect(actions_["ActPhCopy"], &QAction::triggered, this, &PhoneBookPage::copySelected);
    connect(actions_["ActPhPaste"], &QAction::triggered, this, &PhoneBookPage::pasteToSelected);
    connect(remove, &QAction::triggered, this, &PhoneBookPage::deleteSelected);
}

QAction* PhoneBookPage::action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void PhoneBookPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    label_->setText(uiText(texts, "LIST_CAPT_PHONE"));
    list_->list()->setHeaderLabels(
        {uiText(texts, "LIST_REPORT_VAL1"), uiText(texts, "LIST_REPORT_VAL4")});
    list_->reset();
    showRows();
}

void PhoneBookPage::showRows() {
    QTreeWidget* tree = list_->list();
    for (int slot = 1; slot <= PhoneBookSize; ++slot) {
        QTreeWidgetItem* item = tree->topLevelItem(slot - 1);
        item->setText(0, FromWindows1251(PhoneListText(context().model, context().texts, slot)));
        item->setData(1, UsageRole, usageBits(PhoneUsageOf(context().model, slot)));
    }
    tree->viewport()->update();
}

void PhoneBookPage::phoneBookChanged() {
    showRows();
    context().treeStatesChanged();
}

void PhoneBookPage::editSelected() {
    if (context().PageUpdating) return;
    const int slot = list_->selectedRow() == 0 ? 1 : list_->selectedRow();
    bool edited = false;
    {
        PageUpdateGuard guard(context());
        edited = EditPhoneBookEntry(context().model, slot, ask_);
    }
    if (!edited) return;
    context().markModified();
    phoneBookChanged();
}

void PhoneBookPage::copySelected() {
    const int slot = list_->selectedRow();
    if (slot == 0) return;
    QApplication::clipboard()->setText(FromWindows1251(CopyPhoneBookEntry(context().model, slot)));
}

void PhoneBookPage::pasteToSelected() {
    const int slot = list_->selectedRow();
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    if (slot == 0 || !clip || !clip->hasText()) return;
    // Only "+" and digits survive the filter, and they are the same in every code page.
    const Text pasted = clip->text().toStdString();
    if (EditModel(context(), [&](ConfigurationModel& m) {
            PastePhoneBookEntry(m, slot, pasted, context().texts);
        }))
        phoneBookChanged();
}

void PhoneBookPage::deleteSelected() {
    const int slot = list_->selectedRow();
    if (slot == 0 || !PhoneUsed(context().model, slot)) return;
    if (EditModel(context(),
                  [&](ConfigurationModel& m) { DeletePhoneBookEntry(m, slot, context().texts); }))
        phoneBookChanged();
}

} // namespace skarvion
