#pragma once

#include <QtGlobal>

// Subjects of the editor groups: four characters read as a big-endian
// number, the first character in the high byte.
constexpr quint32 fourCharTag(const char (&text)[5])
{
    return quint32(quint8(text[0])) << 24 | quint32(quint8(text[1])) << 16 | quint32(quint8(text[2])) << 8
           | quint32(quint8(text[3]));
}

inline constexpr quint32 kDialogueTag = fourCharTag("DLG ");
inline constexpr quint32 kItemsTag = fourCharTag("ITMG");
inline constexpr quint32 kMonstersTag = fourCharTag("MNST");
inline constexpr quint32 kCharactersTag = fourCharTag("CHAR");

static_assert(kDialogueTag == 0x444C4720 && kItemsTag == 0x49544D47 && kMonstersTag == 0x4D4E5354
              && kCharactersTag == 0x43484152);
