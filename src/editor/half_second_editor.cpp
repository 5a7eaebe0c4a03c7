#include "editor/half_second_editor.h"

#include "dialogs/edit_let_ch.h"
#include "dialogs/edit_let_num.h"
#include "editor/half_second.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int WholeDigits = 3;

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

HalfSecondEditor::HalfSecondEditor(const QString& wholeName, const QString& tenthsName,
                                   const QString& upDownName, QWidget* parent)
    : QWidget(parent), whole_(new TEditLetNum(this)), tenths_(new TEditLetCh(this)),
      upDown_(new QWidget(this)), up_(arrowButton(Qt::UpArrow, upDown_)),
      down_(arrowButton(Qt::DownArrow, upDown_)), unit_(new QLabel(this)) {
    whole_->setObjectName(wholeName);
    whole_->setNumberCount(WholeDigits);
    whole_->setMinNumber(0);
    whole_->setMaxNumber(MaxWholeSeconds);
    whole_->setFixedWidth(40);
    tenths_->setObjectName(tenthsName);
    tenths_->setCharString(QStringLiteral("05"));
    tenths_->setCharCount(1);
    tenths_->setFixedWidth(24);
    upDown_->setObjectName(upDownName);
    up_->setObjectName(upDownName + QStringLiteral("Up"));
    down_->setObjectName(upDownName + QStringLiteral("Down"));

    auto* arrows = new QVBoxLayout(upDown_);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(whole_);
    row->addWidget(new QLabel(QStringLiteral(","), this));
    row->addWidget(tenths_);
    row->addWidget(upDown_);
    row->addWidget(unit_);
    row->addStretch();

    connect(whole_, &TEditLetNum::changed, this, &HalfSecondEditor::onWholeChanged);
    connect(tenths_, &TEditLetCh::changed, this, &HalfSecondEditor::onTenthsChanged);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(whole_, &TEditLetNum::pressEnter, tenths_, [this] { tenths_->setFocus(); });
    connect(tenths_, &TEditLetCh::pressEnter, whole_, [this] { whole_->setFocus(); });
    whole_->installEventFilter(this);
    tenths_->installEventFilter(this);
    setValue(0);
}

void HalfSecondEditor::setValue(int halfSeconds) {
    value_ = halfSeconds;
    const HalfSecondDigits digits = SplitHalfSeconds(halfSeconds);
    loading_ = true;
    whole_->setNumber(digits.whole);
    tenths_->setText(QString::number(digits.tenths));
    loading_ = false;
}

void HalfSecondEditor::setUnitText(const QString& text) {
    unit_->setText(text);
}

void HalfSecondEditor::step(int direction) {
    const int stepped = StepHalfSeconds(value_, direction);
    const bool changed = stepped != value_;
    setValue(stepped);
    if (changed) emit valueEdited(stepped);
}

void HalfSecondEditor::onWholeChanged(int whole) {
    if (loading_) return;
    commit(WithWholeSeconds(value_, whole));
    showTenths();
}

// An empty tenths field counts as "0" for every delay.
void HalfSecondEditor::onTenthsChanged(const QString& text) {
    if (loading_) return;
    commit(WithHalfSecond(value_, text == QStringLiteral("5")));
    showTenths();
}

// Shows the half-second the value now has, leaving an empty field alone
// while it means the same.
void HalfSecondEditor::showTenths() {
    const QString digit = QString::number(SplitHalfSeconds(value_).tenths);
    const QString shown = tenths_->text();
    if (shown == digit || (shown.isEmpty() && digit == QStringLiteral("0"))) return;
    loading_ = true;
    tenths_->setText(digit);
    loading_ = false;
}

void HalfSecondEditor::commit(int halfSeconds) {
    if (halfSeconds == value_) return;
    value_ = halfSeconds;
    emit valueEdited(halfSeconds);
}

bool HalfSecondEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field) return QWidget::eventFilter(watched, event);
    QLineEdit* other = field == whole_ ? static_cast<QLineEdit*>(tenths_) : whole_;
    if (event->type() == QEvent::FocusIn && field == whole_)
        QTimer::singleShot(0, whole_, [this] { whole_->selectAll(); });
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
        if (key->key() == Qt::Key_Left && field->cursorPosition() == 0 &&
            !field->hasSelectedText()) {
            other->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace skarvion
