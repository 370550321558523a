#include "text/editors/cvfonteditview.h"

CVFontEditView::CVFontEditView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Dialogue Font"),
                       QStringLiteral("The dialogue font will appear here: its glyphs and their widths."), parent)
{
}
