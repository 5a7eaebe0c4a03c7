#pragma once

// The SMS text fields. Each is a multi-line memo whose lines are joined and
// cut to the field's limit; three kinds differ in what they let through:
// plain texts (20 characters), command texts (10 characters, not starting
// with a digit) and texts restricted to the GSM default alphabet (20).

#include "dialogs/edit_key.h"
#include "model/configuration_model.h"

#include <QString>
#include <QStringList>

namespace skarvion {

enum class SmsTextKind { Plain, Command, Gsm };

int SmsTextLimit(SmsTextKind kind);

// Characters the memo holds over all its lines.
int SmsTextLength(const QStringList& lines);

// Whether a typed key reaches the memo (BackspaceKey and EnterKey for those
// keys). Plain and command memos refuse keys once full; a command memo
// refuses a digit while it is empty. GSM memos filter on change instead.
bool SmsTextKeyAccepted(SmsTextKind kind, const QStringList& lines, QChar key);

// The GSM table: the characters of the GSM default alphabet that share their
// code with ASCII.
bool InGsmAlphabet(QChar c);

struct SmsTextChange {
    Text stored;       // Windows-1251, at most the limit
    QStringList lines; // what the memo should show
    bool linesChanged = false;
};

// The memo's lines changed: characters the kind does not allow are dropped,
// the lines are joined without breaks and cut to the limit counted over all
// lines; a line that lost characters is rewritten.
SmsTextChange ApplySmsTextChange(SmsTextKind kind, const QStringList& lines);

} // namespace skarvion
