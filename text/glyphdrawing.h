#pragma once

#include <QtGlobal>

class QByteArray;
class QImage;

namespace tessel {

class GameFonts;

// Game text drawn pixel by pixel into an image, as the game draws it. The
// widgets that show game text compose their pictures with these and only
// blit the result. Pixels outside the image are clipped.

// A dialogue glyph over its advance width. Plain: set pixels in black.
// Shadowed: a black pixel one right and one below every set pixel, then the
// pixel itself in white. Returns the advance width; codes outside the
// width table draw nothing and advance 0.
int DrawDialogueGlyph(QImage& image, int x, int y, const GameFonts& fonts, quint8 code, bool shadowed);

// A menu glyph: value 0 transparent, 1 black, 2 grey, 3 white.
void DrawMenuGlyph(QImage& image, int x, int y, const GameFonts& fonts, quint8 code);

// `count` name bytes of the menu encoding, glyph k at x + 8 k.
void DrawMenuText(QImage& image, int x, int y, const GameFonts& fonts, const quint8* bytes, int count);

// The dialogue codes 0x20-0x7F of `codes` one after another from x, each
// advancing by its width; other codes are skipped. Returns the end pen (or
// where drawing stopped, once the pen passed the image's right edge).
int DrawDialogueText(QImage& image, int x, int y, const GameFonts& fonts, const QByteArray& codes, bool shadowed);

// The pen advance of those codes of `codes` that DrawDialogueText draws.
int DialogueTextWidth(const GameFonts& fonts, const QByteArray& codes);

}  // namespace tessel
