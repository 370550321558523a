#pragma once

#include "events/eventlister.h"
#include "rom/recordref.h"

#include <QList>

#include <span>

namespace tessel {

namespace events {

// What one entry of the listing refers to: the message it shows, the item,
// esper, shop or battle it gives or opens, the location it loads, and the
// script addresses its branches, calls and jumps lead to ({Event, address}).
// `bytes` are the entry's own bytes, opcode first (so the targets of an
// indexed branch are as many as its length holds).
QList<RecordRef> referencesOf(EntryKind kind, SnesAddress address, std::span<const quint8> bytes);

}  // namespace events

}  // namespace tessel
