#include "records/views/cespereditview.h"

namespace tessel {

CEsperEditView::CEsperEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, RecordKind::Esper, records::kEsperCount, parent)
{
}

}  // namespace tessel
