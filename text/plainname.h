#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

// Names as plain text for files people edit (table export and import): a
// form that turns back into exactly the same bytes. Codes with a character
// give that character, 0xFE a space, the padding at the end nothing, and
// every other code (symbols, padding inside a name, codes without a glyph)
// "<XX>" with its hex value; "<" itself is no character of the encoding.
namespace menutext {

QString PlainName(const quint8* bytes, int width);

// The bytes of a plain name in a field of `width` bytes, padded with 0xFF.
// Also takes the symbol characters 160-178. False, with a reason, when a
// character has no code or the name does not fit.
bool ParsePlainName(const QString& text, int width, QByteArray* field, QString* error);

}  // namespace menutext

}  // namespace tessel
