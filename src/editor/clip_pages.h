#pragma once

// The CLIP pages: an input record's CLIP calls (1..4 and the arming record
// 5), the GSM monitor's and the periodic test's, each on the CLIP list with
// the box that switches the second group of calls.

#include "editor/asking_page.h"
#include "editor/clip_list.h"

#include <optional>

class QCheckBox;
class QLabel;

namespace skarvion {

enum class ClipOwner { Input, Gsm, Periodic };

struct ClipPageSpec {
    ClipOwner owner;
    const char* headingName;
    PhoneListNames listNames;
    const std::vector<ClipListColumn>& columns;
    const char* group2Name;
    const char* group2Caption;
};

extern const ClipPageSpec InputClipSpec;    // CLIP_Set
extern const ClipPageSpec GsmClipSpec;      // GSM_CLIP
extern const ClipPageSpec PeriodicClipSpec; // PerCLIPSet

class ClipPage : public AskingPage {
    Q_OBJECT

  public:
    ClipPage(EditorContext& context, const ClipPageSpec& entry);
    void fill() override;

    ClipList* clipList() const { return list_; }

  private:
    // The calls of the current node, none when the node has none.
    std::optional<ClipCalls> calls();
    QString headingText();
    void showCalls();
    template <typename Change> void editCalls(Change&& change);

    const ClipPageSpec& spec_;
    QLabel* label_;
    ClipList* list_;
    QCheckBox* group2_;
};

} // namespace skarvion
