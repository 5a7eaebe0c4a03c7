#include "editor/output_pages.h"

#include "editor/half_second_editor.h"
#include "editor/output_rules.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/sms_memo.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace skarvion {

namespace {

bool validOutput(int n) {
    return n >= 1 && n <= OutputCount;
}

const char* const modeCaptionKeys[3] = {"LIST_MODEOUT_VAL1", "LIST_MODEOUT_VAL2",
                                        "LIST_MODEOUT_VAL3"};

// Unchecks every button of an exclusive group, so a value with no button shows none.
void clearGroup(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

// Initial state.

OutputStartPage::OutputStartPage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label48"), this)),
      onButton_(NamedControl<QRadioButton>(QStringLiteral("RButtonState1"), this)),
      offButton_(NamedControl<QRadioButton>(QStringLiteral("RButtonState2"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(onButton_);
    layout->addWidget(offButton_);
    layout->addStretch(1);
    connect(onButton_, &QRadioButton::toggled, this, [this](bool on) { onStateChosen(0, on); });
    connect(offButton_, &QRadioButton::toggled, this, [this](bool on) { onStateChosen(1, on); });
}

void OutputStartPage::fill() {
    PageUpdateGuard guard(context());
    const int n = context().current.output;
    const LanguageTexts& texts = context().texts;
    label_->setText(NumberedText(texts, "LIST_CAPT_SS_OUT", n));
    onButton_->setText(uiText(texts, "LIST_SS_OUT_VAL1"));
    offButton_->setText(uiText(texts, "LIST_SS_OUT_VAL2"));
    const bool off = validOutput(n) && context().model.output(n).StartState == 1;
    (off ? offButton_ : onButton_)->setChecked(true);
}

void OutputStartPage::onStateChosen(Byte startState, bool checked) {
    const int n = context().current.output;
    if (!checked || !validOutput(n) || context().model.output(n).StartState == startState) return;
    if (EditModel(context(), [&](ConfigurationModel& m) { m.output(n).StartState = startState; }))
        context().treeStatesChanged();
}

// Mode.

OutputModePage::OutputModePage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label47"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* group = new QButtonGroup(this);
    for (int mode = 0; mode < 4; ++mode) {
        auto* button =
            NamedControl<QRadioButton>(QStringLiteral("RButtonType%1").arg(mode + 1), this);
        buttons_[static_cast<std::size_t>(mode)] = button;
        group->addButton(button);
        layout->addWidget(button);
        connect(button, &QRadioButton::toggled, this,
                [this, mode](bool on) { onModeChosen(mode, on); });
    }
    layout->addStretch(1);
}

void OutputModePage::fill() {
    PageUpdateGuard guard(context());
    const int n = context().current.output;
    const LanguageTexts& texts = context().texts;
    label_->setText(NumberedText(texts, "LIST_CAPT_MODEOUT", n));
    const OutputModeView view = OutputModeButtons(context().model, n);
    for (int mode = 0; mode < 3; ++mode)
        buttons_[static_cast<std::size_t>(mode)]->setText(uiText(texts, modeCaptionKeys[mode]));
    buttons_[3]->setText(uiText(texts, view.systemCaptionKey));
    clearGroup(buttons_[0]->group());
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setVisible(view.visible[i]);
    if (view.checked >= 0) buttons_[static_cast<std::size_t>(view.checked)]->setChecked(true);
}

void OutputModePage::onModeChosen(int mode, bool checked) {
    const int n = context().current.output;
    if (!checked || !validOutput(n)) return;
    if (EditModel(context(),
                  [&](ConfigurationModel& m) { m.output(n).OutputType = static_cast<Byte>(mode); }))
        context().treeStatesChanged();
}

// Output time.

OutputTimePage::OutputTimePage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label54"), this)),
      settingsLabel_(NamedControl<QLabel>(QStringLiteral("Label55"), this)),
      editor_(new HalfSecondEditor(QStringLiteral("EditOutTime1"), QStringLiteral("EditOutTime2"),
                                   QStringLiteral("UpDown5"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* row = new QHBoxLayout;
    row->addWidget(settingsLabel_);
    row->addWidget(editor_, 1);
    layout->addLayout(row);
    layout->addStretch(1);
    connect(editor_, &HalfSecondEditor::valueEdited, this, [this](int halfSeconds) {
        const int n = this->context().current.output;
        if (!validOutput(n)) return;
        EditModel(this->context(), [&](ConfigurationModel& m) {
            m.output(n).PulseTime = static_cast<std::int16_t>(halfSeconds);
        });
    });
}

void OutputTimePage::fill() {
    PageUpdateGuard guard(context());
    const int n = context().current.output;
    const LanguageTexts& texts = context().texts;
    label_->setText(NumberedText(texts, "LIST_CAPT_TIMEOUT", n));
    settingsLabel_->setText(uiText(texts, "LIST_TIMEOUT_VAL"));
    editor_->setUnitText(uiText(texts, "LIST_TIME_VAL4"));
    editor_->setEnabled(validOutput(n));
    editor_->setValue(validOutput(n) ? context().model.output(n).PulseTime : 0);
}

// SMS texts.

const OutputSmsPageSpec OutSmsControlSpec{
    "Label19",
    "LIST_CAPT_CONSMS",
    SmsTextKind::Command,
    {{{"Memo3", "LIST_CONSMS_VAL1", &OutputRecord::OnText},
      {"Memo5", "LIST_CONSMS_VAL2", &OutputRecord::OffText}}},
    "BaseSMSCBox",
};

const OutputSmsPageSpec OutSmsAnswerSpec{
    "Label43",
    "LIST_CAPT_ANSSMS",
    SmsTextKind::Plain,
    {{{"Memo6", "LIST_ANSSMS_VAL1", &OutputRecord::OnAnswerText},
      {"Memo7", "LIST_ANSSMS_VAL2", &OutputRecord::OffAnswerText}}},
    "AnswerCBox",
};

OutputSmsPage::OutputSmsPage(EditorContext& context, const OutputSmsPageSpec& entry)
    : EditorPage(context), spec_(entry), label_(HeadingLabel(entry.headingName, this)),
      phoneLabel_(new QLabel(this)), phones_(NamedControl<QComboBox>(entry.phoneListName, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        memoLabels_[i] = new QLabel(this);
        memos_[i] = NamedControl<SmsMemo>(entry.memos[i].name, this, entry.kind);
        grid->addWidget(memoLabels_[i], 0, static_cast<int>(i));
        grid->addWidget(memos_[i], 1, static_cast<int>(i));
        Text OutputRecord::*field = entry.memos[i].field;
        connect(memos_[i], &SmsMemo::textEdited, this, [this, field](const Text& text) {
            const int n = this->context().current.output;
            if (!validOutput(n)) return;
            EditModel(this->context(), [&](ConfigurationModel& m) { m.output(n).*field = text; });
        });
    }
    layout->addLayout(grid);
    phones_->setEnabled(false);
    layout->addWidget(phoneLabel_);
    layout->addWidget(phones_);
    layout->addStretch(1);
}

void OutputSmsPage::fill() {
    PageUpdateGuard guard(context());
    const int n = context().current.output;
    const LanguageTexts& texts = context().texts;
    label_->setText(NumberedText(texts, spec_.headingKey, n));
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        memoLabels_[i]->setText(uiText(texts, spec_.memos[i].captionKey));
        memos_[i]->setEnabled(validOutput(n));
        memos_[i]->setStoredText(validOutput(n) ? context().model.output(n).*spec_.memos[i].field
                                                : Text{});
    }
    phoneLabel_->setText(uiText(texts, "SMS_REP_PHON"));
    phones_->clear();
    phones_->addItem(uiText(texts, "LIST_CONSMS_VAL3"));
}

} // namespace skarvion
