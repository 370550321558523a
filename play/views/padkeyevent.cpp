#include "play/views/padkeyevent.h"

#include "play/padkeymap.h"

#include <QKeyEvent>

namespace tessel {

namespace {

// How each window system names the right Shift key.
bool isRightShift(const QKeyEvent& event)
{
#if defined(Q_OS_WIN)
    constexpr quint32 kRightShiftScanCode = 0x36;
    return event.nativeScanCode() == kRightShiftScanCode;
#elif defined(Q_OS_MACOS)
    constexpr quint32 kVirtualKeyRightShift = 0x3C;  // kVK_RightShift
    return event.nativeVirtualKey() == kVirtualKeyRightShift;
#else
    constexpr quint32 kKeysymShiftR = 0xFFE2;  // X11 and Wayland
    return event.nativeVirtualKey() == kKeysymShiftR;
#endif
}

}  // namespace

int padKeyOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (key == Qt::Key_Shift && isRightShift(event))
        return PadKeyMap::kRightShift;
    if (key == Qt::Key_Enter)
        return Qt::Key_Return;
    return key;
}

}  // namespace tessel
