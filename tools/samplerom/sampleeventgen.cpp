#include "text/dialogueaddresses.h"
#include "tools/samplerom/sampledialogue.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"

#include <initializer_list>

namespace tessel {

namespace samplegen {

namespace {

inline constexpr SnesAddress kScriptAreaStart = 0xCA0000;
inline constexpr SnesAddress kScriptAreaEnd = 0xCCE600;
inline constexpr quint32 kScriptAreaSize = kScriptAreaEnd - kScriptAreaStart;
inline constexpr int kLastCharacterReference = 52;

// Operand bytes of the main commands with a fixed length (0 for the rest;
// 0x73, 0x74, 0xB6, 0xBE and 0xC0-0xCF are built separately).
int fixedOperandBytes(quint8 opcode)
{
    switch (opcode) {
    case 0x35: case 0x36: case 0x3D: case 0x3E: case 0x41: case 0x42: case 0x46: case 0x50: case 0x52:
    case 0x55: case 0x56: case 0x57: case 0x58: case 0x59: case 0x5A: case 0x62: case 0x63: case 0x77:
    case 0x78: case 0x7C: case 0x7D: case 0x80: case 0x81: case 0x86: case 0x87: case 0x8D: case 0x98:
    case 0x9B: case 0x9C: case 0xA1: case 0xA7: case 0xB0: case 0xB4: case 0xB5: case 0xB8: case 0xB9:
    case 0xBA: case 0xF0: case 0xF2: case 0xF3: case 0xF4: case 0xF9:
        return 1;
    case 0x37: case 0x3F: case 0x40: case 0x43: case 0x44: case 0x48: case 0x4B: case 0x4C: case 0x4D:
    case 0x5D: case 0x5E: case 0x5F: case 0x60: case 0x64: case 0x65: case 0x70: case 0x71: case 0x72:
    case 0x7E: case 0x7F: case 0x84: case 0x85: case 0x8B: case 0x8C: case 0xBC: case 0xEF: case 0xF1:
        return 2;
    case 0x51: case 0x53: case 0x61: case 0x79: case 0x88: case 0x89: case 0x8A: case 0x99: case 0xB2:
    case 0xBD: case 0xE8: case 0xE9: case 0xEA: case 0xEB: case 0xF5: case 0xF6:
        return 3;
    case 0x3C: case 0x7A: case 0xB3: case 0xB7:
        return 4;
    case 0x6A: case 0x6B: case 0xA0:
        return 5;
    case 0x6C:
        return 6;
    default:
        return opcode >= 0xD0 && opcode <= 0xDD ? 1 : 0;
    }
}

// Operand bytes of the action-queue commands.
int queueOperandBytes(quint8 code)
{
    switch (code) {
    case 0xC8: case 0xC9: case 0xE0: case 0xE1: case 0xE2: case 0xE3: case 0xE4: case 0xE5: case 0xE6:
    case 0xFA: case 0xFB: case 0xFC: case 0xFD:
        return 1;
    case 0xD5:
        return 2;
    case 0xF9:
        return 3;
    default:
        return 0;
    }
}

class ScriptWriter {
public:
    explicit ScriptWriter(SampleRandom& random) : random_(random) {}

    QByteArray& bytes() { return bytes_; }

    void raw(std::initializer_list<int> values)
    {
        for (int v : values)
            bytes_.append(char(v));
    }
    void byte(int v) { bytes_.append(char(v)); }
    void word(int v) { raw({v & 0xFF, (v >> 8) & 0xFF}); }
    void target() { const quint32 t = quint32(random_.below(int(kScriptAreaSize))); raw({int(t & 0xFF), int((t >> 8) & 0xFF), int(t >> 16)}); }
    int reference() { return random_.between(0, kLastCharacterReference); }

    void dialogue(quint8 opcode, int message, int flags = 0)
    {
        byte(opcode);
        word(message | flags);
        choices_ = choiceCount(sampleDialogueMessages()[std::size_t(message)]);
    }

    // A message with the given number of choices (the first found from `from`).
    int messageWithChoices(int choices, int from = 0) const
    {
        const std::vector<QByteArray>& messages = sampleDialogueMessages();
        for (int i = from; i < int(messages.size()); ++i)
            if (!messages[std::size_t(i)].isEmpty() && choiceCount(messages[std::size_t(i)]) == choices)
                return i;
        return 0;
    }

    void indexedBranch()
    {
        byte(0xB6);
        for (int c = 0; c < choices_; ++c)
            target();
    }

    void queue(int object, bool wait, std::initializer_list<int> commands)
    {
        byte(object);
        byte(int(commands.size()) | (wait ? 0x80 : 0));
        for (int c : commands)
            byte(c);
    }

