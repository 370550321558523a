#include "records/views/cmonstereditsheet.h"

#include "records/views/cmonsterabilitiespage.h"
#include "records/views/cmonsterstatspage.h"

namespace tessel {

CMonsterEditSheet::CMonsterEditSheet(CFF3Doc& doc, CPropertyBinder& binder, QWidget* parent) : QTabWidget(parent)
{
    stats_ = new CMonsterStatsPage(doc, binder, this);
    abilities_ = new CMonsterAbilitiesPage(doc, binder, this);
    addTab(stats_, tr("Statistics"));
    addTab(abilities_, tr("Items/Abilities"));
}

}  // namespace tessel
