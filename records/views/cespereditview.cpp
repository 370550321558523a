#include "records/views/cespereditview.h"

CEsperEditView::CEsperEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, RecordKind::Esper, records::kEsperCount, parent)
{
}
