#pragma once

#include <QtGlobal>

#include <array>

namespace tessel {

// The 128 bytes at file offsets 0x80-0xFF inside the copier header. They are
// kept opaque and written back last by every save; only byte 1 bit 0 has a
// meaning ("the message-address routine is installed").
struct EditorFlags {
    static constexpr qint64 kFileOffset = 0x80;
    static constexpr int kSize = 128;
    static constexpr int kRoutineByte = 1;
    static constexpr quint8 kRoutineInstalled = 0x01;

    std::array<quint8, kSize> bytes{};

    void markRoutineInstalled() { bytes[kRoutineByte] |= kRoutineInstalled; }
    bool routineInstalled() const { return bytes[kRoutineByte] & kRoutineInstalled; }
};

}  // namespace tessel
