#include "text/dialogueaddresses.h"
#include "text/dialoguetext.h"
#include "tools/samplerom/sampledialogue.h"
#include "tools/samplerom/samplegenerators.h"
#include "tools/samplerom/samplerandom.h"
#include "tools/samplerom/samplerom.h"

#include <QStringList>

namespace tessel {

namespace samplegen {

namespace {

using namespace dialoguetext;

const QStringList kOpeners = {"Hey", "Listen", "Well", "Look", "Hmm", "Oh", "Wait", "Quiet", "Say", "Ah"};
const QStringList kSubjects = {"The old mill", "The night train", "My brother", "The captain", "That merchant",
                               "The north gate", "Our airship", "The river", "This town", "The king",
                               "The tower bell", "A stranger", "The guards", "The chocobo", "Grandpa"};
const QStringList kVerbs = {"is waiting by", "was seen near", "will not leave", "keeps watch over",
                            "ran away from", "is hiding in", "went back to", "came home from",
                            "fell asleep at", "is looking for"};
const QStringList kPlaces = {"the mines", "the castle", "the old inn", "the forest", "the harbor",
                             "the desert", "the cave", "the bridge", "the market", "the chapel",
                             "the cliffs", "the station", "the fields", "the tower"};
const QStringList kEndings = {"tonight", "again", "at dawn", "for days", "since spring", "all alone",
                              "without a word", "before the storm"};
const QStringList kQuestions = {"Will you help us", "Shall we rest here", "Do you want to go",
                                "Are you ready", "Should we open it", "Can you trust him",
                                "Is that your final answer", "Take the shortcut"};
const QStringList kChoices = {"Yes", "No", "Maybe later", "Of course", "Not now", "Tell me more",
                              "Let's go", "Stay here"};
const QStringList kShouts = {"Run!", "Look out!", "Over here!", "Stop right there!", "We did it!",
                             "Hurry!", "Help!", "Now!"};

QString pick(const QStringList& list, SampleRandom& random)
{
    return list[random.below(int(list.size()))];
}

// A message under construction, in unpacked codes.
class Writer {
public:
    void text(const QString& s)
    {
        for (QChar ch : s)
            if (const quint8 code = codeFromChar(ch))
                bytes_.append(char(code));
    }
    void code(quint8 c) { bytes_.append(char(c)); }
    void name(int slot) { code(quint8(kFirstName + slot - 1)); }
    QByteArray finish()
    {
        bytes_.append(char(kEnd));
        return PairCompress(bytes_);
    }

private:
    QByteArray bytes_;
};

QString sentence(SampleRandom& random)
{
    return QStringLiteral("%1 %2 %3 %4.")
        .arg(pick(kSubjects, random), pick(kVerbs, random), pick(kPlaces, random), pick(kEndings, random));
}

void speaker(Writer& w, SampleRandom& random)
{
    w.name(random.between(1, kSlotCount));
    w.text(QStringLiteral(": "));
}

QByteArray message(int number, SampleRandom& random)
{
    Writer w;
    switch (number % 12) {
    case 0:  // a speaker and one sentence
        speaker(w, random);
        w.text(sentence(random));
        break;
    case 1:  // a question with two choices
    case 7:  // or three
        w.text(pick(kQuestions, random) + QLatin1Char('?'));
        for (int c = 0, n = number % 12 == 1 ? 2 : 3; c < n; ++c) {
            w.code(kLineBreak);
            w.code(kChoice);
            w.text(kChoices[(number + c) % kChoices.size()]);
        }
        break;
    case 2:  // two lines, a name in the middle
        w.text(pick(kOpeners, random) + QStringLiteral(", "));
        w.name(random.between(1, kSlotCount));
        w.text(QStringLiteral("..."));
        w.code(kLineBreak);
        w.text(sentence(random));
        break;
    case 3:  // a page break between two speakers
        speaker(w, random);
        w.text(pick(kShouts, random));
        w.code(kPageBreak);
        speaker(w, random);
        w.text(pick(kOpeners, random) + QStringLiteral(". ") + pick(kShouts, random));
        break;
    case 4:  // the placeholders
        w.text(QStringLiteral("Received "));
        w.code(random.below(2) ? kItem : kSpell);
        w.text(QStringLiteral("! That costs "));
        w.code(kNumber);
        w.text(QStringLiteral(" GP."));
        break;
    case 5:  // a list of values and a timed pause
        w.code(kOpenWT);
        for (int v = 0, n = random.between(1, 3); v < n; ++v)
            w.code(quint8(random.between(1, 40)));
        w.code(kCloseList);
        w.text(pick(kShouts, random));
        w.code(kCodeT);
        w.code(quint8(random.below(256)));
        break;
    case 6:  // the other list, the "D" code and a zero value
        w.code(kOpenWS);
        w.code(quint8(random.below(3)));
        if (random.below(2))
            w.code(0x00);
        w.code(kCloseList);
        w.code(kCodeD);
        w.text(QStringLiteral("The shop is open."));
        break;
    case 8:  // codes the editor has no name for
        w.text(pick(kShouts, random));
        w.code(quint8(QList<int>{0x17, 0x18, 0x1C, 0x1D, 0x1E, 0x1F, 0x74, 0x7A, 0x7E, 0x12}[random.below(10)]));
        w.text(QStringLiteral(" Ow."));
        break;
    case 9:  // an empty message now and then, else two sentences
        if (number % 48 == 9)
            return QByteArray();
        w.text(sentence(random));
        w.code(kLineBreak);
        w.text(pick(kEndings, random) + QStringLiteral("?"));
        break;
    case 10:
        speaker(w, random);
        w.text(pick(kOpeners, random) + QStringLiteral("... ") + pick(kPlaces, random) + QStringLiteral("?"));
        break;
    default:
        w.text(pick(kShouts, random));
        break;
    }
    return w.finish();
}

}  // namespace

const std::vector<QByteArray>& sampleDialogueMessages()
{
    static const std::vector<QByteArray> messages = [] {
        std::vector<QByteArray> all;
        SampleRandom random(0xD1A10u);
        for (int i = 0; i < dialogue::kGameMessageCount; ++i)
            all.push_back(message(i, random));
        return all;
    }();
    return messages;
}

int choiceCount(const QByteArray& message)
{
    const std::vector<bool> operand = operandMask(message);
    int count = 0;
    for (qsizetype i = 0; i < message.size(); ++i)
        if (quint8(message[i]) == kChoice && !operand[size_t(i)])
            ++count;
    return count;
}

// The game layout: messages one after another from $CD:0000, moving to
// bank $CE for the first message that would reach the bank's end.
void writeDialogue(SampleRom& rom)
{
    using namespace dialogue;
    const std::vector<QByteArray>& messages = sampleDialogueMessages();
    QByteArray text(kTextAreaSize, char(0xFF));
    QByteArray pointers;
    int split = -1;
    int firstPending = -1;  // first of the empty messages since the last non-empty one
    quint32 offset = 0;
    auto pointer = [&](quint32 value) {
        pointers.append(char(value & 0xFF));
        pointers.append(char((value >> 8) & 0xFF));
    };
    std::vector<quint32> offsets(messages.size() + 1, 0);
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const quint32 length = quint32(messages[i].size());
        if (length == 0) {
            if (firstPending < 0)
                firstPending = int(i);
            continue;
        }
        if (split < 0 && offset + length >= kBankSize) {
            split = firstPending >= 0 ? firstPending : int(i);
            offset = kBankSize;
        }
        for (int e = firstPending; e >= 0 && e < int(i); ++e)
            offsets[std::size_t(e)] = offset;
        firstPending = -1;
        offsets[i] = offset;
        text.replace(offset, length, messages[i]);
        offset += length;
    }
    offsets[messages.size()] = offset;
    Q_ASSERT(offset < kTextAreaLimit && split > 0);
    for (quint32 o : offsets)
        pointer(o & 0xFFFF);

    QByteArray splitWord;
    splitWord.append(char(split & 0xFF));
    splitWord.append(char(split >> 8));
    rom.place(kBankSplitAddress, splitWord + pointers, QStringLiteral("dialogue pointers"));
    rom.place(kTextAreaStart, text, QStringLiteral("dialogue text"));

    // The game's own message-address routine: only its first byte, the
    // layout marker, matters to the editor.
    QByteArray routine(int(kMessageAddressRoutine.size()), char(0xEA));
    routine[0] = char(kGameLayoutMarker);
    routine[routine.size() - 1] = char(0x60);
    rom.place(kMarkerAddress, routine, QStringLiteral("message-address routine"));
    rom.place(kGroupTableAddress, QByteArray(kMaxGroupEntries * kGroupEntrySize + 2, char(0xFF)),
              QStringLiteral("dialogue group table room"));
}

}  // namespace samplegen

}  // namespace tessel
