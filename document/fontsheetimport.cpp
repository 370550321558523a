#include "document/fontsheetimport.h"

#include "document/cff3doc.h"
#include "document/parts/fontspart.h"
#include "document/setbytescommand.h"

#include <QCoreApplication>

namespace tessel {

void pushFontSheetImport(CFF3Doc& doc, fontsheet::Font font, const fontsheet::Contents& contents)
{
    const FontsPart& fonts = doc.part<FontsPart>();
    QUndoStack* stack = doc.undoStack();
    stack->beginMacro(QCoreApplication::translate("FontSheetImport", "Import Font Sheet"));
    if (font == fontsheet::Font::Dialogue) {
        stack->push(new SetBytesCommand(doc, fonts.dialogueGlyphTable(), 0, contents.glyphs, QString()));
        stack->push(new SetBytesCommand(doc, fonts.dialogueWidthTable(), 0, contents.widths, QString()));
    } else {
        stack->push(new SetBytesCommand(doc, fonts.menuGlyphTable(), 0, contents.glyphs, QString()));
    }
    stack->endMacro();
}

}  // namespace tessel
