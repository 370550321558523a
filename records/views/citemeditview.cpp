#include "records/views/citemeditview.h"

#include "uikit/subjecttags.h"

CItemEditView::CItemEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, PropertyTable::Kind::Items, records::kItemCount, parent)
{
}

bool CItemEditView::queryShows(quintptr subject) const
{
    return subject == kItemsTag;
}
