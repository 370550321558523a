// Thousands of generated dialogue sets are saved into the relocated layout
// and loaded again: every message must come back byte for byte, or the
// save must be refused with nothing written.
#include "rom/editorflags.h"
#include "rom/freespace.h"
#include "rom/romimage.h"
#include "tests/testsupport.h"
#include "text/dialogueaddresses.h"
#include "text/dialoguestorage.h"
#include "tools/samplerom/samplerandom.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tessel;

using namespace dialogue;

namespace {

constexpr quint8 kOpenWT = 0x11;
constexpr quint8 kCloseList = 0x12;
constexpr quint8 kCodeT = 0x14;
constexpr quint8 kOpenWS = 0x16;

// Whole messages of random codes: characters, pairs, control codes, values
// and lists (with zero values too), of chosen lengths.
class DialogueSetGenerator {
public:
    explicit DialogueSetGenerator(quint32 seed) : random_(seed)
    {
        // Long messages take their middles from a pool of whole codes.
        while (pool_.size() < 2 * qsizetype(kBankSize)) {
            appendCode(pool_, 40);
            poolBoundaries_.push_back(pool_.size());
        }
    }

    std::vector<DialogueMessage> next()
    {
        std::vector<quint32> lengths;
        const int shape = random_.below(100);
        if (shape < 60) {
            lengths.resize(std::size_t(random_.between(1, 40)));
            for (quint32& length : lengths)
                length = anyLength();
        } else if (shape < 90) {
            lengths = bankEdgeLengths();
        } else if (shape < 97) {
            lengths = overflowingLengths();
        } else {
            // The most messages there can be, nearly all empty.
            lengths.assign(std::size_t(kMaxMessageCount), 0);
            for (int k = 0; k < 20; ++k)
                lengths[std::size_t(random_.below(kMaxMessageCount))] = anyLength();
        }
        std::vector<DialogueMessage> messages(lengths.size());
        for (std::size_t i = 0; i < lengths.size(); ++i)
            if (lengths[i] > 0)
                messages[i].bytes = message(lengths[i]);
        return messages;
    }

private:
    quint32 anyLength()
    {
        const int kind = random_.below(100);
        if (kind < 25)
            return 0;
        if (kind < 30)
            return 1;  // a lone 0x00
        if (kind < 70)
            return quint32(random_.between(2, 60));
        if (kind < 85)
            return quint32(random_.between(61, 3000));
        if (kind < 95)
            return quint32(random_.between(3001, 0x8000));
        if (kind < 99)
            return quint32(random_.between(0xF000, int(kMaxMessageLength)));
        return kMaxMessageLength + quint32(random_.between(0, 1));  // the longest, or one too long
    }

    // Messages that end just before, at and just after a bank boundary,
    // with empty ones around them.
    std::vector<quint32> bankEdgeLengths()
    {
        std::vector<quint32> lengths;
        quint32 offset = 0;
        const int banks = random_.between(1, 4);
        for (int b = 0; b < banks; ++b) {
            const quint32 first = quint32(random_.between(1, 0xC000));
            lengths.push_back(first);
            for (int e = random_.below(3); e > 0; --e)
                lengths.push_back(0);
            const quint32 used = (offset + first) % kBankSize;
            const qint64 toEdge = qint64(kBankSize) - used + random_.between(-2, 2);
            lengths.push_back(quint32(qBound<qint64>(1, toEdge, kMaxMessageLength)));
            for (int e = random_.below(3); e > 0; --e)
                lengths.push_back(0);
            offset = 0;
        }
        lengths.push_back(random_.below(3) == 0 ? 0 : anyLength());
        return lengths;
    }

    // More text than the game's area holds, sometimes more than fits at all.
    std::vector<quint32> overflowingLengths()
    {
        std::vector<quint32> lengths(std::size_t(random_.between(3, 25)));
        for (quint32& length : lengths)
            length = random_.below(4) == 0 ? 0 : quint32(random_.between(0x4000, int(kMaxMessageLength)));
        return lengths;
    }

