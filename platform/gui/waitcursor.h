#pragma once

namespace tessel {

namespace platform {

// Shows the wait cursor for as long as the object lives (open, save).
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace platform

}  // namespace tessel
