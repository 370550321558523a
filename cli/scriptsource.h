#pragma once

#include "events/eventtables.h"
#include "events/scriptlisting.h"
#include "rom/romimage.h"

#include <QString>

namespace tessel {

namespace cli {

// The event scripts of a ROM file, for the commands that list or search
// them: the file is checked as Open checks it first.
struct ScriptSource {
    RomImage rom;
    EventTables tables;
    events::ScriptListing listing;

    // False (with the reason printed on stderr) for a file Open refuses.
    bool open(const QString& path);
};

}  // namespace cli

}  // namespace tessel
