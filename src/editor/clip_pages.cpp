#include "editor/clip_pages.h"

#include "editor/channel_rules.h"
#include "editor/page_widgets.h"
#include "editor/test_rules.h"
#include "model/windows1251.h"
#include "summary/summary_context.h"

#include <QCheckBox>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace skarvion {

const ClipPageSpec InputClipSpec{
    ClipOwner::Input,
    "Label51",
    {"VirtualDrawTree3",
     {"SpeedButton13", "SpeedButton14", "SpeedButton15", "SpeedButton16"},
     "ProgressBar4"},
    EventAndRestoreColumns,
    "CheckBox1",
    "CLIP2",
};

const ClipPageSpec GsmClipSpec{
    ClipOwner::Gsm,
    "Label106",
    {"VirtualDrawTree6",
     {"SpeedButton5", "SpeedButton6", "SpeedButton7", "SpeedButton8"},
     "ProgressBar2"},
    EventAndRestoreColumns,
    "SetCLIP_CB",
    "CLIP2",
};

const ClipPageSpec PeriodicClipSpec{
    ClipOwner::Periodic,
    "Label72",
    {"VirtualDrawTree5",
     {"SpeedButton9", "SpeedButton10", "SpeedButton11", "SpeedButton12"},
     "ProgressBar3"},
    EventOnlyColumns,
    "PerCLIP_CB",
    "CLIP 2",
};

ClipPage::ClipPage(EditorContext& context, const ClipPageSpec& entry)
    : AskingPage(context), spec_(entry), label_(HeadingLabel(entry.headingName, this)),
      list_(new ClipList(entry.listNames, entry.columns, this)),
      group2_(NamedControl<QCheckBox>(entry.group2Name, this)) {
    group2_->setText(QString::fromLatin1(entry.group2Caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    layout->addWidget(group2_);
    layout->addStretch(1);

    connect(list_, &ClipList::cellActivated, this, [this](int slot, int call) {
        editCalls([&](ConfigurationModel& m, const ClipCalls& c) {
            ClickClipCell(m, c, slot, static_cast<ClipColumn>(call), phoneAsker());
        });
    });
    connect(list_, &ClipList::headerDoubleClicked, this, [this](int call) {
        editCalls([&](ConfigurationModel& m, const ClipCalls& c) {
            ToggleClipRestoreCall(m, c, static_cast<ClipColumn>(call), phoneAsker());
        });
    });
    connect(group2_, &QCheckBox::clicked, this, [this](bool checked) {
        editCalls([&](ConfigurationModel& m, const ClipCalls& c) { SetClipGroup2(m, c, checked); });
    });
}

std::optional<ClipCalls> ClipPage::calls() {
    ConfigurationModel& m = context().model;
    const NodeContext& node = context().current;
    switch (spec_.owner) {
    case ClipOwner::Input:
        if (node.input < 1 || node.input > InputCount) return std::nullopt;
        return InputClipCalls(m.input(node.input));
    case ClipOwner::Gsm:
        if (TestBranchOf(node) != TestBranch::Gsm) return std::nullopt;
        return GsmClipCalls(m);
    case ClipOwner::Periodic:
        if (TestBranchOf(node) != TestBranch::Periodic) return std::nullopt;
        return PeriodicClipCalls(m);
    }
    return std::nullopt;
}

QString ClipPage::headingText() {
    const LanguageTexts& texts = context().texts;
    switch (spec_.owner) {
    case ClipOwner::Input:
        return FromWindows1251(ChannelPageHeading(texts, "CAPTIONPAGECLIPSET",
                                                  context().current.input, ArmingClipHeading));
    case ClipOwner::Gsm:
        return uiText(texts, "TREEGSM_CLIP");
    case ClipOwner::Periodic:
        return FromWindows1251(
            FillFormat(texts.text("CAPTIONPAGECLIPSET"), texts.text("CAPTIONPAGESMSTEXTEx2")));
    }
    return {};
}

void ClipPage::fill() {
    PageUpdateGuard guard(context());
    label_->setText(headingText());
    list_->list()->headerItem()->setText(0, uiText(context().texts, "LIST_REPORT_VAL1"));
    list_->reset();
    const std::optional<ClipCalls> c = calls();
    setEnabled(c.has_value());
    group2_->setChecked(c && *c->group2);
    showCalls();
}

void ClipPage::showCalls() {
    if (const std::optional<ClipCalls> c = calls())
        list_->showCalls(context().model, context().texts, *c);
}

template <typename Change> void ClipPage::editCalls(Change&& change) {
    const std::optional<ClipCalls> c = calls();
    if (!c) return;
    if (!editAsking([&](ConfigurationModel& m) { change(m, *c); })) return;
    const PageUpdateGuard guard(context());
    group2_->setChecked(*c->group2);
    showCalls();
}

} // namespace skarvion