    // One command of the given opcode with operands that make sense.
    void command(quint8 opcode)
    {
        switch (opcode) {
        case 0x37: case 0x40: case 0x43:
            byte(opcode); byte(reference()); byte(random_.byte());
            return;
        case 0x3C:
            byte(opcode); for (int i = 0; i < 4; ++i) byte(reference());
            return;
        case 0x3F:
            byte(opcode); byte(reference()); byte(random_.below(4));
            return;
        case 0x44:
            byte(opcode); byte(reference()); byte(random_.below(4) * 0x20 | (random_.below(2) ? 0x80 : 0));
            return;
        case 0x48: case 0x4B:
            dialogue(opcode, random_.below(dialogue::kGameMessageCount), random_.below(4) << 14);
            return;
        case 0x73: case 0x74: {
            const int h = random_.between(1, 3), w = random_.between(1, 4);
            raw({opcode, random_.below(64), random_.below(64), h, w});
            for (int i = 0; i < h * w; ++i)
                byte(random_.byte());
            return;
        }
        case 0x7F:
            raw({opcode, random_.below(16), random_.below(64)});
            return;
        case 0x86: case 0x87:
            raw({opcode, random_.between(54, 80)});
            return;
        case 0x88: case 0x89: case 0x8A:
            raw({opcode, reference(), random_.byte(), random_.byte()});
            return;
        case 0x99:
            raw({opcode, random_.between(1, 3), random_.byte(), random_.byte()});
            return;
        case 0x8D: case 0x98:
            raw({opcode, reference()});
            return;
        case 0xB2: case 0xBD:
            byte(opcode); target();
            return;
        case 0xB3: case 0xB7:
            raw({opcode, random_.byte()}); target();
            return;
        case 0xB6:
            indexedBranch();
            return;
        case 0xBE: {
            const int n = random_.between(1, 3);
            raw({opcode, n | (random_.below(2) ? 0x80 : 0)});
            for (int i = 0; i < n; ++i) {
                const quint32 v = quint32(random_.below(16)) << 20 | quint32(random_.below(int(kScriptAreaSize)));
                raw({int(v & 0xFF), int((v >> 8) & 0xFF), int(v >> 16)});
            }
            return;
        }
        default:
            break;
        }
        if (opcode >= 0xC0 && opcode <= 0xCF) {
            byte(opcode);
            // Event bits the game uses lie below 0x700; bit 15 asks for "clear".
            for (int i = 0; i <= (opcode & 7); ++i)
                word(random_.below(0x700) | random_.below(2) << 15);
            target();
            return;
        }
        byte(opcode);
        for (int i = 0; i < fixedOperandBytes(opcode); ++i)
            byte(random_.byte());
    }

private:
    SampleRandom& random_;
    QByteArray bytes_;
    int choices_ = 0;
};

// Every opcode once, with the edge cases a listing has to get right.
void writeEveryCommand(ScriptWriter& w)
{
    // Indexed branches after messages with 2, 3 and no choices.
    w.dialogue(0x4B, w.messageWithChoices(2));
    w.indexedBranch();
    w.dialogue(0x48, w.messageWithChoices(3), 0x8000);
    w.indexedBranch();
    w.dialogue(0x4B, w.messageWithChoices(0), 0x4000);
    w.indexedBranch();
    // Trigger-side subroutines: left of the trigger, then above it, 0x80 set.
    w.raw({0xBE, 0x82, 0x10, 0x00, 0x10, 0xCD, 0xAB, 0x20});
    // A queue that waits, with every queue command across a few queues.
    int code = 0;
    for (int object = 0; object <= 0x34; ++object) {
        QByteArray commands;
        while (code <= 0xFF && commands.size() < 20) {
            commands.append(char(code));
            for (int i = 0; i < queueOperandBytes(quint8(code)); ++i)
                commands.append(char(code == 0xF9 ? 0x00 : 4 + i));
            ++code;
        }
        if (commands.isEmpty())
            commands.append(char(0xFF));
        w.byte(object);
        w.byte(int(commands.size()) | (object % 2 ? 0x80 : 0));
        w.bytes().append(commands);
    }
    for (int opcode = 0x35; opcode <= 0xFF; ++opcode)
        w.command(quint8(opcode));
}

// Filler: short scenes built from common commands.
void writeScene(ScriptWriter& w, SampleRandom& random)
{
    static const quint8 kCommon[] = {0x91, 0x92, 0x96, 0x97, 0xB4, 0xD0, 0xD1, 0xD2, 0xD3, 0xF4, 0x59,
                                     0x5A, 0x3D, 0x41, 0x42, 0x80, 0x86, 0xC0, 0xC8, 0xB2, 0x6A, 0xF0};
    w.command(0x4B);
    for (int i = random.between(2, 6); i > 0; --i)
        w.command(kCommon[random.below(int(sizeof kCommon))]);
    w.queue(random.between(0, 0x34), random.below(2), {0xC2, 0x80 + random.below(32), 0xCC + random.below(4), 0xFF});
    w.command(0x48);
    w.raw({0xFE});
}

}  // namespace

void writeEventScripts(SampleRom& rom)
{
    SampleRandom random(0xE7E27u);
    ScriptWriter w(random);
    writeEveryCommand(w);
    // Scenes up to near the end, then one-byte pauses to fill it exactly.
    while (w.bytes().size() < qsizetype(kScriptAreaSize) - 400)
        writeScene(w, random);
    while (w.bytes().size() < qsizetype(kScriptAreaSize))
        w.byte(0x91);
    rom.place(kScriptAreaStart, w.bytes(), QStringLiteral("event scripts"));
}

}  // namespace samplegen

}  // namespace tessel
