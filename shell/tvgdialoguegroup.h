#pragma once

#include "shell/ctabbedviewgroup.h"
#include "shell/editordescriptor.h"

namespace tessel {

// The dialogue editor and the two font editors.
class TVGDialogueGroup : public CTabbedViewGroup {
public:
    // The resource id of its frames.
    static constexpr quint32 kResourceId = 137;

    TVGDialogueGroup();
    static EditorDescriptor editor();
};

}  // namespace tessel
