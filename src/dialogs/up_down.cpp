#include "dialogs/up_down.h"

#include "dialogs/edit_let_num.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace skarvion {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), upButton_(arrowButton(Qt::UpArrow, QStringLiteral("UpButton"), this)),
      downButton_(arrowButton(Qt::DownArrow, QStringLiteral("DownButton"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(upButton_);
    layout->addWidget(downButton_);
    connect(upButton_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(downButton_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void TUpDown::setAssociate(TEditLetNum* field) {
    if (associate_) associate_->removeEventFilter(this);
    associate_ = field;
    if (associate_) associate_->installEventFilter(this);
}

void TUpDown::stepBy(int steps) {
    if (!associate_ || associate_->isReadOnly()) return;
    const qint64 lowest = associate_->minNumber();
    const qint64 highest = std::max<qint64>(lowest, associate_->maxNumber());
    const qint64 target = std::clamp<qint64>(qint64{associate_->number()} + steps, lowest, highest);
    associate_->setNumber(static_cast<int>(std::min<qint64>(target, INT_MAX)));
    emit clicked(associate_->number());
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            stepBy(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace skarvion
