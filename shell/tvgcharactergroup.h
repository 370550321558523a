#pragma once

#include "shell/ctabbedviewgroup.h"
#include "shell/editordescriptor.h"

namespace tessel {

// The characters.
class TVGCharacterGroup : public CTabbedViewGroup {
public:
    // The resource id of its frames.
    static constexpr quint32 kResourceId = 182;

    TVGCharacterGroup();
    static EditorDescriptor editor();
};

}  // namespace tessel
