#include "rom/expansionarea.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr quint32 kAreaSize = rom::kAddressLimit - rom::kExpansionStart;

// What each byte of the area is, by its offset from $F0:0000.
enum class Byte : quint8 { Zero, Own, Foreign };

}  // namespace

ExpansionArea ExpansionArea::scan(const QByteArray& file, const std::vector<AddressRange>& owned)
{
    ExpansionArea area;
    const qint64 areaStart = rom::fileOffset(rom::kExpansionStart);
    const quint32 inFile = quint32(qBound<qint64>(0, file.size() - areaStart, kAreaSize));
    if (inFile == 0) {
        // A file that ends with the image: the whole area is free.
        area.freeBytes_ = kAreaSize;
        return area;
    }

    std::vector<Byte> bytes(kAreaSize, Byte::Zero);
    for (quint32 k = 0; k < inFile; ++k)
        if (file[areaStart + k] != 0)
            bytes[k] = Byte::Foreign;
    // Tessel's data counts as its own only where the file holds it.
    for (const AddressRange& range : owned) {
        const quint32 from = std::clamp<qint64>(qint64(range.start) - rom::kExpansionStart, 0, inFile);
        const quint32 to = std::clamp<qint64>(qint64(range.end) - rom::kExpansionStart, from, inFile);
        std::fill(bytes.begin() + from, bytes.begin() + to, Byte::Own);
    }

    // Runs of one kind, in order.
    auto runEnd = [&](quint32 k, auto inRun) {
        while (k < kAreaSize && inRun(bytes[k]))
            ++k;
        return k;
    };
    std::vector<AddressRange> free;
    for (quint32 k = 0; k < kAreaSize;) {
        if (bytes[k] == Byte::Foreign) {
            const quint32 end = runEnd(k, [](Byte b) { return b == Byte::Foreign; });
            area.foreign_.push_back({rom::kExpansionStart + k, rom::kExpansionStart + end});
            area.foreignBytes_ += end - k;
            k = end;
            continue;
        }
        // Zero and own bytes together; a run counts when it is long or
        // holds Tessel's own data, and loses its start to the margin after
        // foreign data.
        const quint32 end = runEnd(k, [](Byte b) { return b != Byte::Foreign; });
        const bool holdsOwn = std::find(bytes.begin() + k, bytes.begin() + end, Byte::Own) != bytes.begin() + end;
        const quint32 start = (k > 0) ? std::min(end, k + kForeignMargin) : k;
        if ((end - k >= kMinZeroRun || holdsOwn) && start < end)
            free.push_back({rom::kExpansionStart + start, rom::kExpansionStart + end});
        k = end;
    }
    for (quint32 k = 0; k < kAreaSize;) {
        if (bytes[k] != Byte::Own) {
            ++k;
            continue;
        }
        const quint32 end = runEnd(k, [](Byte b) { return b == Byte::Own; });
        area.owned_.push_back({rom::kExpansionStart + k, rom::kExpansionStart + end});
        k = end;
    }
    for (const AddressRange& range : area.owned_)
        area.ownBytes_ += range.size();
    for (const AddressRange& run : free)
        area.freeBytes_ += quint32(std::count(bytes.begin() + (run.start - rom::kExpansionStart),
                                              bytes.begin() + (run.end - rom::kExpansionStart), Byte::Zero));
    area.free_ = FreeSpace(std::move(free));
    return area;
}

bool ExpansionArea::foreignBytesKept(const QByteArray& before, const QByteArray& after) const
{
    for (const AddressRange& range : foreign_) {
        const qint64 at = rom::fileOffset(range.start);
        if (after.size() < at + range.size())
            return false;
        if (before.mid(at, range.size()) != after.mid(at, range.size()))
            return false;
    }
    return true;
}

}  // namespace tessel
