#include "records/views/cespereditview.h"

CEsperEditView::CEsperEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, PropertyTable::Kind::Espers, records::kEsperCount, parent)
{
}
