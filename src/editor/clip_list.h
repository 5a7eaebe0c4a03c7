#pragma once

// The CLIP list of the input, GSM test and periodic test CLIP pages: the
// phone book's forty slots with one mark column per call; a mark shows the
// slot a call uses, and a column whose call is not made is grey.

#include "editor/clip_rules.h"
#include "editor/phone_list_view.h"
#include "locale/language_texts.h"

#include <vector>

namespace skarvion {

struct ClipListColumn {
    ClipColumn call;
    const char* caption;
};

// The call columns of the input and GSM lists: "Ev1", "Res1", "Ev2", "Res2".
extern const std::vector<ClipListColumn> EventAndRestoreColumns;
// The call columns of the periodic test list: "Event", "Event 2".
extern const std::vector<ClipListColumn> EventOnlyColumns;

class ClipList : public PhoneListView {
    Q_OBJECT

  public:
    ClipList(const PhoneListNames& names, const std::vector<ClipListColumn>& columns,
             QWidget* parent = nullptr);

    // The call a list column stands for; the phone column for column 0.
    ClipColumn callOf(int column) const;
    // The list column of a call, -1 when the list has none.
    int columnOf(ClipColumn call) const;

    // Repaints the numbers, the marks and the grey columns.
    void showCalls(const ConfigurationModel& model, const LanguageTexts& texts,
                   const ClipCalls& calls);

    // Whether a cell shows a mark, and whether its column is grey.
    bool marked(int slot, ClipColumn call) const;
    bool greyed(ClipColumn call) const;

  signals:
    // A click in a call column, or a double-click in the phone column (the
    // number column reacts to double-clicks only, as a phone list does).
    void cellActivated(int slot, int call);
    // A double-click on the header of a call column.
    void headerDoubleClicked(int call);

  private:
    std::vector<ClipListColumn> columns_;
};

} // namespace skarvion
