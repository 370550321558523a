#pragma once

#include "shell/ctabbedviewgroup.h"

// Monster formations and monster statistics.
class TVGMonsterGroup : public CTabbedViewGroup {
public:
    TVGMonsterGroup();
};
