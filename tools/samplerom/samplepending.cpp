#include "tools/samplerom/samplegenerators.h"

// Stand-ins while a generator is being written.
namespace samplegen {
#ifdef TESSEL_SAMPLE_STUB_FONTS
void writeFonts(SampleRom&) {}
#endif
#ifdef TESSEL_SAMPLE_STUB_MONSTERS
void writeMonsterGraphics(SampleRom&) {}
#endif
}  // namespace samplegen
