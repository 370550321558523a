#pragma once

#include "shell/ctabbedviewgroup.h"
#include "shell/editordescriptor.h"

namespace tessel {

// The world-map editor: one map per frame.
class TVGWorldMapGroup : public CTabbedViewGroup {
public:
    // The resource id of its frames.
    static constexpr quint32 kResourceId = 148;

    TVGWorldMapGroup();
    static EditorDescriptor editor();
};

}  // namespace tessel
