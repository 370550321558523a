#pragma once

#include <QChar>
#include <QString>

namespace tessel {

// The menu encoding: one byte per character, codes 0x80-0xFF, used by the
// fixed-width names of items, spells, espers, characters and monsters.
// Characters are those of Windows-1252; the menu font's 19 symbols are the
// characters 160-178 (code = character + 0x38).
namespace menutext {

inline constexpr quint8 kSpace = 0xFE;    // a space inside a name
inline constexpr quint8 kPadding = 0xFF;  // unused positions at the end
inline constexpr quint8 kFirstSymbol = 0xD8;
inline constexpr int kSymbolCount = 19;
inline constexpr ushort kFirstSymbolChar = 160;

// The key that DecodeMenuText accepts and ignores.
inline constexpr quint32 kOptionIgnored = 0x81000001;

// Converts a name field to text: 0xFF gives a space, 0xD8-0xFE the
// characters 0xA0-0xC6, codes without a character give nothing.
// `options` is a list of (key, value) pairs ended by key 0, or null.
QString DecodeMenuText(const quint8* bytes, int length, const quint32* options = nullptr);

// Names in listings: as DecodeMenuText, but 0xFE and 0xFF both give a
// space and every code without a character gives "<%02X>".
QString DecodeListingName(const quint8* bytes, int length);

// The code for one typed character; 0 when it has none.
quint8 MenuCodeFromChar(QChar ch);

// The menu font editor's label for a glyph (codes 0x80-0xFF).
QChar MenuGlyphLabel(quint8 code);

// Encodes text into a field of `width` bytes, padded with 0xFF; characters
// without a code are skipped. Used to build names.
QByteArray EncodeMenuText(const QString& text, int width);

struct SymbolEntry {
    const char* name;
    ushort character;
};
// The symbols in the order the symbol menu lists them; a null name is a separator.
extern const SymbolEntry kSymbolMenu[];
extern const int kSymbolMenuSize;

}  // namespace menutext

}  // namespace tessel
