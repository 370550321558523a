#include "records/views/cmonstereditview.h"

CMonsterEditView::CMonsterEditView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Monster Statistics"),
                       QStringLiteral("The monsters will appear here: their statistics, abilities and items."), parent)
{
}
