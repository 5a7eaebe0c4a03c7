#include "editor/print_info_pages.h"

#include "dialogs/edit_let_ch.h"
#include "dialogs/validated_line_edit.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/print_info_rules.h"
#include "model/windows1251.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace skarvion {

const PrintFieldSpec SerialNumberSpec{"Label4",
                                      "LIST_CAPT_SER_N",
                                      "Label7",
                                      "TREEPRNTSNUM",
                                      "Edit2",
                                      "ListBox11",
                                      "LIST_DESCR_PRN_SER_N",
                                      &PrintInformation::SerialNumber,
                                      PrintFieldSpec::SerialNumber};

const PrintFieldSpec SimRegNumberSpec{"Label27",
                                      "LIST_CAPT_REG_N",
                                      "Label30",
                                      "TREEPRNTRNUM",
                                      "Edit4",
                                      "ListBox13",
                                      "LIST_DESCR_PRN_REG_N",
                                      &PrintInformation::SimRegNumber,
                                      PrintFieldSpec::RegNumber};

const PrintFieldSpec SimPhoneNumberSpec{"Label28",
                                        "LIST_CAPT_PHONE_N",
                                        "Label31",
                                        "TREEPRNSIMPH",
                                        "EditLetCh1",
                                        "ListBox14",
                                        "LIST_DESCR_PRN_SIM_P",
                                        &PrintInformation::SimPhoneNumber,
                                        PrintFieldSpec::Characters,
                                        "1234567890+",
                                        30};

const PrintFieldSpec FirmwareVersionSpec{"Label32",
                                         "LIST_CAPT_FW_VER",
                                         "Label33",
                                         "TREEFWAREVERS",
                                         "EditLetCh2",
                                         "ListBox16",
                                         "LIST_DESCR_PRN_FW_V",
                                         &PrintInformation::FirmwareVersion,
                                         PrintFieldSpec::Characters,
                                         "1234567890.",
                                         15};

namespace {

QLineEdit* makeField(const PrintFieldSpec& entry, QWidget* parent) {
    if (entry.kind != PrintFieldSpec::Characters)
        return NamedControl<QLineEdit>(QString::fromLatin1(entry.fieldName), parent);
    auto* field = NamedControl<TEditLetCh>(QString::fromLatin1(entry.fieldName), parent);
    field->setCharString(QString::fromLatin1(entry.characters));
    field->setCharCount(entry.length);
    return field;
}

QLabel* centredHeading(const char* name, QWidget* parent) {
    QLabel* heading = HeadingLabel(QString::fromLatin1(name), parent);
    heading->setAlignment(Qt::AlignHCenter);
    return heading;
}

// The description list holds the lines of its language text.
void showDescription(QListWidget* list, const LanguageTexts& texts, const char* key) {
    list->clear();
    const QString text = uiText(texts, key);
    if (!text.isEmpty()) list->addItems(text.split(QLatin1Char('\n')));
}

// After the page is in front: the caret in the field with its text selected.
void focusSelectingAll(QWidget* field, std::function<void()> selectAll) {
    QTimer::singleShot(0, field, [field, selectAll] {
        if (!field->isVisible()) return;
        field->setFocus(Qt::OtherFocusReason);
        selectAll();
    });
}

} // namespace

