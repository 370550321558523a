#include "text/editors/cffonteditview.h"

#include "document/cff3doc.h"
#include "text/editors/cglyphlist.h"
#include "text/glyphcells.h"
#include "document/parts/fontspart.h"

#include <QVBoxLayout>

namespace tessel {

CFFontEditView::CFFontEditView(CFF3Doc& doc, QWidget* parent) : CFontEditView(doc, fontsheet::Font::Menu, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(glyphList());
    layout->addWidget(gridPanel());
    layout->addStretch(1);
    selectGlyph(GameFonts::kMenuFirstCode);
}

std::vector<quint8> CFFontEditView::cellsOf(quint8 code) const
{
    return glyphcells::MenuCells(document().part<FontsPart>().fonts(), code);
}

QByteArray CFFontEditView::bytesOf(const std::vector<quint8>& cells) const
{
    return glyphcells::MenuBytes(cells);
}

TableBytes CFFontEditView::glyphTarget(quint8 code) const
{
    return document().part<FontsPart>().menuGlyph(code);
}

}  // namespace tessel
