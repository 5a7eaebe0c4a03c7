#include "editor/print_info_rules.h"

#include "dialogs/edit_key.h"
#include "model/windows1251.h"

#include <algorithm>

namespace skarvion {

namespace {

constexpr char CarriageReturn = '\r';

bool representable(QChar c) {
    return !c.isSurrogate() && ToWindows1251(QString(c)).has_value();
}

QString representableOnly(const QString& text) {
    QString kept;
    for (QChar c : text)
        if (representable(c)) kept.append(c);
    return kept;
}

Text toModel(const QString& text) {
    return ToWindows1251(representableOnly(text)).value_or(Text{});
}

// Blanks and control characters around a text, as a trim removes them.
QString trimmedOfBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] <= u' ')
        ++first;
    while (last > first && text[last - 1] <= u' ')
        --last;
    return text.mid(first, last - first);
}

int characterCount(const QStringList& lines) {
    int count = 0;
    for (const QString& line : lines)
        count += static_cast<int>(line.size());
    return count;
}

} // namespace

FieldText KeepLastCharacters(const QString& text, int caret, int limit) {
    const int size = static_cast<int>(text.size());
    if (size <= limit) return {text, caret};
    const int removed = size - limit;
    return {text.right(limit), std::max(0, caret - removed)};
}

Text SerialNumberFromField(const QString& text) {
    return toModel(trimmedOfBlanks(text));
}

Text RegNumberFromField(const QString& text) {
    return toModel(text);
}

QStringList CommentLines(const Text& stored) {
    QStringList lines;
    std::size_t start = 0;
    while (start < stored.size()) {
        const std::size_t end = stored.find(CarriageReturn, start);
        const std::size_t stop = end == Text::npos ? stored.size() : end;
        lines.append(FromWindows1251(stored.substr(start, stop - start)));
        if (end == Text::npos) break;
        start = end + 1;
        // A line feed after the carriage return belongs to the same break.
        if (start < stored.size() && stored[start] == '\n') ++start;
    }
    return lines;
}

bool CommentKeyAccepted(const QStringList& lines, QChar key) {
    if (key == BackspaceKey || key == EnterKey) return true;
    return characterCount(lines) < CommentLimit;
}

CommentChange ApplyCommentChange(const QStringList& lines) {
    CommentChange change;
    int room = CommentLimit;
    for (const QString& line : lines) {
        const QString held = representableOnly(line);
        const QString kept = held.left(room);
        room -= static_cast<int>(kept.size());
        change.lines.append(kept);
        change.stored += toModel(kept) + CarriageReturn;
    }
    change.linesChanged = change.lines != lines;
    return change;
}

QStringList MemoLines(const QString& plainText) {
    QStringList lines = plainText.split(QLatin1Char('\n'));
    if (lines.back().isEmpty()) lines.removeLast();
    return lines;
}

} // namespace skarvion
