#pragma once

namespace tessel {

class SampleRom;

// The parts of the sample ROM, one generator per area of the game.
namespace samplegen {

void writeHeader(SampleRom& rom);          // title, cartridge, version; room for the checksum
void writeBootProgram(SampleRom& rom);     // start-up program and interrupt vectors
void writeFonts(SampleRom& rom);           // dialogue and menu fonts
void writeNames(SampleRom& rom);           // item, spell, esper, character, monster, command names
void writeItemRecords(SampleRom& rom);
void writeShops(SampleRom& rom);
void writeEspers(SampleRom& rom);
void writeMagicRecords(SampleRom& rom);
void writeCharacters(SampleRom& rom);      // records, sprites, palettes, level gains
void writeMonsterStats(SampleRom& rom);    // statistics, item slots, packages
void writeMonsterGraphics(SampleRom& rom); // descriptors, templates, tiles, palettes
void writeFormations(SampleRom& rom);      // records, extras, size templates
void writeDialogue(SampleRom& rom);        // messages, pointers, message-address routine
void writeEventScripts(SampleRom& rom);    // the event-script area $CA:0000-$CC:E600
void writeWorldMaps(SampleRom& rom);       // both world maps, their graphics and triggers
void writeChecksum(SampleRom& rom);        // last: the header's checksum over every other byte

}  // namespace samplegen

}  // namespace tessel
