#pragma once

#include <QByteArray>

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

namespace dialoguepages {

// Where the pages start: at 0, and after every page break (0x13) that is
// not an operand. An empty message has no pages; a break just before the
// closing 0x00 leaves an empty last page.
std::vector<int> SplitPages(const QByteArray& message);

// The page from `start` to the next page break or the end, expanded for
// the window: pairs and names spelled out, placeholders as their words;
// line breaks, the value of 0x14 and the 0x11 / 0x16 lists kept.
QByteArray ExpandPage(const QByteArray& message, int start);

// Wraps the page starting at `start` into the window with the widths of
// the dialogue font.
DialoguePage LayOutPage(const QByteArray& message, int start, const GameFonts& fonts);
std::vector<DialoguePage> LayOutPages(const QByteArray& message, const GameFonts& fonts);

// Whether any page of the message overflows the window.
bool Overflows(const QByteArray& message, const GameFonts& fonts);

// Draws a laid-out page's glyphs, white with their shadow, into a window
// picture (its top-left corner at the picture's).
void DrawPage(QImage& picture, const DialoguePage& page, const GameFonts& fonts);

}  // namespace dialoguepages

}  // namespace tessel
