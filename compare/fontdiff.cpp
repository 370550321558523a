#include "compare/areadiffs.h"

#include "document/cff3doc.h"
#include "document/parts/fontspart.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace tessel {

namespace comparearea {

namespace {

const QString kArea = QStringLiteral("fonts");

QString hexOf(const quint8* bytes, int size)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), size).toHex(' ').toUpper();
}

void addGlyph(RecordRef ref, const QString& field, QJsonValue was, QJsonValue now, RomChanges& out)
{
    RomChange change;
    change.area = kArea;
    change.subject = ref;
    change.index = ref.index;
    const QString code = QStringLiteral("%1").arg(ref.index, 2, 16, QLatin1Char('0')).toUpper();
    change.name = ref.kind == RecordKind::DialogueGlyph
                      ? QCoreApplication::translate("RomComparison", "Dialogue font $%1").arg(code)
                      : QCoreApplication::translate("RomComparison", "Menu font $%1").arg(code);
    change.field = field;
    change.oldValue = std::move(was);
    change.newValue = std::move(now);
    out.push_back(std::move(change));
}

}  // namespace

void compareFonts(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out)
{
    const GameFonts& a = before.part<FontsPart>().fonts();
    const GameFonts& b = after.part<FontsPart>().fonts();
    const QString pixels = QCoreApplication::translate("RomComparison", "Pixels");
    const int widthEnd = int(a.dialogueWidths.size());
    const int glyphEnd = GameFonts::kDialogueFirstCode + int(a.dialogueGlyphs.size()) / GameFonts::kDialogueGlyphSize;
    for (int code = 0; code < std::max(widthEnd, glyphEnd); ++code) {
        const RecordRef ref(RecordKind::DialogueGlyph, code);
        const std::size_t c = std::size_t(code);
        if (code < widthEnd && a.dialogueWidths[c] != b.dialogueWidths[c])
            addGlyph(ref, QCoreApplication::translate("RomComparison", "Width"), a.dialogueWidths[c],
                     b.dialogueWidths[c], out);
        if (code < GameFonts::kDialogueFirstCode || code >= glyphEnd)
            continue;
        const std::size_t glyph = std::size_t(code - GameFonts::kDialogueFirstCode) * GameFonts::kDialogueGlyphSize;
        if (std::memcmp(&a.dialogueGlyphs[glyph], &b.dialogueGlyphs[glyph], GameFonts::kDialogueGlyphSize) != 0)
            addGlyph(ref, pixels, hexOf(&a.dialogueGlyphs[glyph], GameFonts::kDialogueGlyphSize),
                     hexOf(&b.dialogueGlyphs[glyph], GameFonts::kDialogueGlyphSize), out);
    }
    for (std::size_t glyph = 0; glyph < a.menuGlyphs.size(); glyph += GameFonts::kMenuGlyphSize)
        if (std::memcmp(&a.menuGlyphs[glyph], &b.menuGlyphs[glyph], GameFonts::kMenuGlyphSize) != 0)
            addGlyph(RecordRef(RecordKind::MenuGlyph, GameFonts::kMenuFirstCode + int(glyph) / GameFonts::kMenuGlyphSize),
                     pixels, hexOf(&a.menuGlyphs[glyph], GameFonts::kMenuGlyphSize),
                     hexOf(&b.menuGlyphs[glyph], GameFonts::kMenuGlyphSize), out);
}

}  // namespace comparearea

}  // namespace tessel
