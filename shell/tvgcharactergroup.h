#pragma once

#include "shell/ctabbedviewgroup.h"

// Character statistics and graphics.
class TVGCharacterGroup : public CTabbedViewGroup {
public:
    TVGCharacterGroup();
};
