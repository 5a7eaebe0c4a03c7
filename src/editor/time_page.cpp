#include "editor/time_page.h"

#include "editor/half_second_editor.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace skarvion {

namespace {

struct DelayRow {
    const char* captionKey;
    const char* whole;
    const char* tenths;
    const char* upDown;
    Byte InputRecord::*field;
};

const DelayRow delayRows[InputTimePage::Delays] = {
    {"LIST_TIME_VAL1", "EditReactinTime1", "EditReactinTime2", "UpDownReaction",
     &InputRecord::ReactionTime},
    {"LIST_TIME_VAL2", "EditReturnTime1", "EditReturnTime2", "UpDownReturn",
     &InputRecord::RestoreTime},
    {"LIST_TIME_VAL3", "EditLockoutTime1", "EditLockoutTime2", "UpDownLockout",
     &InputRecord::LockoutTime},
};

bool physicalInput(int n) {
    return n >= 1 && n <= 4;
}

} // namespace

InputTimePage::InputTimePage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("InputTimeLabel"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* grid = new QGridLayout;
    for (int row = 0; row < Delays; ++row) {
        const DelayRow& entry = delayRows[row];
        auto* caption = new QLabel(this);
        auto* editor = new HalfSecondEditor(entry.whole, entry.tenths, entry.upDown, this);
        rowLabels_[static_cast<std::size_t>(row)] = caption;
        editors_[static_cast<std::size_t>(row)] = editor;
        grid->addWidget(caption, row, 0);
        grid->addWidget(editor, row, 1);
        connect(editor, &HalfSecondEditor::valueEdited, this,
                [this, row](int halfSeconds) { onDelayEdited(row, halfSeconds); });
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void InputTimePage::fill() {
    PageUpdateGuard guard(context());
    const int n = context().current.input;
    label_->setText(NumberedText(context().texts, "LIST_CAPT_TIME", n));
    for (int row = 0; row < Delays; ++row) {
        const DelayRow& entry = delayRows[row];
        HalfSecondEditor* editor = editors_[static_cast<std::size_t>(row)];
        rowLabels_[static_cast<std::size_t>(row)]->setText(
            uiText(context().texts, entry.captionKey));
        editor->setUnitText(uiText(context().texts, "LIST_TIME_VAL4"));
        editor->setEnabled(physicalInput(n));
        editor->setValue(physicalInput(n) ? context().model.input(n).*entry.field : 0);
    }
}

void InputTimePage::onDelayEdited(int row, int halfSeconds) {
    const int n = context().current.input;
    if (!physicalInput(n)) return;
    EditModel(context(), [&](ConfigurationModel& m) {
        m.input(n).*delayRows[row].field = static_cast<Byte>(halfSeconds);
    });
}

} // namespace skarvion
