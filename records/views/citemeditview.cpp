#include "records/views/citemeditview.h"

namespace tessel {

CItemEditView::CItemEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, RecordKind::Item, records::kItemCount, parent)
{
}

}  // namespace tessel
