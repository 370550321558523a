#include "records/monsterpicture.h"

#include "records/monstertables.h"

namespace tessel {

namespace {

constexpr int kCellPixels = 8;
constexpr int kColoursPerPalette = 8;

// A set template bit: small templates are a byte a row (bit 7 leftmost),
// large ones a big-endian word a row (bit 15 leftmost).
bool cellSet(const MonsterTemplate& templ, bool large, int column, int row)
{
    if (large) {
        const int bits = templ.data[std::size_t(2 * row)] << 8 | templ.data[std::size_t(2 * row + 1)];
        return bits & (0x8000 >> column);
    }
    return templ.data[std::size_t(row)] & (0x80 >> column);
}

// The template a descriptor names, or null when its number lies past its table.
const MonsterTemplate* templateOf(const MonsterTables& tables, const MonsterGraphic& g)
{
    const int count = g.large ? records::kLargeTemplateCount : records::kSmallTemplateCount;
    if (g.templateNumber >= count)
        return nullptr;
    return &tables.templates[std::size_t((g.large ? records::kSmallTemplateCount : 0) + g.templateNumber)];
}

// Pixel (x, y) of a planar tile: planes 0 and 1 interleaved in the first
// 16 bytes, then plane 2 (3 bits, one byte a row) or planes 2 and 3.
int tilePixel(const quint8* tile, bool threeBit, int x, int y)
{
    const int bit = 7 - x;
    int v = (tile[2 * y] >> bit & 1) | (tile[2 * y + 1] >> bit & 1) << 1;
    if (threeBit)
        return v | (tile[16 + y] >> bit & 1) << 2;
    return v | (tile[16 + 2 * y] >> bit & 1) << 2 | (tile[17 + 2 * y] >> bit & 1) << 3;
}

void drawTile(QImage& target, QPoint at, const MonsterTables& tables, std::size_t tileByte, const MonsterGraphic& g)
{
    if (tileByte + std::size_t(g.tileBytes()) > tables.tileData.size())
        return;
    const quint8* tile = tables.tileData.data() + tileByte;
    for (int y = 0; y < kCellPixels; ++y) {
        const int ty = at.y() + y;
        if (ty < 0 || ty >= target.height())
            continue;
        auto* line = reinterpret_cast<QRgb*>(target.scanLine(ty));
        for (int x = 0; x < kCellPixels; ++x) {
            const int tx = at.x() + x;
            const int v = tilePixel(tile, g.threeBit, x, y);
            if (v == 0 || tx < 0 || tx >= target.width())
                continue;
            const std::size_t colourByte = std::size_t(g.palette * kColoursPerPalette + v) * 2;
            if (colourByte + 2 > tables.palettes.size())
                continue;
            const int colour = tables.palettes[colourByte] | tables.palettes[colourByte + 1] << 8;
            line[tx] = qRgb((colour & 31) * 8, (colour >> 5 & 31) * 8, (colour >> 10 & 31) * 8);
        }
    }
}

}  // namespace

MonsterGraphic MonsterGraphic::fromDescriptor(std::span<const quint8> d)
{
    MonsterGraphic g;
    if (d.size() < 5)
        return g;
    const int first = d[0] | d[1] << 8;
    g.tileOffset = first & 0x7FFF;
    g.threeBit = first & 0x8000;
    g.large = d[2] & 0x80;
    g.palette = (d[2] & 0x03) << 8 | d[3];
    g.templateNumber = d[4];
    return g;
}

QImage MonsterPicture::render(const MonsterTables& tables, int monster)
{
    if (monster < 0 || monster >= records::kMonsterCount)
        return {};
    const MonsterGraphic g = MonsterGraphic::fromDescriptor(tables.descriptors[std::size_t(monster)]);
    QImage image(g.cells() * kCellPixels, g.cells() * kCellPixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    draw(image, {0, 0}, tables, monster);
    return image;
}

void MonsterPicture::draw(QImage& target, QPoint origin, const MonsterTables& tables, int monster)
{
    if (monster < 0 || monster >= records::kMonsterCount || target.depth() != 32)
        return;
    const MonsterGraphic g = MonsterGraphic::fromDescriptor(tables.descriptors[std::size_t(monster)]);
    const MonsterTemplate* templ = templateOf(tables, g);
    if (!templ)
        return;
    std::size_t tileByte = std::size_t(g.tileOffset) * 8;
    for (int row = 0; row < g.cells(); ++row)
        for (int column = 0; column < g.cells(); ++column) {
            if (!cellSet(*templ, g.large, column, row))
                continue;
            drawTile(target, origin + QPoint(kCellPixels * column, kCellPixels * row), tables, tileByte, g);
            tileByte += std::size_t(g.tileBytes());
        }
}

}  // namespace tessel
