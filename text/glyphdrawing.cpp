#include "text/glyphdrawing.h"

#include "text/fontcolors.h"
#include "text/gamefonts.h"

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <bit>

namespace tessel {

namespace {

// Writes single pixels, straight into the scan lines of 32-bit images.
class Plotter {
public:
    explicit Plotter(QImage& image)
        : image_(image), width_(image.width()), height_(image.height()),
          direct_(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                  || image.format() == QImage::Format_ARGB32_Premultiplied)
    {
        if (direct_) {
            bits_ = image.bits();  // detaches once, not per pixel
            stride_ = image.bytesPerLine();
        }
    }

    void plot(int x, int y, QRgb color)
    {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return;
        if (direct_)
            reinterpret_cast<QRgb*>(bits_ + y * stride_)[x] = color;  // opaque: the same in every 32-bit format
        else
            image_.setPixel(x, y, color);
    }

private:
    QImage& image_;
    int width_;
    int height_;
    bool direct_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
};

constexpr QRgb kMenuColors[4] = {0, fontcolors::kMenuBlack, fontcolors::kMenuGrey, fontcolors::kMenuWhite};

}  // namespace

int DrawDialogueGlyph(QImage& image, int x, int y, const GameFonts& fonts, quint8 code, bool shadowed)
{
    if (code >= fonts.dialogueWidths.size())
        return 0;
    const int width = fonts.dialogueWidths[code];
    if (image.isNull() || code < GameFonts::kDialogueFirstCode)
        return width;
    Plotter plotter(image);
    const int columns = std::min(width, GameFonts::kDialogueGlyphColumns);
    const quint8* glyph = fonts.dialogueGlyphs.data() + (code - GameFonts::kDialogueFirstCode) * GameFonts::kDialogueGlyphSize;
    const QRgb ink = shadowed ? fontcolors::kDialogueLight : fontcolors::kDialogueInk;
    // The row bits of columns 0 to columns - 1 (bit 11 is column 0).
    const quint32 visible = ((1u << columns) - 1) << (GameFonts::kDialogueGlyphColumns - columns);
    // The shadow goes first everywhere, so that ink is never covered by it.
    for (int pass = shadowed ? 0 : 1; pass < 2; ++pass) {
        const int shift = pass == 0 ? 1 : 0;
        for (int row = 0; row < GameFonts::kDialogueGlyphRows; ++row) {
            // Only the set pixels within the width, from the left.
            quint32 bits = quint32(glyph[2 * row] | glyph[2 * row + 1] << 8) & visible;
            while (bits) {
                const int bit = 31 - std::countl_zero(bits);
                bits &= ~(1u << bit);
                const int column = GameFonts::kDialogueGlyphColumns - 1 - bit;
                plotter.plot(x + column + shift, y + row + shift, pass == 0 ? fontcolors::kDialogueShadow : ink);
            }
        }
    }
    return width;
}

void DrawMenuGlyph(QImage& image, int x, int y, const GameFonts& fonts, quint8 code)
{
    if (image.isNull() || code < GameFonts::kMenuFirstCode)
        return;
    Plotter plotter(image);
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column)
            if (const int value = fonts.menuPixel(code, column, row))
                plotter.plot(x + column, y + row, kMenuColors[value]);
}

void DrawMenuText(QImage& image, int x, int y, const GameFonts& fonts, const quint8* bytes, int count)
{
    for (int k = 0; k < count; ++k)
        DrawMenuGlyph(image, x + 8 * k, y, fonts, bytes[k]);
}

namespace {

bool isDrawnText(quint8 code)
{
    return code >= GameFonts::kDialogueFirstCode && code < 0x80;
}

}  // namespace

int DialogueTextWidth(const GameFonts& fonts, const QByteArray& codes)
{
    int width = 0;
    for (const char c : codes)
        if (isDrawnText(quint8(c)))
            width += fonts.dialogueWidths[quint8(c)];
    return width;
}

int DrawDialogueText(QImage& image, int x, int y, const GameFonts& fonts, const QByteArray& codes, bool shadowed)
{
    for (const char c : codes) {
        if (x >= image.width())
            break;  // the rest would all fall past the right edge
        const quint8 code = quint8(c);
        if (isDrawnText(code))
            x += DrawDialogueGlyph(image, x, y, fonts, code, shadowed);
    }
    return x;
}

}  // namespace tessel
