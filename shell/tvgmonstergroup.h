#pragma once

#include "shell/ctabbedviewgroup.h"
#include "shell/editordescriptor.h"

namespace tessel {

// Monster formations and statistics.
class TVGMonsterGroup : public CTabbedViewGroup {
public:
    // The resource id of its frames.
    static constexpr quint32 kResourceId = 181;

    TVGMonsterGroup();
    static EditorDescriptor editor();
};

}  // namespace tessel
