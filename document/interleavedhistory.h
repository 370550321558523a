#pragma once

#include <optional>
#include <vector>

// The order of the steps of two undo histories that one window's Undo and
// Redo share: a list of its own (the world map's tools) and the document's
// stack. Undo takes whichever history holds the most recent step, Redo the
// step undone last. Neither history is touched here: the window reports
// how deep each one is after every change, and the order follows.
//
// The document's stack also changes from other windows (a push, an undo
// or redo there); its steps are anonymous, so a change is read from the
// depths alone: undo steps that became redo steps were undone, the reverse
// redone, new undo steps pushed, and steps that vanished were dropped
// (the oldest undo steps, or the redo steps a push discards).
class InterleavedHistory {
public:
    enum class Source { Own, Document };
    struct Depths {
        int undo = 0;
        int redo = 0;
    };

    // Starts over: every step of the document's stack is older than any
    // step of the own list.
    void reset(Depths own, Depths document);
    // Follows both histories after a change. `newOwnSteps` counts the steps
    // the own list began since the last call (each discards its undone
    // steps): at a full list a new step pushes the oldest one out, which
    // leaves its depth as it was.
    void sync(Depths own, Depths document, int newOwnSteps = 0);

    std::optional<Source> nextUndo() const;
    std::optional<Source> nextRedo() const;

private:
    void follow(Source source, Depths actual, int newSteps);

    std::vector<Source> undo_;  // oldest first
    std::vector<Source> redo_;  // the next redo last
};
