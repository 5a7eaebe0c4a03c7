#include "editor/edit_commands.h"

#include "dialogs/edit_let_ch.h"
#include "dialogs/edit_let_num.h"
#include "editor/phone_book_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTimer>
#include <QTreeWidget>

namespace skarvion {

namespace {

constexpr const char* WatchedProperty = "skarvionEditTargetWatched";

bool clipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

EditTargetKind fieldKind(QWidget* widget) {
    if (qobject_cast<TEditLetNum*>(widget)) return EditTargetKind::NumberField;
    if (qobject_cast<TEditLetCh*>(widget)) return EditTargetKind::CharField;
    return EditTargetKind::None;
}

EditState fieldState(const QLineEdit& field) {
    if (field.hasSelectedText())
        return {field.text(), field.selectionStart(),
                static_cast<int>(field.selectedText().size())};
    return {field.text(), field.cursorPosition(), 0};
}

// Writes the text as any change reaches the field, so the field's own rules
// and its page's handler apply.
void applyEdit(QLineEdit& field, const FieldEdit& edit) {
    field.setText(edit.text);
    field.setCursorPosition(std::min(edit.caret, static_cast<int>(field.text().size())));
}

} // namespace

EditCommands::EditCommands(const EditCommandActions& actions, std::function<void()> markModified,
                           QObject* parent)
    : QObject(parent), actions_(actions), markModified_(std::move(markModified)),
      timer_(new QTimer(this)) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(TimerInterval);
    connect(timer_, &QTimer::timeout, this, &EditCommands::tick);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { onFocusChanged(now); });
    connect(actions_.cut, &QAction::triggered, this, &EditCommands::cut);
    connect(actions_.copy, &QAction::triggered, this, &EditCommands::copy);
    connect(actions_.paste, &QAction::triggered, this, &EditCommands::paste);
    connect(actions_.remove, &QAction::triggered, this, &EditCommands::remove);
    show({});
}

void EditCommands::disableCommands() {
    show({});
}

void EditCommands::onFocusChanged(QWidget* now) {
    if (now && IsEditTargetName(now->objectName())) {
        if (auto* list = qobject_cast<QTreeWidget*>(now)) {
            watchPhoneList(list);
            if (list->currentItem()) registerTarget(list, EditTargetKind::PhoneList);
            return;
        }
        const EditTargetKind kind = fieldKind(now);
        if (kind != EditTargetKind::None) {
            registerTarget(now, kind);
            return;
        }
    }
    if (target_ && now != target_) clearTarget();
}

// The phone list becomes the target when its focused row changes.
void EditCommands::watchPhoneList(QTreeWidget* list) {
    if (list->property(WatchedProperty).toBool()) return;
    list->setProperty(WatchedProperty, true);
    connect(list, &QTreeWidget::currentItemChanged, this, [this, list](QTreeWidgetItem* current) {
        if (current) registerTarget(list, EditTargetKind::PhoneList);
    });
}

void EditCommands::registerTarget(QWidget* target, EditTargetKind kind) {
    target_ = target;
    kind_ = kind;
    timer_->start();
    if (kind == EditTargetKind::PhoneList) setPhoneListActions(true);
    tick();
}

void EditCommands::clearTarget() {
    target_ = nullptr;
    kind_ = EditTargetKind::None;
    timer_->stop();
    show({});
}

bool EditCommands::targetFocused() const {
    return target_ && target_->hasFocus();
}

void EditCommands::tick() {
    const auto* field = qobject_cast<QLineEdit*>(target_.data());
    const bool selection = field && field->hasSelectedText();
    const bool clip = clipboardHasText();
    const EditCommandStates states = EditCommandStatesFor(target_ ? kind_ : EditTargetKind::None,
                                                          targetFocused(), selection, clip);
    if (!states.timerRuns) {
        clearTarget();
        return;
    }
    show(states);
    if (kind_ == EditTargetKind::PhoneList) {
        if (PhoneBookPage* page = phoneBookPage())
            page->action(QStringLiteral("ActPhPaste"))->setEnabled(clip);
    }
}

void EditCommands::show(const EditCommandStates& states) {
    actions_.cut->setEnabled(states.cut);
    actions_.copy->setEnabled(states.copy);
    actions_.paste->setEnabled(states.paste);
    actions_.remove->setEnabled(states.remove);
}

void EditCommands::setPhoneListActions(bool enabled) {
    PhoneBookPage* page = phoneBookPage();
    if (!page) return;
    for (const char* name : {"ActPhEdit", "ActPhInfo", "ActPhCut", "ActPhCopy", "ActPhDelete"}) {
        if (QAction* action = page->action(QString::fromLatin1(name))) action->setEnabled(enabled);
    }
    if (QAction* paste = page->action(QStringLiteral("ActPhPaste")))
        paste->setEnabled(enabled && clipboardHasText());
}

PhoneBookPage* EditCommands::phoneBookPage() const {
    for (QObject* up = target_; up; up = up->parent()) {
        if (auto* page = qobject_cast<PhoneBookPage*>(up)) return page;
    }
    return nullptr;
}

void EditCommands::cut() {
    if (!target_) return;
    markModified_();
    auto* field = qobject_cast<QLineEdit*>(target_.data());
    if (!field || !field->hasSelectedText()) return;
    QApplication::clipboard()->setText(field->selectedText());
    applyEdit(*field, CutFieldText(kind_, fieldState(*field)));
}

void EditCommands::copy() {
    if (kind_ == EditTargetKind::PhoneList) {
        if (PhoneBookPage* page = phoneBookPage()) page->copySelected();
        return;
    }
    auto* field = qobject_cast<QLineEdit*>(target_.data());
    if (field && field->hasSelectedText())
        QApplication::clipboard()->setText(field->selectedText());
}

void EditCommands::paste() {
    if (!target_ || !clipboardHasText()) return;
    markModified_();
    if (kind_ == EditTargetKind::PhoneList) {
        if (PhoneBookPage* page = phoneBookPage()) page->pasteToSelected();
        return;
    }
    auto* field = qobject_cast<QLineEdit*>(target_.data());
    if (!field) return;
    applyEdit(*field, PasteFieldText(fieldState(*field), QApplication::clipboard()->text()));
}

void EditCommands::remove() {
    if (kind_ == EditTargetKind::PhoneList) {
        if (PhoneBookPage* page = phoneBookPage()) page->deleteSelected();
        return;
    }
    if (auto* field = qobject_cast<QLineEdit*>(target_.data()))
        applyEdit(*field, DeleteFieldText(kind_));
}

} // namespace skarvion
