#include "document/parts/fontspart.h"

#include "document/savecontext.h"

#include <QCoreApplication>

namespace tessel {

namespace {

QString hex(std::span<const quint8> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())).toHex().toUpper();
}

}  // namespace

TableBytes FontsPart::run(RecordRef ref, int field, std::function<std::span<quint8>(GameFonts&)> bytesOf) const
{
    TableBytes bytes;
    bytes.part = this;
    bytes.ref = ref;
    bytes.run = field;
    bytes.field = field;
    auto* self = const_cast<FontsPart*>(this);
    bytes.locate = [self, bytesOf = std::move(bytesOf)] { return bytesOf(self->fonts_); };
    return bytes;
}

TableBytes FontsPart::dialogueGlyph(int code) const
{
    return run({RecordKind::DialogueGlyph, code}, kPixelsField, [code](GameFonts& f) {
        const qsizetype offset = qsizetype(code - GameFonts::kDialogueFirstCode) * GameFonts::kDialogueGlyphSize;
        return TableBytes::slice(f.dialogueGlyphs, offset, GameFonts::kDialogueGlyphSize);
    });
}

TableBytes FontsPart::dialogueWidth(int code) const
{
    return run({RecordKind::DialogueGlyph, code}, kWidthField,
               [code](GameFonts& f) { return TableBytes::slice(f.dialogueWidths, code, 1); });
}

TableBytes FontsPart::menuGlyph(int code) const
{
    return run({RecordKind::MenuGlyph, code}, kPixelsField, [code](GameFonts& f) {
        const qsizetype offset = qsizetype(code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize;
        return TableBytes::slice(f.menuGlyphs, offset, GameFonts::kMenuGlyphSize);
    });
}

TableBytes FontsPart::dialogueGlyphTable() const
{
    return run({RecordKind::DialogueGlyph}, kPixelsField, [](GameFonts& f) { return std::span<quint8>(f.dialogueGlyphs); });
}

TableBytes FontsPart::dialogueWidthTable() const
{
    return run({RecordKind::DialogueGlyph}, kWidthField, [](GameFonts& f) { return std::span<quint8>(f.dialogueWidths); });
}

TableBytes FontsPart::menuGlyphTable() const
{
    return run({RecordKind::MenuGlyph}, kPixelsField, [](GameFonts& f) { return std::span<quint8>(f.menuGlyphs); });
}

void FontsPart::load(RomImage& rom)
{
    fonts_.load(rom);
    inFile_ = fonts_;
}

void FontsPart::clear()
{
    fonts_ = {};
    inFile_ = {};
}

bool FontsPart::encode(SaveContext& save)
{
    fonts_.save(save.rom);
    return true;
}

bool FontsPart::isModified() const
{
    return fonts_.dialogueWidths != inFile_.dialogueWidths || fonts_.dialogueGlyphs != inFile_.dialogueGlyphs ||
           fonts_.menuGlyphs != inFile_.menuGlyphs;
}

std::vector<PartField> FontsPart::fields() const
{
    std::vector<PartField> fields;
    auto* self = const_cast<FontsPart*>(this);
    const int dialogueEnd = GameFonts::kDialogueFirstCode + int(fonts_.dialogueGlyphs.size()) / GameFonts::kDialogueGlyphSize;
    for (int code = 0; code < dialogueEnd; ++code) {
        const RecordRef ref(RecordKind::DialogueGlyph, code);
        if (code < int(fonts_.dialogueWidths.size()))
            fields.push_back({ref, kWidthField, QCoreApplication::translate("FontsPart", "Width"),
                              QString::number(fonts_.dialogueWidths[std::size_t(code)])});
        if (code >= GameFonts::kDialogueFirstCode)
            fields.push_back({ref, kPixelsField, QCoreApplication::translate("FontsPart", "Pixels"),
                              hex(self->dialogueGlyph(code).locate())});
    }
    for (int code = GameFonts::kMenuFirstCode; code < 0x100; ++code)
        fields.push_back({RecordRef(RecordKind::MenuGlyph, code), kPixelsField,
                          QCoreApplication::translate("FontsPart", "Pixels"), hex(self->menuGlyph(code).locate())});
    return fields;
}

}  // namespace tessel
