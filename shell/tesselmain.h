#pragma once

#include <functional>

namespace tessel {

class CFF3App;

// The Tessel program from start to end: the application object and its
// names (which settings and data folders follow), start-up, the event loop
// and the exit. afterStart, when given, runs once the main window is up.
int runTessel(int argc, char** argv, const std::function<void(CFF3App&)>& afterStart = {});

}  // namespace tessel
