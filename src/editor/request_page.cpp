#include "editor/request_page.h"

#include "editor/page_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace skarvion {

namespace {

struct FixedMemo {
    const char* name;
    const char* text;
};

const FixedMemo requestMemo{"Memo14", "8461"};
const FixedMemo clearMemo{"Memo15", "8642"};
const FixedMemo answerMemo{"Memo16", "Armed\nAlarm: 0010\nInput: 0000"};
const FixedMemo helpMemo{"Memo17", " В тексте ответа в первой строке информация о состоянии\n"
                                   " (ARMED/DISARMED), во второй строке - информация о сработаших\n"
                                   " входах за время последней охраны, в последней строке - \n"
                                   " текущее состояние входов. ( 0 - нормальное состояние,\n"
                                   " 1 - сработка на входе ).  "};

QPlainTextEdit* fixedMemo(const FixedMemo& memo, QWidget* parent) {
    auto* edit = NamedControl<QPlainTextEdit>(QString::fromLatin1(memo.name), parent);
    edit->setReadOnly(true);
    edit->setPlainText(QString::fromUtf8(memo.text));
    return edit;
}

} // namespace

RequestPage::RequestPage(EditorContext& context) : EditorPage(context) {
    auto label = [this](const char* name, const char* key, bool heading = false) {
        QLabel* l = heading ? HeadingLabel(QString::fromLatin1(name), this)
                            : NamedControl<QLabel>(QString::fromLatin1(name), this);
        return Caption{l, key};
    };
    captions_ = {label("LBzapros", "Lblrequest", true), label("LBzap1", "Lbltzap1"),
                 label("LBzap2", "Lbltzap2"),           label("LBzapoch1", "Lbltoch1"),
                 label("LBzapoch2", "Lbltoch2"),        label("LBotvzap1", "Lbltotvzap1"),
                 label("LBotvzap2", "Lbltotvzap2")};
    QPlainTextEdit* request = fixedMemo(requestMemo, this);
    QPlainTextEdit* clear = fixedMemo(clearMemo, this);
    QPlainTextEdit* answer = fixedMemo(answerMemo, this);
    for (QPlainTextEdit* memo : {request, clear})
        memo->setFixedHeight(32);
    answer->setFixedHeight(64);

    auto* grid = new QGridLayout;
    const std::pair<int, QPlainTextEdit*> rows[] = {{1, request}, {3, clear}, {5, answer}};
    for (int row = 0; row < 3; ++row) {
        const auto& [first, memo] = rows[row];
        auto* texts = new QVBoxLayout;
        texts->addWidget(captions_[static_cast<std::size_t>(first)].label);
        texts->addWidget(captions_[static_cast<std::size_t>(first + 1)].label);
        texts->addStretch(1);
        grid->addLayout(texts, row, 0);
        grid->addWidget(memo, row, 1);
    }
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captions_[0].label);
    layout->addLayout(grid);
    layout->addWidget(fixedMemo(helpMemo, this), 1);
}

void RequestPage::fill() {
    for (const Caption& caption : captions_)
        caption.label->setText(uiText(context().texts, caption.key));
}

} // namespace skarvion
