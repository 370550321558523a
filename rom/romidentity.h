#pragma once

#include "rom/romaddress.h"

namespace tessel {

class RomImage;

// How an accepted ROM identifies itself, and the messages for those that
// do not.
namespace rom {

inline constexpr SnesAddress kTitleAddress = 0xC0FFC0;
inline constexpr int kTitleLength = 21;
inline constexpr char kExpectedTitle[] = "FINAL FANTASY 3      ";
inline constexpr SnesAddress kVersionAddress = 0xC0FFDB;
inline constexpr quint8 kExpectedVersion = 0x00;

inline constexpr char kWrongTitleMessage[] =
    QT_TRANSLATE_NOOP("RomIdentity", "The ROM you are attempting to load\nis not the American FF3 ROM.");
inline constexpr char kWrongVersionMessage[] = QT_TRANSLATE_NOOP(
    "RomIdentity",
    "The ROM you are attempting to load\nis not version 1.0 of the American\nFF3 ROM.  Let me know "
    "if you see this, because\nI was not aware of other versions of\nFF3 being available.");
inline constexpr char kShortFileMessage[] = QT_TRANSLATE_NOOP(
    "RomIdentity",
    "The ROM you are attempting to load\nis shorter than the 3 MB American FF3 ROM\n"
    "with its 512-byte header.  It may be damaged or cut short.");
inline constexpr char kEmptyFileReason[] = QT_TRANSLATE_NOOP("RomIdentity", "The file is empty");

// The checks Open makes, in its order (title, version byte, length): the
// message of the first that fails (untranslated, context "RomIdentity"),
// or nullptr when the file is the accepted game.
const char* identityProblem(RomImage& rom);

}  // namespace rom

}  // namespace tessel
