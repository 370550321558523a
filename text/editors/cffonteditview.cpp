#include "text/editors/cffonteditview.h"

CFFontEditView::CFFontEditView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Menu Font"),
                       QStringLiteral("The menu font will appear here: its glyphs."), parent)
{
}
