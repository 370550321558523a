// Settings text comes from a file the user (or another program) may have
// edited: any text must parse without harm, and what is written reads back.
#include "platform/windowspec.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WindowSpec spec;
    spec.parse(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    WindowSpec again;
    again.parse(spec.toString());
    if (!(again == spec))
        std::abort();
    return 0;
}
