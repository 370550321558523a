#pragma once

#include "shell/ctabbedviewgroup.h"

// The world-map editor: one map per frame.
class TVGWorldMapGroup : public CTabbedViewGroup {
public:
    TVGWorldMapGroup();
};
