#pragma once

// The print-information texts as their fields store them: the serial and
// registration numbers keep their last 40 characters, the serial number is
// stored without surrounding blanks, and the comment holds at most 300
// characters over all its lines, each line ending in a carriage return.

#include "model/configuration_model.h"

#include <QString>
#include <QStringList>

namespace skarvion {

inline constexpr int PrintNumberLimit = 40;
inline constexpr int CommentLimit = 300;

// A field's text after the user typed or pasted: past the limit the first
// characters give way, the caret moving left with them.
struct FieldText {
    QString text;
    int caret = 0;

    bool operator==(const FieldText&) const = default;
};
FieldText KeepLastCharacters(const QString& text, int caret, int limit = PrintNumberLimit);

// The stored form of a field's text; characters the model's code page cannot
// hold are left out.
Text SerialNumberFromField(const QString& text);
Text RegNumberFromField(const QString& text);

// The lines a stored comment shows: cut at each carriage return, a final
// carriage return ending the last line; an empty comment shows one empty line.
QStringList CommentLines(const Text& stored);

// Whether a typed key reaches the comment (BackspaceKey and EnterKey always do).
bool CommentKeyAccepted(const QStringList& lines, QChar key);

struct CommentChange {
    Text stored;
    QStringList lines; // what the memo shows
    bool linesChanged = false;
};

// The memo's lines changed: characters past the 300th are dropped, counted
// over all lines without the line breaks; the kept lines are stored, each
// followed by a carriage return.
CommentChange ApplyCommentChange(const QStringList& lines);

// The memo's lines as the memo counts them: an empty memo has none, and the
// empty line after a final line break is no line.
QStringList MemoLines(const QString& plainText);

} // namespace skarvion
