#pragma once

#include "records/recordaddresses.h"

#include <array>
#include <vector>

class RomImage;

// One monster: name, special-attack name, item slots and statistics side by
// side (56 bytes), as the ROM tables give them.
struct MonsterEntry {
    std::array<quint8, records::kMonsterNameWidth> name{};
    std::array<quint8, records::kMonsterNameWidth> attackName{};
    std::array<quint8, records::kMonsterItemsSize> items{};
    std::array<quint8, records::kMonsterStatsSize> stats{};
};

// A tile-placement template with its size byte (8 small, 32 large) in front.
struct MonsterTemplate {
    quint8 size = 0;
    std::array<quint8, records::kLargeTemplateSize> data{};
};

// Monsters and the tables their pictures are built from. Not saved.
class MonsterTables {
public:
    // Statistics, names, special-attack names and item slots.
    void loadMonsters(RomImage& rom);
    // Packages, palettes, descriptors, templates and tile data.
    void loadPackages(RomImage& rom);
    void loadGraphics(RomImage& rom);

    std::array<MonsterEntry, records::kMonsterCount> monsters{};
    std::array<quint8, records::kMonsterPackagesSize> packages{};
    std::vector<quint8> tileData = std::vector<quint8>(records::kMonsterTileDataSize);
    // Five descriptor bytes in six-byte slots; the sixth byte stays zero.
    std::array<std::array<quint8, 6>, records::kMonsterCount> descriptors{};
    std::vector<quint8> palettes = std::vector<quint8>(records::kMonsterPalettesSize);
    std::array<MonsterTemplate, records::kSmallTemplateCount + records::kLargeTemplateCount> templates{};
};
