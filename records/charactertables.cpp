#include "records/charactertables.h"

#include "rom/romimage.h"

namespace tessel {

SnesAddress CharacterTables::spriteAddress(RomImage& rom, int character)
{
    // Only the first byte of each 2-byte bank slot is used.
    rom.SeekSnes(records::kSpriteBankTableAddress + 2 * character);
    const quint8 bank = rom.readByte();
    rom.SeekSnes(records::kSpriteOffsetTableAddress + 2 * character);
    return rom::inBank(bank, rom.readWord());
}

void CharacterTables::load(RomImage& rom)
{
    characters = {};
    rom.SeekSnes(records::kCharacterRecordsAddress);
    for (CharacterEntry& c : characters)
        rom.readInto(c.record);
    rom.SeekSnes(records::kCharacterNamesAddress);
    for (CharacterEntry& c : characters)
        rom.readInto(c.name);
    for (int i = 0; i < records::kSpriteCharacterCount; ++i) {
        CharacterEntry& c = characters[i];
        rom.SeekSnes(spriteAddress(rom, i));
        rom.readInto(c.spriteTiles);
        rom.SeekSnes(records::kCharacterPaletteAddress);
        rom.readInto(c.palette);
    }
    rom.SeekSnes(records::kCharacterPaletteNumbersAddress);
    for (int i = 0; i < records::kSpriteCharacterCount; ++i)
        characters[i].paletteNumber = rom.readByte();
    rom.SeekSnes(records::kLevelGainsAddress);
    rom.readInto(hpGain);
    rom.readInto(mpGain);
    markSaved();
}

void CharacterTables::saveChanges(RomImage& rom) const
{
    for (int n = 0; n < records::kCharacterCount; ++n)
        writeIfChanged(rom, records::kCharacterRecordsAddress + SnesAddress(n * records::kCharacterRecordSize),
                       characters[std::size_t(n)].record, inFile_.inFile()[std::size_t(n)].record);
}

void CharacterTables::loadCommandNames(RomImage& rom)
{
    rom.SeekSnes(records::kCommandNamesAddress);
    for (auto& name : commandNames)
        rom.readInto(name);
}

}  // namespace tessel
