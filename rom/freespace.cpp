#include "rom/freespace.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr quint32 kBankSize = 0x10000;

}  // namespace

FreeSpace::FreeSpace() : runs_{{rom::kExpansionStart, rom::kAddressLimit}} {}

FreeSpace::FreeSpace(std::vector<AddressRange> runs) : runs_(std::move(runs))
{
    std::erase_if(runs_, [](const AddressRange& run) { return run.isEmpty(); });
}

std::vector<quint8> FreeSpace::wholeFreeBanks() const
{
    std::vector<quint8> banks;
    for (const AddressRange& run : runs_) {
        const SnesAddress first = (run.start + kBankSize - 1) / kBankSize * kBankSize;
        for (SnesAddress bank = first; bank + kBankSize <= run.end; bank += kBankSize)
            banks.push_back(quint8(bank >> 16));
    }
    return banks;
}

void FreeSpace::take(AddressRange range)
{
    if (range.isEmpty())
        return;
    std::vector<AddressRange> left;
    left.reserve(runs_.size() + 1);
    for (const AddressRange& run : runs_) {
        if (run.end <= range.start || run.start >= range.end) {
            left.push_back(run);
            continue;
        }
        if (run.start < range.start)
            left.push_back({run.start, range.start});
        if (run.end > range.end)
            left.push_back({range.end, run.end});
    }
    runs_ = std::move(left);
    dataEnd_ = std::max(dataEnd_, range.end);
}

std::optional<SnesAddress> FreeSpace::allocate(quint32 size)
{
    for (const AddressRange& run : runs_) {
        if (run.size() >= size) {
            const SnesAddress start = run.start;
            take({start, start + size});
            return start;
        }
    }
    return std::nullopt;
}

quint32 FreeSpace::largestRun() const
{
    quint32 largest = 0;
    for (const AddressRange& run : runs_)
        largest = std::max(largest, run.size());
    return largest;
}

quint32 FreeSpace::totalSize() const
{
    quint32 total = 0;
    for (const AddressRange& run : runs_)
        total += run.size();
    return total;
}

}  // namespace tessel
