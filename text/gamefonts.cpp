#include "text/gamefonts.h"

#include "rom/romimage.h"

namespace tessel {

void GameFonts::load(RomImage& rom)
{
    rom.SeekSnes(kDialogueWidthsAddress);
    rom.readInto(dialogueWidths);
    rom.SeekSnes(kDialogueGlyphsAddress);
    rom.readInto(dialogueGlyphs);
    rom.SeekSnes(kMenuGlyphsAddress);
    rom.readInto(menuGlyphs);
}

void GameFonts::save(RomImage& rom) const
{
    rom.SeekSnes(kDialogueWidthsAddress);
    rom.write(dialogueWidths);
    rom.SeekSnes(kDialogueGlyphsAddress);
    rom.write(dialogueGlyphs);
    rom.SeekSnes(kMenuGlyphsAddress);
    rom.write(menuGlyphs);
}

bool GameFonts::dialoguePixel(quint8 code, int x, int y) const
{
    if (code < kDialogueFirstCode || code >= kDialogueFirstCode + 128 || x < 0 || x >= kDialogueGlyphColumns
        || y < 0 || y >= kDialogueGlyphRows)
        return false;
    const int base = (code - kDialogueFirstCode) * kDialogueGlyphSize + 2 * y;
    const int row = dialogueGlyphs[base] | (dialogueGlyphs[base + 1] << 8);
    return row & (1 << (11 - x));
}

int GameFonts::menuPixel(quint8 code, int x, int y) const
{
    if (code < kMenuFirstCode || x < 0 || x > 7 || y < 0 || y > 7)
        return 0;
    const int base = (code - kMenuFirstCode) * kMenuGlyphSize + 2 * y;
    const int bit = 7 - x;
    return ((menuGlyphs[base] >> bit) & 1) | (((menuGlyphs[base + 1] >> bit) & 1) << 1);
}

}  // namespace tessel
