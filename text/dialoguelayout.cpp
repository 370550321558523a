#include "text/dialoguelayout.h"

#include "text/dialogueaddresses.h"

#include <numeric>

#include <QCoreApplication>

namespace tessel {

using namespace dialogue;

namespace {

QString messageNumber(std::size_t i)
{
    return QStringLiteral("%1").arg(i, 4, 16, QLatin1Char('0')).toUpper();
}

// The banks text may use, in order: the two of the game's text area, then
// the overflow banks.
class BankSequence {
public:
    explicit BankSequence(const std::vector<quint8>& overflowBanks) : overflow_(overflowBanks) {}

    quint32 current() const { return bank_; }
    bool inTextArea() const { return next_ == 0 && bank_ < kFirstTextBank + 2; }
    // Moves to the bank after the current one; false when there is none.
    bool advance()
    {
        if (bank_ == kFirstTextBank) {
            bank_ = kFirstTextBank + 1;
            return true;
        }
        if (next_ >= overflow_.size())
            return false;
        bank_ = overflow_[next_++];
        return true;
    }

private:
    const std::vector<quint8>& overflow_;
    quint32 bank_ = kFirstTextBank;
    std::size_t next_ = 0;
};

}  // namespace

std::optional<DialogueLayout> layOutDialogue(const std::vector<quint32>& lengths,
                                             const std::vector<quint8>& overflowBanks, QString* reason)
{
    DialogueLayout layout;
    const std::size_t count = lengths.size();
    layout.pointers.assign(count, 0);
    layout.banks.assign(count, kFirstTextBank);

    if (count > std::size_t(kMaxMessageCount)) {
        *reason = QCoreApplication::translate("DialogueLayout",
                                              "There are %1 dialogue messages; the pointer table holds at most %2.")
                      .arg(count)
                      .arg(kMaxMessageCount);
        return std::nullopt;
    }

    BankSequence banks(overflowBanks);
    quint32 offset = 0;
    std::optional<quint32> previousPointer;  // of the last message that took room
    std::size_t firstPendingEmpty = 0;       // empty messages from here on wait for the next pointer

    for (std::size_t i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const quint32 length = last ? qMax<quint32>(lengths[i], 1) : lengths[i];
        if (length == 0)
            continue;
        if (length > kMaxMessageLength) {
            *reason = QCoreApplication::translate("DialogueLayout",
                                                  "Dialogue message %1 is %2 bytes long; at most %3 can be saved.")
                          .arg(messageNumber(i))
                          .arg(length)
                          .arg(kMaxMessageLength);
            return std::nullopt;
        }

        // The current bank when the message fits there, else the first
        // following bank. The text area's end counts from $CD:0000, unused
        // bank tails included.
        const quint32 oldBank = banks.current();
        quint32 at = offset;
        auto fits = [&] {
            if (at + length >= kBankSize)
                return false;
            return !banks.inTextArea() || (banks.current() - kFirstTextBank) * kBankSize + at + length < kTextAreaLimit;
        };
        while (!fits()) {
            if (!banks.advance()) {
                const quint64 missing = std::accumulate(lengths.begin() + qsizetype(i), lengths.end(), quint64(0));
                *reason =
                    QCoreApplication::translate("DialogueLayout",
                                                "The dialogue does not fit: no wholly free bank is left past the 3 MB "
                                                "image for the text from message %1 on, so at least %2 bytes of room "
                                                "are missing (banks that hold data of other tools are never used).\n"
                                                "Nothing was saved; shorten the dialogue.")
                        .arg(messageNumber(i))
                        .arg(missing);
                return std::nullopt;
            }
            // A message alone at the start of its bank must not share its
            // pointer with the one before, or that one would read as empty.
            at = previousPointer == 0u ? 1 : 0;
        }

        if (banks.current() != oldBank) {
            if (layout.groups.size() + 1 >= std::size_t(kMaxGroupEntries)) {
                *reason = QCoreApplication::translate("DialogueLayout",
                                                      "The dialogue needs more than %1 banks; shorten it to save.")
                              .arg(kMaxGroupEntries);
                return std::nullopt;
            }
            // The empty messages just before move to the new bank with it,
            // so that the group they share holds their common pointer.
            layout.groups.push_back({quint16(firstPendingEmpty), quint8(oldBank)});
        }
        for (std::size_t empty = firstPendingEmpty; empty <= i; ++empty) {
            layout.pointers[empty] = quint16(at);
            layout.banks[empty] = quint8(banks.current());
        }
        firstPendingEmpty = i + 1;
        previousPointer = at;
        offset = at + length;
        if (!banks.inTextArea())
            layout.overflowEnd = rom::inBank(quint8(banks.current()), 0) + offset;
    }
    layout.groups.push_back({kLastGroupBound, quint8(banks.current())});
    layout.endPointer = count == 0 ? 0 : quint16(layout.pointers.back() + lengths.back());
    return layout;
}

}  // namespace tessel
