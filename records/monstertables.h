#pragma once

#include "records/recordaddresses.h"
#include "records/savedcopy.h"

#include <array>
#include <span>
#include <vector>

namespace tessel {

class RomImage;

// One monster as the document keeps it (56 bytes): name, special-attack
// name, item slots and statistics side by side, as the ROM tables give
// them. The two names are one run and the item slots and statistics
// another, as the property lists see them.
struct MonsterEntry {
    static constexpr int kNameOffset = 0;
    static constexpr int kAttackNameOffset = kNameOffset + records::kMonsterNameWidth;
    static constexpr int kItemsOffset = kAttackNameOffset + records::kMonsterNameWidth;
    static constexpr int kStatsOffset = kItemsOffset + records::kMonsterItemsSize;
    static constexpr int kSize = kStatsOffset + records::kMonsterStatsSize;

    std::array<quint8, kSize> bytes{};

    std::span<quint8> name() { return part(kNameOffset, records::kMonsterNameWidth); }
    std::span<quint8> attackName() { return part(kAttackNameOffset, records::kMonsterNameWidth); }
    std::span<quint8> items() { return part(kItemsOffset, records::kMonsterItemsSize); }
    std::span<quint8> stats() { return part(kStatsOffset, records::kMonsterStatsSize); }
    std::span<const quint8> name() const { return part(kNameOffset, records::kMonsterNameWidth); }
    std::span<const quint8> attackName() const { return part(kAttackNameOffset, records::kMonsterNameWidth); }
    std::span<const quint8> items() const { return part(kItemsOffset, records::kMonsterItemsSize); }
    std::span<const quint8> stats() const { return part(kStatsOffset, records::kMonsterStatsSize); }

    bool operator==(const MonsterEntry&) const = default;

private:
    std::span<quint8> part(int offset, int size) { return std::span(bytes).subspan(std::size_t(offset), std::size_t(size)); }
    std::span<const quint8> part(int offset, int size) const
    {
        return std::span(bytes).subspan(std::size_t(offset), std::size_t(size));
    }
};
static_assert(MonsterEntry::kSize == 56);

// A tile-placement template with its size byte (8 small, 32 large) in front.
struct MonsterTemplate {
    quint8 size = 0;
    std::array<quint8, records::kLargeTemplateSize> data{};
};

// Monsters and the tables their pictures are built from. Names,
// special-attack names, item slots and statistics are saved where they
// changed (SavedCopy); the picture tables and packages are never written.
class MonsterTables {
public:
    // Statistics, names, special-attack names and item slots.
    void loadMonsters(RomImage& rom);
    // Packages, palettes, descriptors, templates and tile data.
    void loadPackages(RomImage& rom);
    void loadGraphics(RomImage& rom);

    void saveChanges(RomImage& rom) const;
    void markSaved() { inFile_.remember(monsters); }
    bool isChanged() const { return inFile_.differs(monsters); }

    std::array<MonsterEntry, records::kMonsterCount> monsters{};
    std::array<quint8, records::kMonsterPackagesSize> packages{};
    std::vector<quint8> tileData = std::vector<quint8>(records::kMonsterTileDataSize);
    // Five descriptor bytes in six-byte slots; the sixth byte stays zero.
    std::array<std::array<quint8, 6>, records::kMonsterCount> descriptors{};
    std::vector<quint8> palettes = std::vector<quint8>(records::kMonsterPalettesSize);
    std::array<MonsterTemplate, records::kSmallTemplateCount + records::kLargeTemplateCount> templates{};

private:
    SavedCopy<std::array<MonsterEntry, records::kMonsterCount>> inFile_;
};

}  // namespace tessel
