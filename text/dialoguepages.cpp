#include "text/dialoguepages.h"

#include "text/dialoguetext.h"
#include "text/dialoguewindow.h"
#include "text/gamefonts.h"
#include "text/glyphdrawing.h"

#include <QImage>

namespace tessel {

namespace dialoguepages {

using namespace dialoguetext;
using namespace dialoguewindow;

namespace {

// Calls visit(position, code) for every byte that is not an operand, up to
// but not including the closing 0x00; operands are passed to operand().
template <class Visit, class Operand>
void walk(const QByteArray& message, int start, Visit visit, Operand operand)
{
    const int n = int(message.size());
    for (int i = start; i < n; ++i) {
        const quint8 code = quint8(message[i]);
        if (code == kEnd)
            return;
        if (!visit(i, code))
            return;
        if (code == kCodeT) {
            if (i + 1 < n)
                operand(quint8(message[++i]));
        } else if (code == kOpenWT || code == kOpenWS) {
            while (++i < n) {
                operand(quint8(message[i]));
                if (quint8(message[i]) == kCloseList)
                    break;
            }
        }
    }
}

}  // namespace

std::vector<int> SplitPages(const QByteArray& message)
{
    std::vector<int> starts;
    if (message.isEmpty())
        return starts;
    starts.push_back(0);
    walk(message, 0, [&](int i, quint8 code) {
        if (code == kPageBreak)
            starts.push_back(i + 1);
        return true;
    }, [](quint8) {});
    return starts;
}

QByteArray ExpandPage(const QByteArray& message, int start, const WordChoice* words)
{
    QByteArray out;
    walk(message, start, [&](int, quint8 code) {
        if (code == kPageBreak)
            return false;
        if (words && code < words->words.size() && !words->words[code].isEmpty())
            out.append(words->words[code]);
        else if (!AppendSpelledOut(out, code))
            out.append(char(code));
        return true;
    }, [&](quint8 value) { out.append(char(value)); });
    return out;
}

namespace {

// The pen that wraps words into the window.
class Typesetter {
public:
    Typesetter(const GameFonts& fonts, DialoguePage& page) : fonts_(fonts), page_(page) {}

    int width(quint8 code) const { return code < fonts_.dialogueWidths.size() ? fonts_.dialogueWidths[code] : 0; }
    int spaceWidth() const { return width(kSpace); }
    int x() const { return x_; }
    int wordWidth() const { return wordWidth_; }

