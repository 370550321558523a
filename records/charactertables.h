#pragma once

#include "records/recordaddresses.h"
#include "records/savedcopy.h"

#include <array>

namespace tessel {

class RomImage;

// One character as the document keeps it: the parts from the different ROM
// tables side by side. Sprite tiles, palette block and palette number exist
// for characters 0-31 only and are zero for the others.
struct CharacterEntry {
    std::array<quint8, records::kCharacterRecordSize> record{};
    std::array<quint8, records::kCharacterNameWidth> name{};
    std::array<quint8, records::kSpriteTilesSize> spriteTiles{};
    std::array<quint8, records::kCharacterPaletteSize> palette{};
    quint8 paletteNumber = 0;

    bool operator==(const CharacterEntry&) const = default;
};

// Characters, level gains and battle command names. The 22-byte starting
// records are saved where they changed (SavedCopy); nothing else of the
// characters is written.
class CharacterTables {
public:
    // Records, names, sprites, palettes and level gains, in the open order.
    void load(RomImage& rom);
    // The battle command names, read last of the data tables on open.
    void loadCommandNames(RomImage& rom);

    // 24-bit address of character i's sprite tiles (i < 32).
    static SnesAddress spriteAddress(RomImage& rom, int character);

    void saveChanges(RomImage& rom) const;
    void markSaved() { inFile_.remember(characters); }
    bool isChanged() const { return inFile_.differs(characters); }

    std::array<CharacterEntry, records::kCharacterCount> characters{};
    std::array<quint8, records::kLevelGainCount> hpGain{};
    std::array<quint8, records::kLevelGainCount> mpGain{};
    std::array<std::array<quint8, records::kCommandNameWidth>, records::kCommandCount> commandNames{};

private:
    SavedCopy<std::array<CharacterEntry, records::kCharacterCount>> inFile_;
};

}  // namespace tessel
