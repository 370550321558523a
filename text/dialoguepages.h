#pragma once

#include <QByteArray>

#include <array>
#include <vector>

class QImage;

namespace tessel {

class GameFonts;

// The pages of a dialogue message as the game's window shows them: where
// each page starts, and where each glyph of a page stands once its words
// are wrapped into the window.

struct PlacedGlyph {
    int x;  // in the window picture
    int y;
    quint8 code;
};

struct DialoguePage {
    int start = 0;  // offset of the page's first byte in the message
    std::vector<PlacedGlyph> glyphs;
    // The text needs more lines than the window shows.
    bool tooManyLines = false;
    // A word runs past the right limit.
    bool tooWide = false;

    bool overflows() const { return tooManyLines || tooWide; }
};

// What the codes that stand for words are laid out as: the character
// names (0x02-0x0F) and the number, item and spell (0x19-0x1B). By code;
// a code without a word here is its default word.
struct WordChoice {
    std::array<QByteArray, 0x1C> words;
};

// Where a page first runs out of the window: its line (from 1) and why.
struct OverflowSpot {
    int page = 0;  // from 1
    int line = 0;  // from 1
    bool tooWide = false;  // else too many lines
};

namespace dialoguepages {

// Where the pages start: at 0, and after every page break (0x13) that is
// not an operand. An empty message has no pages; a break just before the
// closing 0x00 leaves an empty last page.
std::vector<int> SplitPages(const QByteArray& message);

// The page from `start` to the next page break or the end, expanded for
// the window: pairs and names spelled out, placeholders as their words;
// line breaks, the value of 0x14 and the 0x11 / 0x16 lists kept.
QByteArray ExpandPage(const QByteArray& message, int start, const WordChoice* words = nullptr);

// Wraps the page starting at `start` into the window with the widths of
// the dialogue font.
// `words`, when given, replaces the default words of names and
// substitutions.
DialoguePage LayOutPage(const QByteArray& message, int start, const GameFonts& fonts,
                        const WordChoice* words = nullptr);
std::vector<DialoguePage> LayOutPages(const QByteArray& message, const GameFonts& fonts,
                                      const WordChoice* words = nullptr);

// Whether any page of the message overflows the window.
bool Overflows(const QByteArray& message, const GameFonts& fonts, const WordChoice* words = nullptr);

// The first spot of every overflowing page of the message.
std::vector<OverflowSpot> FindOverflows(const QByteArray& message, const GameFonts& fonts,
                                        const WordChoice* words = nullptr);

// The worst case a player can meet: every character name the widest
// six-letter name the font can draw, the number the widest seven digits,
// and the item and spell the widest of the given names (dialogue codes).
WordChoice LongestWords(const GameFonts& fonts, const std::vector<QByteArray>& itemNames,
                        const std::vector<QByteArray>& spellNames);

// The width of a run of dialogue codes in the dialogue font.
int TextWidth(const QByteArray& codes, const GameFonts& fonts);

// Draws a laid-out page's glyphs, white with their shadow, into a window
// picture (its top-left corner at the picture's).
void DrawPage(QImage& picture, const DialoguePage& page, const GameFonts& fonts);

}  // namespace dialoguepages

}  // namespace tessel
