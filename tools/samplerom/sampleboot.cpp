#include "tools/samplerom/sampleboot.h"

#include "text/gamefonts.h"
#include "text/menutext.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerom.h"

#include <initializer_list>
#include <utility>

namespace tessel {

namespace samplegen {

namespace {

using namespace sampleboot;

// Picture unit and DMA registers the program writes.
enum Register : quint16 {
    INIDISP = 0x2100, OBSEL = 0x2101, BGMODE = 0x2105, MOSAIC = 0x2106, BG1SC = 0x2107, BG12NBA = 0x210B,
    BG1HOFS = 0x210D, BG1VOFS = 0x210E, VMAIN = 0x2115, VMADD = 0x2116, VMDATA = 0x2118, CGADD = 0x2121,
    CGDATA = 0x2122, W12SEL = 0x2123, W34SEL = 0x2124, WOBJSEL = 0x2125, TM = 0x212C, TS = 0x212D,
    TMW = 0x212E, TSW = 0x212F, CGWSEL = 0x2130, CGADSUB = 0x2131, COLDATA = 0x2132, SETINI = 0x2133,
    NMITIMEN = 0x4200, MDMAEN = 0x420B, HDMAEN = 0x420C, RDNMI = 0x4210, JOY1 = 0x4218,
    DMAP0 = 0x4300, BBAD0 = 0x4301, A1T0 = 0x4302, A1B0 = 0x4304, DAS0 = 0x4305,
};

// Video memory layout, in 16-bit words: the font's tiles from 0, the
// 32 x 32 tile map of the one background after them.
constexpr quint16 kTileMapWord = 0x0400;
constexpr int kTileMapEntries = 32 * 32;

// Just enough of a 65816 assembler for this program.
class Code {
public:
    explicit Code(quint16 origin) : origin_(origin) {}

    quint16 here() const { return quint16(origin_ + bytes_.size()); }
    const QByteArray& bytes() const { return bytes_; }

    void op(std::initializer_list<quint8> bytes)
    {
        for (quint8 b : bytes)
            bytes_.append(char(b));
    }
    void opWord(quint8 opcode, quint16 word) { op({opcode, quint8(word), quint8(word >> 8)}); }

