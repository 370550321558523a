#include "text/dialoguetext.h"

#include <vector>

namespace tessel {

namespace dialoguetext {

namespace {

constexpr char kPunctuation[] = "!?/:$'-.,_;#+()%~*@&=\"";  // codes 0x5E-0x73
constexpr quint8 kPunctuationStart = 0x5E;
constexpr quint8 kPunctuationEnd = 0x73;

constexpr const char* kPairText[kPairCount] = {
    "e ", " t", ": ", "th", "t ", "he", "s ", "er", " a", "re", "in", "ou", "d ", " w", " s", "an",
    "o ", " h", " o", "r ", "n ", "at", "to", " i", ", ", "ve", "ng", "ha", " m", "Th", "st", "on",
    "yo", " b", "me", "y ", "en", "it", "ar", "ll", "ea", "I ", "ed", " f", " y", "hi", "is", "es",
    "or", "l ", " c", "ne", "'s", "nd", "le", "se", " I", "a ", "te", " l", "pe", "as", "ur", "u ",
    "al", " p", "g ", "om", " d", "f ", " g", "ow", "rs", "be", "ro", "us", "ri", "wa", "we", "Wh",
    "et", " r", "nt", "m ", "ma", "I'", "li", "ho", "of", "Yo", "h ", " n", "ee", "de", "so", "gh",
    "ca", "ra", "n'", "ta", "ut", "el", "! ", "fo", "ti", "We", "lo", "e!", "ld", "no", "ac", "ce",
    "k ", " u", "oo", "ke", "ay", "w ", "!!", "ag", "il", "ly", "co", ". ", "ch", "go", "ge", "e_",
};

const char* const kSlotNames[kSlotCount] = {
    "TERRA", "LOCKE", "CYAN", "SHADOW", "EDGAR", "SABIN", "CELES",
    "STRAGO", "RELM", "SETZER", "MOG", "GAU", "GOGO", "UMARO",
};

std::array<quint8, 2 * kPairCount> buildPairTable()
{
    std::array<quint8, 2 * kPairCount> table{};
    for (int k = 0; k < kPairCount; ++k) {
        table[2 * k] = codeFromChar(QLatin1Char(kPairText[k][0]));
        table[2 * k + 1] = codeFromChar(QLatin1Char(kPairText[k][1]));
    }
    return table;
}

std::array<quint8, 6> encodeWord(const char* word)
{
    std::array<quint8, 6> codes{};
    for (int i = 0; i < 6 && word[i]; ++i)
        codes[i] = codeFromChar(QLatin1Char(word[i]));
    return codes;
}

}  // namespace

const std::array<quint8, 2 * kPairCount> DialoguePairTable = buildPairTable();

const std::array<QString, kPairCount>& pairStrings()
{
    static const std::array<QString, kPairCount> strings = [] {
        std::array<QString, kPairCount> s;
        for (int k = 0; k < kPairCount; ++k)
            s[k] = QString::fromLatin1(kPairText[k]);
        return s;
    }();
    return strings;
}

QChar charFromCode(quint8 code)
{
    if (code >= 0x20 && code <= 0x39)
        return QChar(ushort('A' + code - 0x20));
    if (code >= 0x3A && code <= 0x53)
        return QChar(ushort('a' + code - 0x3A));
    if (code >= 0x54 && code <= 0x5D)
        return QChar(ushort('0' + code - 0x54));
    if (code >= kPunctuationStart && code <= kPunctuationEnd)
        return QLatin1Char(kPunctuation[code - kPunctuationStart]);
    if (code == kSpace)
        return QLatin1Char(' ');
    return QChar();
}

quint8 codeFromChar(QChar ch)
{
    const ushort u = ch.unicode();
    if (u >= 'A' && u <= 'Z')
        return quint8(u - 0x21);
    if (u >= 'a' && u <= 'z')
        return quint8(u - 0x27);
    if (u >= '0' && u <= '9')
        return quint8(u + 0x24);
    if (u == ' ')
        return kSpace;
    for (quint8 code = kPunctuationStart; code <= kPunctuationEnd; ++code)
        if (kPunctuation[code - kPunctuationStart] == u)
            return code;
    return 0;
}

QChar DialogueGlyphLabel(quint8 code)
{
    if (code == 0x62 || code == 0x73)
        return QLatin1Char('"');
    if (code == 0x67 || code == 0x71 || (code >= 0x74 && code <= 0x7F) || code < 0x20 || code > 0x7F)
        return QChar();
    return charFromCode(code);
}

const QString& defaultSlotName(int slot)
{
    static const std::array<QString, kSlotCount> names = [] {
        std::array<QString, kSlotCount> n;
        for (int i = 0; i < kSlotCount; ++i)
            n[i] = QString::fromLatin1(kSlotNames[i]);
        return n;
    }();
    static const QString none;
    return slot >= 1 && slot <= kSlotCount ? names[slot - 1] : none;
}

const std::array<quint8, 6>& encodedWordForCode(quint8 code)
{
    static const std::array<std::array<quint8, 6>, kSlotCount + 3> words = [] {
        std::array<std::array<quint8, 6>, kSlotCount + 3> w{};
        for (int i = 0; i < kSlotCount; ++i)
            w[i] = encodeWord(kSlotNames[i]);
        w[kSlotCount] = encodeWord("NUMBER");
        w[kSlotCount + 1] = encodeWord("ITEM");
        w[kSlotCount + 2] = encodeWord("SPELL");
        return w;
    }();
    static const std::array<quint8, 6> empty{};
    if (code >= kFirstName && code <= kLastName)
        return words[code - kFirstName];
    if (code >= kNumber && code <= kSpell)
        return words[kSlotCount + (code - kNumber)];
    return empty;
}

std::vector<bool> operandMask(const QByteArray& bytes)
{
    std::vector<bool> mask(size_t(bytes.size()), false);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const quint8 code = quint8(bytes[i]);
        if (code == kCodeT) {
            if (i + 1 < bytes.size())
                mask[size_t(++i)] = true;
        } else if (code == kOpenWT || code == kOpenWS) {
            while (++i < bytes.size()) {
                mask[size_t(i)] = true;
                if (quint8(bytes[i]) == kCloseList)
                    break;
            }
        }
    }
    return mask;
}

QByteArray PairCompress(const QByteArray& bytes)
{
    const std::vector<bool> operand = operandMask(bytes);
    QByteArray out;
    out.reserve(bytes.size());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (i + 1 < n && !operand[size_t(i)] && !operand[size_t(i + 1)]) {
            const quint8 a = quint8(bytes[i]);
            const quint8 b = quint8(bytes[i + 1]);
            int found = -1;
            for (int k = 0; k < kPairCount; ++k) {
                if (DialoguePairTable[2 * k] == a && DialoguePairTable[2 * k + 1] == b) {
                    found = k;
                    break;
                }
            }
            if (found >= 0) {
                out.append(char(kFirstPair + found));
                i += 2;
                continue;
            }
        }
        out.append(bytes[i]);
        ++i;
    }
    return out;
}

bool AppendSpelledOut(QByteArray& out, quint8 code)
{
    if (code >= kFirstPair) {
        out.append(char(DialoguePairTable[2 * (code - kFirstPair)]));
        out.append(char(DialoguePairTable[2 * (code - kFirstPair) + 1]));
        return true;
    }
    if ((code >= kFirstName && code <= kLastName) || (code >= kNumber && code <= kSpell)) {
        for (quint8 c : encodedWordForCode(code))
            if (c)
                out.append(char(c));
        return true;
    }
    return false;
}

QByteArray ExpandForDisplay(const QByteArray& message)
{
    QByteArray out;
    for (qsizetype i = 0; i < message.size(); ++i) {
        const quint8 code = quint8(message[i]);
        if (code == kEnd)
            break;
        if (AppendSpelledOut(out, code))
            continue;
        if (code == kCodeT) {
            ++i;
        } else if (code == kOpenWT || code == kOpenWS) {
            while (++i < message.size() && quint8(message[i]) != kCloseList) {
            }
        } else if (code == kLineBreak || code == kPageBreak) {
            out.append(char(kSpace));
        } else {
            out.append(char(code));
        }
    }
    return out;
}

}  // namespace dialoguetext

}  // namespace tessel
