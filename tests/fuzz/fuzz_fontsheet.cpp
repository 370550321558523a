// Feeds arbitrary bytes to the font-sheet reader for both fonts. A sheet
// that is taken must export back to the same contents.
#include "text/fontsheet.h"
#include "text/gamefonts.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const fontsheet::Font font : {fontsheet::Font::Dialogue, fontsheet::Font::Menu}) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QString reason;
        const std::optional<QImage> sheet = fontsheet::ReadSheet(buffer, font, &reason);
        if (!sheet)
            continue;
        GameFonts fonts;
        const std::optional<fontsheet::Contents> contents = fontsheet::ImportSheet(*sheet, font, fonts, &reason);
        if (!contents) {
            if (reason.isEmpty())
                std::abort();  // a refusal must say why
            continue;
        }
        if (font == fontsheet::Font::Dialogue) {
            std::memcpy(fonts.dialogueGlyphs.data(), contents->glyphs.constData(), size_t(contents->glyphs.size()));
            std::memcpy(fonts.dialogueWidths.data(), contents->widths.constData(), fonts.dialogueWidths.size());
        } else {
            std::memcpy(fonts.menuGlyphs.data(), contents->glyphs.constData(), fonts.menuGlyphs.size());
        }
        const std::optional<fontsheet::Contents> again =
            fontsheet::ImportSheet(fontsheet::ExportSheet(fonts, font), font, fonts, &reason);
        if (!again || again->glyphs != contents->glyphs || again->widths != contents->widths)
            std::abort();
    }
    return 0;
}
