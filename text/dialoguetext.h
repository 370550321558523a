#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

#include <array>
#include <vector>

namespace tessel {

// The dialogue encoding: one byte per code, control codes below 0x20,
// characters 0x20-0x73 and 0x7F, and 128 two-character pair codes from 0x80.
namespace dialoguetext {

enum Code : quint8 {
    kEnd = 0x00,
    kLineBreak = 0x01,
    kFirstName = 0x02,   // 0x02-0x0F: name of character slot code - 1
    kLastName = 0x0F,
    kCodeD = 0x10,
    kOpenWT = 0x11,
    kCloseList = 0x12,
    kPageBreak = 0x13,
    kCodeT = 0x14,       // followed by one value byte
    kChoice = 0x15,      // shown as "^"
    kOpenWS = 0x16,
    kNumber = 0x19,
    kItem = 0x1A,
    kSpell = 0x1B,
    kSpace = 0x7F,
    kFirstPair = 0x80,
};

inline constexpr int kSlotCount = 14;
inline constexpr int kPairCount = 128;

// The two dialogue codes of pair entry k (code 0x80 + k), as 256 bytes.
extern const std::array<quint8, 2 * kPairCount> DialoguePairTable;
// The same table as ready-made two-character strings.
const std::array<QString, kPairCount>& pairStrings();

// The character of a code 0x20-0x73 or 0x7F; a null QChar for the others.
QChar charFromCode(quint8 code);
// The code of a character, or 0 when it has none.
quint8 codeFromChar(QChar ch);

// The dialogue font editor's label for a glyph (codes 0x20-0x7F); null when
// the glyph has none.
QChar DialogueGlyphLabel(quint8 code);

// The default names of the 14 character slots, "TERRA" to "UMARO".
const QString& defaultSlotName(int slot);  // slot 1-14
// The dialogue-encoded names (up to 6 codes padded with 0x00) of codes
// 0x02-0x0F, and the words "NUMBER", "ITEM", "SPELL" for 0x19-0x1B.
const std::array<quint8, 6>& encodedWordForCode(quint8 code);

// True when position i of bytes is an operand: the value after 0x14, or a
// value or the closing 0x12 of a 0x11 / 0x16 list.
std::vector<bool> operandMask(const QByteArray& bytes);

// Pair compression over a finished message (including its 0x00): greedy
// from the left, operand bytes copied unchanged, the last byte always copied.
QByteArray PairCompress(const QByteArray& bytes);

// Appends the codes a pair, a name or a placeholder code stands for; false
// (and nothing appended) for any other code.
bool AppendSpelledOut(QByteArray& out, quint8 code);

// Expansion for the one-line preview: pairs and names spelled out, list and
// value operands skipped, breaks as spaces; stops at the first 0x00.
QByteArray ExpandForDisplay(const QByteArray& message);

}  // namespace dialoguetext

}  // namespace tessel
