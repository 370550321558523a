#pragma once

#include "rom/romaddress.h"
#include "worldmap/maptrigger.h"

#include <optional>

namespace tessel {

// Where an event trigger's script starts: its address counts from the
// start of the event scripts, $CA:0000. None when that lies past their
// end, $CC:E5FF.
inline std::optional<SnesAddress> eventTriggerScript(const MapTrigger& trigger)
{
    constexpr SnesAddress kEventScriptsStart = 0xCA0000;
    constexpr SnesAddress kEventScriptsEnd = 0xCCE600;
    const SnesAddress script = kEventScriptsStart + (trigger.data & 0xFFFFFF);
    if (script >= kEventScriptsEnd)
        return std::nullopt;
    return script;
}

}  // namespace tessel
