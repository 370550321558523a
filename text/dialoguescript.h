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

// Parses script text into pair-compressed bytes that replace the message's.
// False when the text is malformed, leaving the message unchanged and, when
// `error` is given, saying why. An empty text makes the message empty.
bool ParseDialogue(DialogueMessage& message, const QString& text, QString* error = nullptr);

namespace dialoguescript {

// Shorthands for the two forms of a whole message.
QString plainText(const DialogueMessage& message);
QString scriptText(const DialogueMessage& message);

}  // namespace dialoguescript

}  // namespace tessel