    // Stores an 8-bit value (the accumulator is 8 bits wide).
    void store8(quint16 reg, quint8 value)
    {
        if (value == 0) {
            opWord(0x9C, reg);  // stz abs
            return;
        }
        op({0xA9, value});      // lda #imm8
        opWord(0x8D, reg);      // sta abs
    }
    // Stores a 16-bit value through X (the index registers are 16 bits wide).
    void storeX16(quint16 reg, quint16 value)
    {
        opWord(0xA2, value);    // ldx #imm16
        opWord(0x8E, reg);      // stx abs
    }

private:
    quint16 origin_;
    QByteArray bytes_;
};

QByteArray textTiles()
{
    QByteArray tiles;
    for (const char* c = kText; *c; ++c)
        tiles.append(char(menutext::MenuCodeFromChar(QLatin1Char(*c)) - GameFonts::kMenuFirstCode));
    return tiles;
}

// The program: set the picture unit up in forced blank, load the menu
// font's 2-bit tiles into video memory as they lie in the ROM, clear the
// tile map to the blank padding glyph, write the word, turn the screen on
// and idle; every frame's interrupt counts frames and keeps the pad.
QByteArray program(quint16 origin, quint16* nmiHandler, quint16* returnFromInterrupt)
{
    Code code(origin);
    code.op({0x78, 0x18, 0xFB});          // sei; clc; xce: native mode
    code.op({0xC2, 0x38});                // rep #$38: 16-bit A, X, Y, binary
    code.opWord(0xA2, 0x1FFF);            // ldx #$1FFF
    code.op({0x9A});                      // txs
    code.opWord(0xA9, 0x0000);            // lda #0
    code.op({0x5B, 0x4B, 0xAB});          // tcd; phk; plb: direct page and data bank 0
    code.opWord(0x9C, kFrameCountRamOffset);  // stz: work RAM keeps its bytes over a reset
    code.opWord(0x9C, kPadRamOffset);
    code.op({0xE2, 0x20});                // sep #$20: 8-bit A

    code.store8(INIDISP, 0x8F);           // forced blank
    code.store8(NMITIMEN, 0);
    code.store8(HDMAEN, 0);
    for (const auto& [reg, value] : std::initializer_list<std::pair<quint16, quint8>>{
             {OBSEL, 0}, {BGMODE, 0}, {MOSAIC, 0}, {BG1SC, quint8(kTileMapWord >> 8)}, {BG12NBA, 0},
             {W12SEL, 0}, {W34SEL, 0}, {WOBJSEL, 0}, {TM, 0x01}, {TS, 0}, {TMW, 0}, {TSW, 0},
             {CGWSEL, 0}, {CGADSUB, 0}, {COLDATA, 0xE0}, {SETINI, 0}})
        code.store8(reg, value);
    // Scroll so that the map's first row is the picture's first line.
    code.store8(BG1HOFS, 0);
    code.store8(BG1HOFS, 0);
    code.store8(BG1VOFS, 0xFF);
    code.store8(BG1VOFS, 0xFF);

    code.store8(CGADD, 0);
    for (quint16 colour : {kBackdropColour, kInkColours[0], kInkColours[1], kInkColours[2]}) {
        code.store8(CGDATA, quint8(colour));
        code.store8(CGDATA, quint8(colour >> 8));
    }

    code.store8(VMAIN, 0x80);             // step after the high byte
    code.storeX16(VMADD, 0);
    code.store8(DMAP0, 0x01);             // two registers, VMDATA low and high
    code.store8(BBAD0, quint8(VMDATA));
    code.storeX16(A1T0, quint16(GameFonts::kMenuGlyphsAddress));
    code.store8(A1B0, quint8(GameFonts::kMenuGlyphsAddress >> 16));
    code.storeX16(DAS0, 128 * GameFonts::kMenuGlyphSize);
    code.store8(MDMAEN, 0x01);

    code.storeX16(VMADD, kTileMapWord);
    code.op({0xC2, 0x20});                // rep #$20: 16-bit A
    code.opWord(0xA9, menutext::kPadding - GameFonts::kMenuFirstCode);
    code.opWord(0xA0, kTileMapEntries);   // ldy #n
    const quint16 clearLoop = code.here();
    code.opWord(0x8D, VMDATA);            // sta VMDATA
    code.op({0x88});                      // dey
    code.op({0xD0, quint8(clearLoop - (code.here() + 2))});  // bne

    code.storeX16(VMADD, quint16(kTileMapWord + kTextRow * 32 + kTextColumn));
    for (char tile : textTiles()) {
        code.opWord(0xA9, quint8(tile));
        code.opWord(0x8D, VMDATA);
    }
    code.op({0xE2, 0x20});                // sep #$20
    code.store8(INIDISP, 0x0F);           // screen on, full brightness
    code.store8(NMITIMEN, 0x81);          // frame interrupt and pad reading
    code.op({0x80, 0xFE});                // idle: bra idle

    *nmiHandler = code.here();
    code.op({0xC2, 0x30, 0x48});          // rep #$30; pha
    code.opWord(0xAD, RDNMI);             // lda RDNMI: acknowledge
    code.opWord(0xEE, kFrameCountRamOffset);  // inc frames
    code.opWord(0xAD, JOY1);
    code.opWord(0x8D, kPadRamOffset);
    code.op({0x68});                      // pla
    *returnFromInterrupt = code.here();
    code.op({0x40});                      // rti
    return code.bytes();
}

// The 65816's vectors, $FFE0-$FFFF: native mode first, then emulation mode.
QByteArray vectors(quint16 reset, quint16 nmi, quint16 rti)
{
    const quint16 words[16] = {0, 0, rti, rti, rti, nmi, 0, rti,   // native: COP BRK ABORT NMI - IRQ
                               0, 0, rti, 0, rti, rti, reset, rti};  // emulation: COP - ABORT NMI RESET IRQ
    QByteArray bytes;
    for (quint16 word : words) {
        bytes.append(char(word & 0xFF));
        bytes.append(char(word >> 8));
    }
    return bytes;
}

// The console's checksum: the 16-bit sum of every byte of the image, where
// an image that is not a power of two long counts its part past the largest
// such power as often as it takes to fill that power again.
quint16 imageChecksum(const QByteArray& image)
{
    const auto* bytes = reinterpret_cast<const quint8*>(image.constData()) + rom::kHeaderSize;
    const qint64 size = image.size() - rom::kHeaderSize;
    qint64 power = 1;
    while (power * 2 <= size)
        power *= 2;
    quint32 sum = 0;
    for (qint64 i = 0; i < power; ++i)
        sum += bytes[i];
    quint32 rest = 0;
    for (qint64 i = power; i < size; ++i)
        rest += bytes[i];
    if (size > power)
        sum += rest * quint32(power / (size - power));
    return quint16(sum);
}

}  // namespace

void writeBootProgram(SampleRom& rom)
{
    const quint16 origin = quint16(kProgramAddress & 0xFFFF);
    quint16 nmi = 0;
    quint16 rti = 0;
    rom.place(kProgramAddress, program(origin, &nmi, &rti), QStringLiteral("start-up program"));
    rom.place(kVectorsAddress, vectors(origin, nmi, rti), QStringLiteral("interrupt vectors"));
}

void writeChecksum(SampleRom& rom)
{
    // With the complement of zero in place the four bytes add up to what
    // they will once the real values are written.
    rom.pokeWord(kChecksumComplementAddress, 0xFFFF);
    rom.pokeWord(kChecksumAddress, 0x0000);
    const quint16 checksum = imageChecksum(rom.image());
    rom.pokeWord(kChecksumComplementAddress, quint16(~checksum));
    rom.pokeWord(kChecksumAddress, checksum);
}

}  // namespace samplegen

}  // namespace tessel
