#include "records/views/citemeditview.h"

CItemEditView::CItemEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, RecordKind::Item, records::kItemCount, parent)
{
}
