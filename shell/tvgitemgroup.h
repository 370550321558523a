#pragma once

#include "shell/ctabbedviewgroup.h"
#include "shell/editordescriptor.h"

namespace tessel {

// Items, shops, magic and espers.
class TVGItemGroup : public CTabbedViewGroup {
public:
    // The resource id of its frames.
    static constexpr quint32 kResourceId = 180;

    TVGItemGroup();
    static EditorDescriptor editor();
};

}  // namespace tessel
