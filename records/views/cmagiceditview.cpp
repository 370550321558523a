#include "records/views/cmagiceditview.h"

namespace tessel {

CMagicEditView::CMagicEditView(CFF3Doc& doc, QWidget* parent)
    : CRecordEditView(doc, RecordKind::Spell, kListedSpells, parent)
{
}

}  // namespace tessel
