#pragma once

#include <QString>

namespace tessel {

// The display layer's error codes keep the numbers and names of the
// DirectDraw list they stand in for, so a report reads the same on every
// platform. The Qt display layer reports its own failures with these codes.
namespace platform {

// HRESULT-style codes: facility 0x876 plus the code's number.
constexpr quint32 displayErrorCode(quint32 number) { return 0x88760000u | number; }

inline constexpr quint32 kDisplayOutOfMemory = 0x8007000Eu;      // DDERR_OUTOFMEMORY
inline constexpr quint32 kDisplayNotInitialized = 0x800401F0u;   // DDERR_NOTINITIALIZED
inline constexpr quint32 kDisplayNoHardware = displayErrorCode(563);  // DDERR_NODIRECTDRAWHW
inline constexpr quint32 kDisplayUnsupportedMode = displayErrorCode(590);  // DDERR_UNSUPPORTEDMODE

// "DDERR_..." for a known code, "Unknown Error" for any other.
QString displayErrorName(quint32 code);

// The text of the display error report: "DirectDraw Error NAME".
QString displayErrorText(quint32 code);

inline constexpr char kDisplayErrorCaption[] = QT_TRANSLATE_NOOP("DisplayErrors", "Error");

}  // namespace platform

}  // namespace tessel
