#pragma once

// The pages below an output node: initial state, mode, output time, and the
// control and answer SMS texts.

#include "editor/editor_page.h"
#include "editor/sms_text_rules.h"

#include <array>

class QComboBox;
class QLabel;
class QRadioButton;

namespace skarvion {

class HalfSecondEditor;
class SmsMemo;

class OutputStartPage : public EditorPage {
    Q_OBJECT

  public:
    explicit OutputStartPage(EditorContext& context);
    void fill() override;

  private:
    void onStateChosen(Byte startState, bool checked);

    QLabel* label_;
    QRadioButton* onButton_;
    QRadioButton* offButton_;
};

class OutputModePage : public EditorPage {
    Q_OBJECT

  public:
    explicit OutputModePage(EditorContext& context);
    void fill() override;

  private:
    void onModeChosen(int mode, bool checked);

    QLabel* label_;
    std::array<QRadioButton*, 4> buttons_{};
};

class OutputTimePage : public EditorPage {
    Q_OBJECT

  public:
    explicit OutputTimePage(EditorContext& context);
    void fill() override;

    HalfSecondEditor* editor() const { return editor_; }

  private:
    QLabel* label_;
    QLabel* settingsLabel_;
    HalfSecondEditor* editor_;
};

// One SMS page of an output: two memos over two texts of the output record
// and a disabled phone list that only says every phone is accepted.
struct OutputSmsPageSpec {
    const char* headingName;
    const char* headingKey;
    SmsTextKind kind;
    struct Memo {
        const char* name;
        const char* captionKey;
        Text OutputRecord::*field;
    };
    std::array<Memo, 2> memos;
    const char* phoneListName;
};

extern const OutputSmsPageSpec OutSmsControlSpec; // OnText, OffText
extern const OutputSmsPageSpec OutSmsAnswerSpec;  // OnAnswerText, OffAnswerText

class OutputSmsPage : public EditorPage {
    Q_OBJECT

  public:
    OutputSmsPage(EditorContext& context, const OutputSmsPageSpec& entry);
    void fill() override;

    SmsMemo* memo(int index) const { return memos_.at(static_cast<std::size_t>(index)); }

  private:
    const OutputSmsPageSpec& spec_;
    QLabel* label_;
    std::array<QLabel*, 2> memoLabels_{};
    std::array<SmsMemo*, 2> memos_{};
    QLabel* phoneLabel_;
    QComboBox* phones_;
};

} // namespace skarvion