PrintFieldPage::PrintFieldPage(EditorContext& context, const PrintFieldSpec& entry)
    : EditorPage(context), spec_(entry), heading_(centredHeading(entry.headingName, this)),
      label_(NamedControl<QLabel>(QString::fromLatin1(entry.labelName), this)),
      field_(makeField(entry, this)),
      description_(NamedControl<QListWidget>(QString::fromLatin1(entry.listName), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(label_);
    layout->addWidget(field_);
    layout->addWidget(description_, 1);
    // A character field reports its text once its rules have applied.
    if (auto* characters = qobject_cast<TEditLetCh*>(field_))
        connect(characters, &TEditLetCh::changed, this, &PrintFieldPage::onTextChanged);
    else
        connect(field_, &QLineEdit::textChanged, this, &PrintFieldPage::onTextChanged);
}

void PrintFieldPage::fill() {
    {
        PageUpdateGuard guard(context());
        const LanguageTexts& texts = context().texts;
        heading_->setText(uiText(texts, spec_.headingKey));
        label_->setText(uiText(texts, spec_.labelKey));
        showDescription(description_, texts, spec_.descriptionKey);
        field_->setText(FromWindows1251(context().model.PrintInfo.*spec_.field));
    }
    focusSelectingAll(field_, [field = field_] { field->selectAll(); });
}

Text PrintFieldPage::storedForm(const QString& text) const {
    switch (spec_.kind) {
    case PrintFieldSpec::SerialNumber:
        return SerialNumberFromField(text);
    case PrintFieldSpec::RegNumber:
        return RegNumberFromField(text);
    case PrintFieldSpec::Characters:
        break;
    }
    // The character fields hold digits, "+" and "." only.
    return text.toStdString();
}

void PrintFieldPage::onTextChanged(const QString& text) {
    if (context().PageUpdating) return;
    if (spec_.kind != PrintFieldSpec::Characters) {
        const FieldText kept = KeepLastCharacters(text, field_->cursorPosition());
        if (kept.text != text) {
            // Writing the kept text runs this handler again, which stores it.
            field_->setText(kept.text);
            field_->setCursorPosition(kept.caret);
            return;
        }
    }
    const Text stored = storedForm(text);
    if (stored == context().model.PrintInfo.*spec_.field) return;
    EditModel(context(), [&](ConfigurationModel& m) { m.PrintInfo.*spec_.field = stored; });
}

// Comment.

CommentMemo::CommentMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &CommentMemo::onContentsChanged);
}

void CommentMemo::setStoredText(const Text& stored) {
    loading_ = true;
    setPlainText(CommentLines(stored).join(QLatin1Char('\n')));
    loading_ = false;
}

void CommentMemo::keyPressEvent(QKeyEvent* event) {
    const std::optional<QChar> key = typedCharacter(*event);
    if (key && !CommentKeyAccepted(MemoLines(toPlainText()), *key)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CommentMemo::onContentsChanged() {
    if (loading_) return;
    const CommentChange change = ApplyCommentChange(MemoLines(toPlainText()));
    if (change.linesChanged) {
        const int caret = textCursor().position();
        loading_ = true;
        setPlainText(change.lines.join(QLatin1Char('\n')));
        loading_ = false;
        QTextCursor cursor = textCursor();
        cursor.setPosition(std::min(caret, document()->characterCount() - 1));
        setTextCursor(cursor);
    }
    emit commentEdited(change.stored);
}

CommentPage::CommentPage(EditorContext& context)
    : EditorPage(context), heading_(centredHeading("Label29", this)),
      label_(NamedControl<QLabel>(QStringLiteral("Label8"), this)),
      memo_(NamedControl<CommentMemo>(QStringLiteral("Memo4"), this)),
      description_(NamedControl<QListWidget>(QStringLiteral("ListBox15"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(label_);
    layout->addWidget(memo_, 2);
    layout->addWidget(description_, 1);
    connect(memo_, &CommentMemo::commentEdited, this, [this](const Text& stored) {
        if (stored == this->context().model.PrintInfo.ReportComment) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.PrintInfo.ReportComment = stored; });
    });
}

void CommentPage::fill() {
    {
        PageUpdateGuard guard(context());
        const LanguageTexts& texts = context().texts;
        heading_->setText(uiText(texts, "LIST_CAPT_COMMENT"));
        label_->setText(uiText(texts, "TREEPRNCOMMEN"));
        showDescription(description_, texts, "LIST_DESCR_PRN_COME");
        memo_->setStoredText(context().model.PrintInfo.ReportComment);
    }
    focusSelectingAll(memo_, [memo = memo_] { memo->selectAll(); });
}

} // namespace skarvion
