#pragma once

#include "text/dialoguestorage.h"

#include <QString>

namespace tessel {

// The two text forms of a dialogue message. The script form is what the
// dialogue editor shows and parses: ordinary characters, CR LF for line
// breaks and tags in angle brackets for the control codes. The plain form is
// for listings: names written out, control codes dropped.
namespace dialoguescript {

inline constexpr quint32 kOptionForm = 0x83000001;
inline constexpr quint32 kOptionStart = 0x83000002;
inline constexpr quint32 kFormPlain = 1;
inline constexpr quint32 kFormScript = 2;

}  // namespace dialoguescript

// Converts a message to text. `options` is a list of (key, value) pairs
// ended by key 0: kOptionForm (required: without it `text` is left alone)
// and kOptionStart, the byte offset at which conversion starts.
void FormatDialogue(const DialogueMessage& message, QString& text, const quint32* options);

// Where and why a script text does not parse: the first character or tag
// that would not read back as written.
struct ScriptError {
    qsizetype offset = -1;  // in the text
    int line = 0;           // from 1; lines end with LF
    int column = 0;         // from 1, in characters
    QString reason;

    // "line 2, column 5: reason"
    QString text() const;
};

// Parses script text into pair-compressed bytes that replace the message's.
// A text is accepted only when it reads back as written: a character the
// game has no code for, or a tag number outside what its code can hold, is
// refused like a malformed tag. Curly quotes, the ellipsis and the en and
// em dashes are the only characters taken as others (the apostrophe, the
// double quote, three full stops, the hyphen). False when the text is
// refused, leaving the message unchanged and, when `error` is given,
// saying where and why. An empty text makes the message empty.
bool ParseDialogue(DialogueMessage& message, const QString& text, ScriptError* error);
// As above, with the error as "line L, column C: reason".
bool ParseDialogue(DialogueMessage& message, const QString& text, QString* error = nullptr);

namespace dialoguescript {

// Codes without a name of their own: the formatter writes them as byte
// tags ("<17>"), and only these parse back from that form.
bool isUnnamedCode(quint8 code);
QString byteTag(quint8 code);

// Shorthands for the two forms of a whole message.
QString plainText(const DialogueMessage& message);
QString scriptText(const DialogueMessage& message);

}  // namespace dialoguescript

}  // namespace tessel
