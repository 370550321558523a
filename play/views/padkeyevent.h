#pragma once

class QKeyEvent;

namespace tessel {

// The key of a key event as the pad key map names it: the Qt key code, with
// the right Shift key told apart from the left one by the platform's own
// key code, and the keypad's Enter taken as Enter.
int padKeyOf(const QKeyEvent& event);

}  // namespace tessel
