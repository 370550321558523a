#include "records/views/citemeditview.h"

#include "uikit/subjecttags.h"

CItemEditView::CItemEditView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Items"),
                       QStringLiteral("The items will appear here: their names and properties."), parent)
{
}

bool CItemEditView::queryShows(quintptr subject) const
{
    return subject == kItemsTag;
}
