#pragma once

namespace tessel {

// What a save does besides writing the document's tables. Everything is
// off unless the program turns it on from the user's settings, so a save
// by default writes exactly the tables and nothing else.
struct SaveOptions {
    bool keepBackups = false;  // copy the file as it was aside before replacing it
    int backupCount = 5;       // how many copies to keep
    bool fixChecksum = false;  // write the internal header's checksum pair
};

}  // namespace tessel
