#include "records/recordaddresses.h"
#include "tools/samplerom/monsterart.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerom.h"

#include <QHash>

#include <cstdio>
#include <cstdlib>

namespace tessel {

// Monster pictures of the sample ROM: descriptors, cell templates, tiles
// and palettes.
namespace samplegen {

using namespace records;

namespace {

inline constexpr SnesAddress kSmallTemplatesAddress = 0xD2A824;
inline constexpr SnesAddress kLargeTemplatesAddress = kSmallTemplatesAddress + kSmallTemplateCount * kSmallTemplateSize;

// Every sixteenth monster is a boss with a large picture. The others share
// kSmallPictures pictures, each shown in three colourings, as palette
// swaps do in the game; the bosses each have their own.
inline constexpr int kSmallPictures = 120;
inline constexpr int kLargePictures = kMonsterCount / 16;

bool isLarge(int monster) { return monster % 16 == 15; }

struct Art {
    monsterart::Kind kind;
    quint32 seed;
    bool large;
    bool threeBit;
    int templ = 0;
    int tileOffset = 0;  // in units of 8 bytes
};

constexpr monsterart::Kind kSmallKinds[] = {
    monsterart::Kind::Slime,  monsterart::Kind::Eyeball,  monsterart::Kind::Bat,
    monsterart::Kind::Beetle, monsterart::Kind::Skull,    monsterart::Kind::Plant,
    monsterart::Kind::Humanoid, monsterart::Kind::Beast, monsterart::Kind::Serpent,
};
constexpr monsterart::Kind kLargeKinds[] = {
    monsterart::Kind::Dragon, monsterart::Kind::Giant,  monsterart::Kind::Beast,   monsterart::Kind::Plant,
    monsterart::Kind::Dragon, monsterart::Kind::Giant,  monsterart::Kind::Eyeball, monsterart::Kind::Serpent,
    monsterart::Kind::Dragon, monsterart::Kind::Giant,  monsterart::Kind::Slime,   monsterart::Kind::Skull,
};

void planar(QByteArray& out, const monsterart::Picture& pic, int tx, int ty, bool threeBit)
{
    const int size = threeBit ? 24 : 32;
    QByteArray tile(size, '\0');
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const int px = tx * 8 + x, py = ty * 8 + y;
            if (px >= pic.width || py >= pic.height)
                continue;
            const quint8 ink = pic.at(px, py);
            const int v = threeBit ? monsterart::threeBitValue(ink) : ink;
            const char bit = char(0x80 >> x);
            if (v & 1)
                tile[2 * y] = char(tile[2 * y] | bit);
            if (v & 2)
                tile[2 * y + 1] = char(tile[2 * y + 1] | bit);
            if (v & 4)
                tile[threeBit ? 16 + y : 16 + 2 * y] = char(tile[threeBit ? 16 + y : 16 + 2 * y] | bit);
            if (!threeBit && (v & 8))
                tile[17 + 2 * y] = char(tile[17 + 2 * y] | bit);
        }
    out += tile;
}

bool cellUsed(const monsterart::Picture& pic, int tx, int ty)
{
    for (int y = ty * 8; y < std::min(pic.height, ty * 8 + 8); ++y)
        for (int x = tx * 8; x < std::min(pic.width, tx * 8 + 8); ++x)
            if (pic.at(x, y) != monsterart::Clear)
                return true;
    return false;
}

[[noreturn]] void overflow(const char* what)
{
    std::fprintf(stderr, "sample monster graphics: %s\n", what);
    std::abort();
}

}  // namespace

void writeMonsterGraphics(SampleRom& rom)
{
    std::vector<Art> arts;
    for (int i = 0; i < kSmallPictures; ++i) {
        // Kinds step round so neighbours differ; every third picture is
        // drawn in eight colours.
        const int kinds = int(std::size(kSmallKinds));
        arts.push_back({kSmallKinds[(i + i / kinds) % kinds], quint32(i + 1), false, i % 3 == 1});
    }
    for (int i = 0; i < kLargePictures; ++i)
        arts.push_back({kLargeKinds[i % std::size(kLargeKinds)], quint32(1000 + i), true, i % 4 == 3});

    QByteArray tiles;
    QByteArray smallTemplates, largeTemplates;
    QHash<QByteArray, int> smallIndex, largeIndex;
    for (Art& art : arts) {
        // Sizes in pixels: small ones 30-60 across, bosses 84-124.
        const quint32 h = art.seed * 2246822519u;
        const int size = art.large ? 84 + int((h >> 8) % 41) : 30 + int((h >> 8) % 31);
        const int cells = art.large ? 16 : 8;
        const monsterart::Picture pic = monsterart::paint(art.kind, art.seed, size, cells * 8);

        QByteArray templ(art.large ? kLargeTemplateSize : kSmallTemplateSize, '\0');
        art.tileOffset = int(tiles.size() / 8);
        for (int ty = 0; ty < cells; ++ty)
            for (int tx = 0; tx < cells; ++tx) {
                if (!cellUsed(pic, tx, ty))
                    continue;
                if (art.large) {
                    // 16-bit rows, high byte first, leftmost cell in bit 15
                    const int bit = 15 - tx;
                    templ[2 * ty + (bit >= 8 ? 0 : 1)] = char(templ[2 * ty + (bit >= 8 ? 0 : 1)] | (1 << (bit & 7)));
                } else {
                    templ[ty] = char(templ[ty] | (0x80 >> tx));
                }
                planar(tiles, pic, tx, ty, art.threeBit);
            }
        QHash<QByteArray, int>& index = art.large ? largeIndex : smallIndex;
        QByteArray& table = art.large ? largeTemplates : smallTemplates;
        auto found = index.constFind(templ);
        if (found != index.constEnd()) {
            art.templ = found.value();
        } else {
            art.templ = int(index.size());
            index.insert(templ, art.templ);
            table += templ;
        }
    }
    if (tiles.size() > kMonsterTileDataSize)
        overflow("tile data does not fit");
    if (smallIndex.size() > kSmallTemplateCount || largeIndex.size() > kLargeTemplateCount)
        overflow("too many templates");
    tiles.append(kMonsterTileDataSize - tiles.size(), '\0');
    smallTemplates.append(kSmallTemplateCount * kSmallTemplateSize - smallTemplates.size(), '\0');
    largeTemplates.append(kLargeTemplateCount * kLargeTemplateSize - largeTemplates.size(), '\0');

    QByteArray descriptors, palettes(kMonsterPalettesSize, '\0');
    int smallSeen = 0;
    for (int m = 0; m < kMonsterCount; ++m) {
        int variant = 0;
        const Art* art = nullptr;
        if (isLarge(m)) {
            art = &arts[size_t(kSmallPictures + m / 16)];
        } else {
            art = &arts[size_t(smallSeen % kSmallPictures)];
            variant = smallSeen / kSmallPictures;
            ++smallSeen;
        }
        // Two palettes a monster: a 4-bit picture needs both.
        const int palette = 2 * m;
        descriptors += char(art->tileOffset);
        descriptors += char((art->tileOffset >> 8) | (art->threeBit ? 0x80 : 0));
        descriptors += char((art->large ? 0x80 : 0) | (palette >> 8));
        descriptors += char(palette);
        descriptors += char(art->templ);
        const auto colours = monsterart::colours(art->kind, art->seed, variant, art->threeBit);
        for (int i = 0; i < 16; ++i) {
            palettes[(palette * 8 + i) * 2] = char(colours[size_t(i)]);
            palettes[(palette * 8 + i) * 2 + 1] = char(colours[size_t(i)] >> 8);
        }
    }

    QByteArray pointers;
    pointers += char(kSmallTemplatesAddress & 0xFF);
    pointers += char((kSmallTemplatesAddress >> 8) & 0xFF);
    pointers += char(kLargeTemplatesAddress & 0xFF);
    pointers += char((kLargeTemplatesAddress >> 8) & 0xFF);

    rom.place(kMonsterDescriptorsAddress, descriptors, QStringLiteral("monster graphics descriptors"));
    rom.place(kMonsterPalettesAddress, palettes, QStringLiteral("monster palettes"));
    rom.place(kSmallTemplatePointerAddress, pointers, QStringLiteral("monster template pointers"));
    rom.place(kSmallTemplatesAddress, smallTemplates, QStringLiteral("small monster templates"));
    rom.place(kLargeTemplatesAddress, largeTemplates, QStringLiteral("large monster templates"));
    rom.place(kMonsterTileDataAddress, tiles, QStringLiteral("monster tile data"));
}

}  // namespace samplegen

}  // namespace tessel
