#include "tools/samplerom/samplerom.h"

#include "tools/samplerom/samplegenerators.h"

#include <cstring>

namespace tessel {

SampleRom::SampleRom() : image_(rom::kRomFileSize, '\0')
{
    // xorshift32 filler: deterministic, and unlike any table.
    quint32 state = 0x7E55E1u;
    for (qsizetype i = rom::kHeaderSize; i < image_.size(); ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        image_[i] = char(state >> 24);
    }
}

void SampleRom::reserve(SnesAddress address, quint32 size, const QString& label)
{
    Q_ASSERT(rom::fileOffset(address) + size <= quint64(image_.size()));
    areas_.append({address, size, label});
}

void SampleRom::place(SnesAddress address, const QByteArray& bytes, const QString& label)
{
    reserve(address, quint32(bytes.size()), label);
    std::memcpy(image_.data() + rom::fileOffset(address), bytes.constData(), size_t(bytes.size()));
}

void SampleRom::place(SnesAddress address, std::span<const quint8> bytes, const QString& label)
{
    place(address, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())), label);
}

void SampleRom::poke(SnesAddress address, quint8 value)
{
    image_[rom::fileOffset(address)] = char(value);
}

void SampleRom::pokeWord(SnesAddress address, quint16 value)
{
    poke(address, quint8(value));
    poke(address + 1, quint8(value >> 8));
}

QByteArray buildSampleRom(QList<SampleRom::Area>* areas)
{
    SampleRom rom;
    samplegen::writeHeader(rom);
    samplegen::writeBootProgram(rom);
    samplegen::writeFonts(rom);
    samplegen::writeNames(rom);
    samplegen::writeItemRecords(rom);
    samplegen::writeShops(rom);
    samplegen::writeEspers(rom);
    samplegen::writeMagicRecords(rom);
    samplegen::writeCharacters(rom);
    samplegen::writeMonsterStats(rom);
    samplegen::writeMonsterGraphics(rom);
    samplegen::writeFormations(rom);
    samplegen::writeDialogue(rom);
    samplegen::writeEventScripts(rom);
    samplegen::writeWorldMaps(rom);
    samplegen::writeChecksum(rom);
    if (areas)
        *areas = rom.areas();
    return rom.image();
}

QByteArray buildSampleRom()
{
    return buildSampleRom(nullptr);
}

}  // namespace tessel
