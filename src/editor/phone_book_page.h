#pragma once

// The phone book page: forty slots with their numbers and the channels that
// use them, edited through the phone dialog, the clipboard and Delete.

#include "editor/editor_page.h"
#include "editor/phone_book_rules.h"

#include <map>

class QAction;
class QLabel;
class QMenu;

namespace skarvion {

class PhoneListView;

class PhoneBookPage : public EditorPage {
    Q_OBJECT

  public:
    explicit PhoneBookPage(EditorContext& context);
    void fill() override;

    // How Edit asks for a number; the phone dialog unless replaced.
    void setPhoneAsker(PhoneAsker ask) { ask_ = std::move(ask); }

    PhoneListView* phoneList() const { return list_; }
    QAction* action(const QString& name) const;

    // The commands of the list, acting on the selected row (Edit: row 1 when
    // none is selected).
    void editSelected();
    void copySelected();
    void pasteToSelected();
    void deleteSelected();

  private:
    void showRows();
    void phoneBookChanged();

    QLabel* label_;
    PhoneListView* list_;
    QMenu* menu_;
    std::map<QString, QAction*> actions_;
    PhoneAsker ask_;
};

} // namespace skarvion
