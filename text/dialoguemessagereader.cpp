#include "text/dialoguemessagereader.h"

#include "rom/romimage.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguetext.h"

#include <array>
#include <cstring>

namespace tessel {

namespace {

// Walks the codes of a message. `end` is the length through the closing
// 0x00 once found; `whole` is the length of the whole codes seen, up to
// wholeLimit.
struct MessageScan {
    qsizetype end = -1;
    qsizetype whole = 0;
};

// The codes that end a message or take the bytes after them as operands.
constexpr std::array<bool, 256> kSpecialCodes = [] {
    using namespace dialoguetext;
    std::array<bool, 256> special{};
    special[kEnd] = special[kCodeT] = special[kOpenWT] = special[kOpenWS] = true;
    return special;
}();

MessageScan scanMessage(const char* bytes, qsizetype size, qsizetype wholeLimit)
{
    using namespace dialoguetext;
    MessageScan scan;
    qsizetype at = 0;
    while (true) {
        // Plain codes: every position among them ends a whole code.
        const qsizetype runStart = at;
        while (at < size && !kSpecialCodes[quint8(bytes[at])])
            ++at;
        if (runStart <= wholeLimit)
            scan.whole = qMin(at, wholeLimit);
        if (at >= size)
            return scan;
        const quint8 code = quint8(bytes[at]);
        if (code == kEnd) {
            scan.end = at + 1;
            return scan;
        }
        if (code == kCodeT) {
            at += 2;
        } else {
            const void* close = std::memchr(bytes + at + 1, kCloseList, std::size_t(size - at - 1));
            if (!close)
                return scan;
            at = static_cast<const char*>(close) - bytes + 1;
        }
        if (at > size)
            return scan;
        if (at <= wholeLimit)
            scan.whole = at;
    }
}

}  // namespace

std::optional<qsizetype> dialogueMessageLength(const char* bytes, qsizetype size)
{
    const qsizetype end = scanMessage(bytes, size, 0).end;
    return end >= 0 ? std::optional<qsizetype>(end) : std::nullopt;
}

bool isWholeDialogueMessage(const QByteArray& bytes)
{
    return dialogueMessageLength(bytes.constData(), bytes.size()) == bytes.size();
}

QByteArray readDialogueMessage(const RomImage& rom, SnesAddress start, SnesAddress limit)
{
    const QByteArray& data = rom.data();
    const qint64 from = rom::fileOffset(start);
    if (from < 0 || from >= data.size() || limit <= start)
        return QByteArray(1, char(dialoguetext::kEnd));
    const qint64 available = qMin<qint64>(data.size() - from, qint64(limit - start));
    const qsizetype size = qsizetype(qMin<qint64>(available, dialogue::kMaxMessageLength));
    // A cut message needs one byte for its 0x00 within the longest length.
    const MessageScan scan = scanMessage(data.constData() + from, size, dialogue::kMaxMessageLength - 1);
    if (scan.end > 0)
        return data.mid(from, scan.end);
    return data.mid(from, scan.whole) + char(dialoguetext::kEnd);
}

}  // namespace tessel
