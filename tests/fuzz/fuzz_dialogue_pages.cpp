// Lays arbitrary messages out into the dialogue window with arbitrary glyph
// widths (the first 128 bytes), and draws every page.
#include "text/dialoguepages.h"
#include "text/dialoguewindowpicture.h"
#include "text/gamefonts.h"

#include <QImage>

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GameFonts fonts;
    const size_t widths = std::min(size, fonts.dialogueWidths.size());
    std::memcpy(fonts.dialogueWidths.data(), data, widths);
    const QByteArray message(reinterpret_cast<const char*>(data + widths), qsizetype(size - widths));
    const std::vector<int> starts = dialoguepages::SplitPages(message);
    for (const int start : starts) {
        if (start < 0 || start > message.size())
            std::abort();
        const DialoguePage page = dialoguepages::LayOutPage(message, start, fonts);
        // A page expands each byte into at most a name's six characters.
        if (page.glyphs.size() > size_t(6 * message.size()))
            std::abort();
        QImage picture = DialogueWindowPicture().copy();
        dialoguepages::DrawPage(picture, page, fonts);
    }
    return 0;
}
