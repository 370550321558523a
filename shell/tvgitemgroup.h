#pragma once

#include "shell/ctabbedviewgroup.h"

// Items, shops, magic and espers.
class TVGItemGroup : public CTabbedViewGroup {
public:
    TVGItemGroup();
};
