// Draws monster pictures from descriptors, templates, tile data and
// palettes of the fuzzer's choosing, the blocks cut short at sizes of its
// choosing, at origins in and around a small target. The sanitizer checks
// that no read leaves its block; the pictures must keep their sizes.
#include "records/monsterpicture.h"
#include "records/monstertables.h"

#include <cstdint>
#include <cstdlib>

using namespace tessel;

namespace {

// Reads the fuzzer's bytes one after another, zeros past the end.
struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint8_t next() { return at < size ? data[at++] : 0; }
    int word() { return next() | next() << 8; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static MonsterTables tables;
    Input in{data, size};
    // Blocks as short as the input says (each read is checked against the size held).
    tables.tileData.assign(std::size_t(in.word()) * 4 % (records::kMonsterTileDataSize + 1), 0);
    tables.palettes.assign(std::size_t(in.word()) % (records::kMonsterPalettesSize + 1), 0);
    for (quint8& byte : tables.tileData)
        byte = quint8(&byte - tables.tileData.data());
    for (quint8& byte : tables.palettes)
        byte = quint8(~(&byte - tables.palettes.data()));
    const int monster = in.word() % (records::kMonsterCount + 2) - 1;
    if (monster >= 0 && monster < records::kMonsterCount)
        for (int i = 0; i < 5; ++i)
            tables.descriptors[std::size_t(monster)][std::size_t(i)] = in.next();
    MonsterTemplate& templ = tables.templates[std::size_t(in.next() % tables.templates.size())];
    for (quint8& byte : templ.data)
        byte = in.next();

    const QImage picture = MonsterPicture::render(tables, monster);
    if (monster >= 0 && monster < records::kMonsterCount && picture.width() != 64 && picture.width() != 128)
        std::abort();
    QImage target(40 + in.next() % 40, 30 + in.next() % 40, in.next() & 1 ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    const QSize before = target.size();
    MonsterPicture::draw(target, QPoint(int8_t(in.next()) * 2, int8_t(in.next()) * 2), tables, monster);
    if (target.size() != before)
        std::abort();
    return 0;
}
