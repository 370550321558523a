#pragma once

namespace tessel {

// An edit an editor holds open outside the undo stack: the block a world
// map's marquee lifted floats over the map until it is put back. The
// document finishes open edits before a save, an undo and a redo.
class PendingEdit {
public:
    virtual ~PendingEdit() = default;
    virtual bool isOpen() const = 0;
    // Finishes the edit; true when that left its step the newest one on
    // the stack (a block put back where the map under it had changed).
    virtual bool finish() = 0;
};

}  // namespace tessel
