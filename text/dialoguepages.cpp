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

QByteArray ExpandPage(const QByteArray& message, int start)
{
    QByteArray out;
    walk(message, start, [&](int, quint8 code) {
        if (code == kPageBreak)
            return false;
        if (!AppendSpelledOut(out, code))
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

DialoguePage LayOutPage(const QByteArray& message, int start, const GameFonts& fonts)
{
    DialoguePage page;
    page.start = start;
    Typesetter pen(fonts, page);
    const QByteArray text = ExpandPage(message, start);
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

std::vector<DialoguePage> LayOutPages(const QByteArray& message, const GameFonts& fonts)
{
    std::vector<DialoguePage> pages;
    for (const int start : SplitPages(message))
        pages.push_back(LayOutPage(message, start, fonts));
    return pages;
}

bool Overflows(const QByteArray& message, const GameFonts& fonts)
{
    for (const int start : SplitPages(message))
        if (LayOutPage(message, start, fonts).overflows())
            return true;
    return false;
}

void DrawPage(QImage& picture, const DialoguePage& page, const GameFonts& fonts)
{
    for (const PlacedGlyph& glyph : page.glyphs)
        DrawDialogueGlyph(picture, glyph.x, glyph.y, fonts, glyph.code, true);
}

}  // namespace dialoguepages

}  // namespace tessel
