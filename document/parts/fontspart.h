#pragma once

#include "document/documentpart.h"
#include "document/tablebytes.h"
#include "text/gamefonts.h"

namespace tessel {

// The game's two fonts: the dialogue font's glyphs and widths and the menu
// font's glyphs. Saved whole.
class FontsPart : public DocumentPart {
public:
    enum Field { kPixelsField, kWidthField };

    GameFonts& fonts() { return fonts_; }
    const GameFonts& fonts() const { return fonts_; }

    // Runs of one glyph (a dialogue code's pixels and width, a menu code's pixels).
    TableBytes dialogueGlyph(int code) const;
    TableBytes dialogueWidth(int code) const;
    TableBytes menuGlyph(int code) const;
    // The same tables whole.
    TableBytes dialogueGlyphTable() const;
    TableBytes dialogueWidthTable() const;
    TableBytes menuGlyphTable() const;

    QString id() const override { return QStringLiteral("fonts"); }
    std::vector<RecordKind> kinds() const override { return {RecordKind::DialogueGlyph, RecordKind::MenuGlyph}; }
    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override { inFile_ = fonts_; }
    bool isModified() const override;
    std::vector<PartField> fields() const override;

private:
    TableBytes run(RecordRef ref, int field, std::function<std::span<quint8>(GameFonts&)> bytesOf) const;

    GameFonts fonts_;
    GameFonts inFile_;
};

}  // namespace tessel
