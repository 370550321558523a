#pragma once

#include "events/eventlister.h"

#include <QString>

#include <span>

namespace tessel {

struct EventTables;

namespace events {

// The listing text of one entry with the given bytes at `address`, as
// ScriptListing::commandText gives it: for showing an edit before it is
// made. A queue command is read as inside a queue and a map chunk's row as
// under its command; an indexed branch takes as many targets as its bytes hold.
QString entryText(EntryKind kind, SnesAddress address, std::span<const quint8> bytes, const EventTables& tables);

}  // namespace events

}  // namespace tessel
