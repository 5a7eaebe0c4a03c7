#pragma once

// Cut, Copy, Paste and Delete of the main window. They act on the delay
// field or the phone book list that has the keyboard focus, and are enabled
// only while one has it; a 120 ms timer keeps them in step with the field's
// selection and the clipboard.

#include "editor/edit_command_rules.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QTimer;
class QTreeWidget;
class QWidget;

namespace skarvion {

class PhoneBookPage;

struct EditCommandActions {
    QAction* cut;
    QAction* copy;
    QAction* paste;
    QAction* remove;
};

class EditCommands : public QObject {
    Q_OBJECT

  public:
    static constexpr int TimerInterval = 120; // ms

    // `markModified` is told before Cut and Paste act.
    EditCommands(const EditCommandActions& actions, std::function<void()> markModified,
                 QObject* parent = nullptr);

    // A page was filled: the commands are off until a target has the focus again.
    void disableCommands();

    QWidget* target() const { return target_; }
    EditTargetKind targetKind() const { return kind_; }
    QTimer* timer() const { return timer_; }

    void cut();
    void copy();
    void paste();
    void remove();

  private:
    void onFocusChanged(QWidget* now);
    void watchPhoneList(QTreeWidget* list);
    void registerTarget(QWidget* target, EditTargetKind kind);
    void clearTarget();
    void tick();
    void show(const EditCommandStates& states);
    void setPhoneListActions(bool enabled);
    PhoneBookPage* phoneBookPage() const;
    bool targetFocused() const;

    EditCommandActions actions_;
    std::function<void()> markModified_;
    QTimer* timer_;
    QPointer<QWidget> target_;
    EditTargetKind kind_ = EditTargetKind::None;
};

} // namespace skarvion
