#include "records/views/cmonsterformationview.h"

#include "uikit/subjecttags.h"

CMonsterFormationView::CMonsterFormationView(CFF3Doc& doc, QWidget* parent)
    : CPlaceholderView(doc, QStringLiteral("Monster Formations"),
                       QStringLiteral("The monster formations will appear here: which monsters fight together and where they stand."), parent)
{
}

bool CMonsterFormationView::queryShows(quintptr subject) const
{
    return subject == kMonstersTag;
}