    void addToWord(quint8 code)
    {
        word_.append(char(code));
        wordWidth_ += width(code);
    }
    // A line that holds nothing yet is never given up for the next: a word
    // wider than the whole line runs past the edge instead.
    void newLineIf(bool needed)
    {
        if (needed && x_ > kTextLeft) {
            x_ = kTextLeft;
            y_ += kLineHeight;
        }
    }
    void newLine()
    {
        x_ = kTextLeft;
        y_ += kLineHeight;
    }
    // Draws the pending word, on a new line when it does not fit this one.
    void placeWord(bool wrap)
    {
        if (wrap)
            newLineIf(x_ + wordWidth_ > kRightLimit);
        for (const char c : std::as_const(word_)) {
            const quint8 code = quint8(c);
            const int w = width(code);
            page_.glyphs.push_back({x_, y_, code});
            if (x_ + w > kRightLimit)
                page_.tooWide = true;
            if (y_ + GameFonts::kDialogueGlyphRows > kHeight)
                page_.tooManyLines = true;
            x_ += w;
        }
        word_.clear();
        wordWidth_ = 0;
    }
    void advance(int pixels) { x_ += pixels; }

private:
    const GameFonts& fonts_;
    DialoguePage& page_;
    QByteArray word_;
    int wordWidth_ = 0;
    int x_ = kTextLeft;
    int y_ = kTextTop;
};

}  // namespace

DialoguePage LayOutPage(const QByteArray& message, int start, const GameFonts& fonts, const WordChoice* words)
{
    DialoguePage page;
    page.start = start;
    Typesetter pen(fonts, page);
    const QByteArray text = ExpandPage(message, start, words);
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const quint8 code = quint8(text[i]);
        if (code == kLineBreak) {
            pen.placeWord(true);
            pen.newLine();
            continue;
        }
        if (pen.x() > kRightLimit) {
            pen.placeWord(true);
            pen.newLine();
        }
        if (code == kSpace) {
            pen.newLineIf(pen.x() + pen.wordWidth() + pen.spaceWidth() > kRightLimit);
            pen.placeWord(false);
            pen.advance(pen.spaceWidth());
        } else if (code == kCodeT) {
            if (i + 1 < n)
                pen.advance(quint8(text[++i]) * pen.spaceWidth());
        } else if (code == kOpenWT || code == kOpenWS) {
            while (++i < n && quint8(text[i]) != kCloseList) {
            }
        } else if (code >= GameFonts::kDialogueFirstCode && code <= 0x73) {
            pen.addToWord(code);
        }
    }
    pen.placeWord(true);
    return page;
}

std::vector<DialoguePage> LayOutPages(const QByteArray& message, const GameFonts& fonts, const WordChoice* words)
{
    std::vector<DialoguePage> pages;
    for (const int start : SplitPages(message))
        pages.push_back(LayOutPage(message, start, fonts, words));
    return pages;
}

bool Overflows(const QByteArray& message, const GameFonts& fonts, const WordChoice* words)
{
    for (const int start : SplitPages(message))
        if (LayOutPage(message, start, fonts, words).overflows())
            return true;
    return false;
}

std::vector<OverflowSpot> FindOverflows(const QByteArray& message, const GameFonts& fonts, const WordChoice* words)
{
    std::vector<OverflowSpot> spots;
    const std::vector<int> starts = SplitPages(message);
    for (std::size_t p = 0; p < starts.size(); ++p) {
        const DialoguePage page = LayOutPage(message, starts[p], fonts, words);
        for (const PlacedGlyph& glyph : page.glyphs) {
            const bool wide = glyph.x + fonts.dialogueWidths[glyph.code & 0x7F] > kRightLimit;
            if (wide || glyph.y + GameFonts::kDialogueGlyphRows > kHeight) {
                spots.push_back({int(p) + 1, (glyph.y - kTextTop) / kLineHeight + 1, wide});
                break;
            }
        }
    }
    return spots;
}

int TextWidth(const QByteArray& codes, const GameFonts& fonts)
{
    int width = 0;
    for (const char c : codes)
        if (quint8(c) < fonts.dialogueWidths.size())
            width += fonts.dialogueWidths[quint8(c)];
    return width;
}

namespace {

constexpr int kNameLetters = 6;
// The most the game counts (gold, steps) is 9999999.
constexpr int kNumberDigits = 7;

// The widest of codes first..last that stand for a character; a space
// when none is drawn wider.
quint8 widestCode(const GameFonts& fonts, quint8 first, quint8 last)
{
    quint8 widest = kSpace;
    for (int code = first; code <= last; ++code)
        if (!charFromCode(quint8(code)).isNull() && code != kSpace
            && fonts.dialogueWidths[std::size_t(code)] > fonts.dialogueWidths[widest])
            widest = quint8(code);
    return widest;
}

QByteArray widestOf(const std::vector<QByteArray>& names, const GameFonts& fonts)
{
    QByteArray widest;
    int widestWidth = -1;
    for (const QByteArray& name : names) {
        const int width = TextWidth(name, fonts);
        if (width > widestWidth) {
            widest = name;
            widestWidth = width;
        }
    }
    return widest;
}

}  // namespace

WordChoice LongestWords(const GameFonts& fonts, const std::vector<QByteArray>& itemNames,
                        const std::vector<QByteArray>& spellNames)
{
    WordChoice choice;
    const QByteArray name(kNameLetters, char(widestCode(fonts, GameFonts::kDialogueFirstCode, 0x73)));
    for (int code = kFirstName; code <= kLastName; ++code)
        choice.words[std::size_t(code)] = name;
    choice.words[kNumber] = QByteArray(kNumberDigits, char(widestCode(fonts, quint8(codeFromChar(QLatin1Char('0'))),
                                                                       quint8(codeFromChar(QLatin1Char('9'))))));
    choice.words[kItem] = widestOf(itemNames, fonts);
    choice.words[kSpell] = widestOf(spellNames, fonts);
    return choice;
}

void DrawPage(QImage& picture, const DialoguePage& page, const GameFonts& fonts)
{
    for (const PlacedGlyph& glyph : page.glyphs)
        DrawDialogueGlyph(picture, glyph.x, glyph.y, fonts, glyph.code, true);
}

}  // namespace dialoguepages

}  // namespace tessel
