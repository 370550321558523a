#include "shell/tvgcharactergroup.h"

TVGCharacterGroup::TVGCharacterGroup()
{
    addEntry(QStringLiteral("Character Packages"), QStringLiteral("CCharStatsView"));
}
