// The pad keys come from the settings, which the user (or another program)
// may have edited: any text must parse without harm, and what is written
// reads back as the same keys.
#include "play/padkeymap.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    PadKeyMap keys;
    keys.parse(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    PadKeyMap again;
    again.parse(keys.toString());
    if (!(again == keys))
        std::abort();
    return 0;
}
