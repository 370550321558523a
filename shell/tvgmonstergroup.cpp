#include "shell/tvgmonstergroup.h"

TVGMonsterGroup::TVGMonsterGroup()
{
    addEntry(QStringLiteral("Monster Formations"), QStringLiteral("CMonsterFormationView"));
    addEntry(QStringLiteral("Monster Statistics"), QStringLiteral("CMonsterEditView"));
}
