#include "editor/contact_id_fields.h"

#include "dialogs/edit_let_ch.h"
#include "editor/page_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace skarvion {

namespace {

constexpr int FieldWidth = 22;

} // namespace

ContactIdFields::ContactIdFields(const std::array<const char*, 4>& groupPrefixes, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (std::size_t g = 0; g < ContactIdGroups.size(); ++g) {
        const ContactIdGroup& group = ContactIdGroups[g];
        auto* heading = new QLabel(this);
        headings_[g] = heading;
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        for (int k = 0; k < group.count; ++k) {
            const int index = group.first + k;
            auto* field = NamedControl<TEditLetCh>(
                QString::fromLatin1(groupPrefixes[g]) + QString::number(k + 1), this);
            field->setCharCount(1);
            field->setFixedWidth(FieldWidth);
            field->setAlignment(Qt::AlignCenter);
            fields_[static_cast<std::size_t>(index)] = field;
            row->addWidget(field);
            connect(field, &TEditLetCh::changed, this, [this, index](const QString& text) {
                // The fields hold digits, A..D, "*" and "#": the same in every code page.
                emit characterEdited(index, text.toStdString());
            });
        }
        row->addStretch(1);
        const int column = static_cast<int>(g);
        grid->addWidget(heading, 0, column);
        grid->addLayout(row, 1, column);
    }
    grid->setColumnStretch(static_cast<int>(ContactIdGroups.size()), 1);
}

void ContactIdFields::showCode(const LanguageTexts& texts, const Text& eventCode) {
    for (std::size_t g = 0; g < ContactIdGroups.size(); ++g)
        headings_[g]->setText(uiText(texts, ContactIdGroups[g].captionKey));
    for (int index = 0; index < EventCodeLength; ++index) {
        fields_[static_cast<std::size_t>(index)]->setText(
            QString(QChar::fromLatin1(EventCodeCharacter(eventCode, index))));
    }
}

void ContactIdFields::focusAfter(int index) {
    if (index + 1 >= EventCodeLength) return;
    TEditLetCh* next = fields_[static_cast<std::size_t>(index + 1)];
    next->setFocus(Qt::OtherFocusReason);
    next->selectAll();
}

} // namespace skarvion
