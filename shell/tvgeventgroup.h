#pragma once

#include "shell/ctabbedviewgroup.h"
#include "shell/editordescriptor.h"

namespace tessel {

// The event-script listing.
class TVGEventGroup : public CTabbedViewGroup {
public:
    // The resource id of its frames.
    static constexpr quint32 kResourceId = 210;

    TVGEventGroup();
    static EditorDescriptor editor();
};

}  // namespace tessel
