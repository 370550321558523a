#include "document/fontsheetimport.h"

#include "document/cff3doc.h"
#include "document/setbytescommand.h"

void pushFontSheetImport(CFF3Doc& doc, fontsheet::Font font, const fontsheet::Contents& contents)
{
    QUndoStack* stack = doc.undoStack();
    stack->beginMacro(QStringLiteral("Import Font Sheet"));
    if (font == fontsheet::Font::Dialogue) {
        stack->push(new SetBytesCommand(doc, TableBytes::dialogueGlyphTable(), 0, contents.glyphs, QString()));
        stack->push(new SetBytesCommand(doc, TableBytes::dialogueWidthTable(), 0, contents.widths, QString()));
    } else {
        stack->push(new SetBytesCommand(doc, TableBytes::menuGlyphTable(), 0, contents.glyphs, QString()));
    }
    stack->endMacro();
}
