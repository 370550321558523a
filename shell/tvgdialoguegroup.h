#pragma once

#include "shell/ctabbedviewgroup.h"

// The dialogue editor and the two font editors.
class TVGDialogueGroup : public CTabbedViewGroup {
public:
    TVGDialogueGroup();
};