    quint8 plainCode()
    {
        while (true) {
            const quint8 code = quint8(random_.between(1, 255));
            if (code != kOpenWT && code != kCodeT && code != kOpenWS && code != kCloseList)
                return code;
        }
    }

    quint8 value() { return random_.below(4) == 0 ? 0 : random_.byte(); }

    // Appends one code that takes at most `room` bytes.
    void appendCode(QByteArray& bytes, qsizetype room)
    {
        const int kind = random_.below(10);
        if (kind == 0 && room >= 2) {
            bytes.append(char(kCodeT));
            bytes.append(char(value()));
        } else if (kind == 1 && room >= 3) {
            const qsizetype values = qMin<qsizetype>(room - 2, random_.between(0, 4));
            bytes.append(char(random_.below(2) ? kOpenWT : kOpenWS));
            for (qsizetype v = 0; v < values; ++v) {
                const quint8 x = value();
                bytes.append(char(x == kCloseList ? 0 : x));
            }
            bytes.append(char(kCloseList));
        } else {
            bytes.append(char(plainCode()));
        }
    }

    QByteArray message(quint32 length)
    {
        QByteArray bytes;
        bytes.reserve(qsizetype(length));
        const qsizetype body = qsizetype(length) - 1;
        if (body > 64) {
            // A run of the pool from one code boundary to another.
            const auto from = poolBoundaries_.begin() + random_.below(int(poolBoundaries_.size() / 2));
            const auto to = std::upper_bound(from, poolBoundaries_.end(), *from + body - 16) - 1;
            if (to > from)
                bytes = pool_.mid(*from, *to - *from);
        }
        // Some messages end in a code with operands, zero ones included.
        const bool operandEnd = random_.below(3) == 0;
        while (bytes.size() < body) {
            const qsizetype room = body - bytes.size();
            if (operandEnd && room == 2) {
                bytes.append(char(kCodeT));
                bytes.append(char(value()));
            } else if (operandEnd && room == 3) {
                bytes.append(char(kOpenWS));
                bytes.append(char(value() == 0 ? 0 : 1));
                bytes.append(char(kCloseList));
            } else {
                appendCode(bytes, room);
            }
        }
        bytes.append('\0');
        return bytes;
    }

    SampleRandom random_;
    QByteArray pool_;
    std::vector<qsizetype> poolBoundaries_;
};

}  // namespace

TEST(DialogueRoundTrip, GeneratedDialogueSetsReadBackExactlyOrAreRefusedUntouched)
{
    const QByteArray& base = sampleRomBytes();
    DialogueSetGenerator generator(20240611);
    int saved = 0;
    int refused = 0;
    int overflowed = 0;
    for (int set = 0; set < 2000; ++set) {
        DialogueList dialogue;
        dialogue.messages = generator.next();
        dialogue.loaded = true;

        RomImage rom;
        rom.openInMemory(base);
        FreeSpace space;
        EditorFlags flags;
        QString reason;
        if (!SaveDialogue(rom, dialogue, space, flags, &reason)) {
            ++refused;
            ASSERT_FALSE(reason.isEmpty());
            ASSERT_TRUE(rom.data() == base) << "set " << set << " was refused but written: " << reason.toStdString();
            continue;
        }
        ++saved;
        overflowed += rom.data().size() > base.size();

        RomImage reread;
        reread.openInMemory(rom.data(), RomImage::Mode::Loading);
        DialogueList again;
        LoadDialogue(reread, again);
        ASSERT_TRUE(again.loaded) << "set " << set;
        ASSERT_EQ(again.messages.size(), dialogue.messages.size()) << "set " << set;
        for (std::size_t i = 0; i < dialogue.messages.size(); ++i)
            ASSERT_EQ(again.messages[i].bytes, dialogue.messages[i].bytes) << "set " << set << ", message " << i;
    }
    // Both outcomes, and text past the game's area, must have been tried.
    EXPECT_GT(saved, 1500);
    EXPECT_GT(refused, 20);
    EXPECT_GT(overflowed, 50);
}
