#include "editor/sms_text_rules.h"

#include "model/windows1251.h"

namespace skarvion {

namespace {

constexpr int ShortTextLimit = 10;
constexpr int LongTextLimit = 20;

bool isDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Plain and command texts take whatever the model's code page can hold.
bool representable(QChar c) {
    return !c.isSurrogate() && ToWindows1251(QString(c)).has_value();
}

bool allowed(SmsTextKind kind, QChar c) {
    return kind == SmsTextKind::Gsm ? InGsmAlphabet(c) : representable(c);
}

} // namespace

int SmsTextLimit(SmsTextKind kind) {
    return kind == SmsTextKind::Command ? ShortTextLimit : LongTextLimit;
}

int SmsTextLength(const QStringList& lines) {
    int length = 0;
    for (const QString& line : lines)
        length += static_cast<int>(line.size());
    return length;
}

bool SmsTextKeyAccepted(SmsTextKind kind, const QStringList& lines, QChar key) {
    if (kind == SmsTextKind::Gsm || key == BackspaceKey || key == EnterKey) return true;
    const int length = SmsTextLength(lines);
    if (length >= SmsTextLimit(kind)) return false;
    return !(kind == SmsTextKind::Command && length == 0 && isDecimalDigit(key));
}

bool InGsmAlphabet(QChar c) {
    const char16_t code = c.unicode();
    if (code == u'@' || code == u'$' || code == u'{') return true;
    return (code >= 32 && code <= 35) || (code >= 37 && code <= 63) || (code >= 65 && code <= 90) ||
           (code >= 97 && code <= 122);
}

SmsTextChange ApplySmsTextChange(SmsTextKind kind, const QStringList& lines) {
    SmsTextChange change;
    int room = SmsTextLimit(kind);
    bool textStarted = false;
    for (const QString& line : lines) {
        QString kept;
        for (QChar c : line) {
            if (room == 0 || !allowed(kind, c)) continue;
            // A command text never begins with a digit, however it was entered.
            if (kind == SmsTextKind::Command && !textStarted && isDecimalDigit(c)) continue;
            kept.append(c);
            textStarted = true;
            --room;
        }
        change.lines.append(kept);
    }
    change.linesChanged = change.lines != lines;
    change.stored = ToWindows1251(change.lines.join(QString())).value_or(Text{});
    return change;
}

} // namespace skarvion
