#include "document/tablebytes.h"

namespace tessel {

std::span<quint8> TableBytes::slice(std::span<quint8> run, qsizetype offset, qsizetype count)
{
    if (offset < 0 || count < 0 || std::size_t(offset + count) > run.size())
        return {};
    return run.subspan(std::size_t(offset), std::size_t(count));
}

}  // namespace tessel
