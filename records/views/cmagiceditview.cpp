#include "records/views/cmagiceditview.h"

CMagicEditView::CMagicEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, RecordKind::Spell, kListedSpells, parent)
{
}
