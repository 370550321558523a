#pragma once

#include "text/dialoguestorage.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace tessel {

// The JSON form of the whole dialogue that dialogue-export writes and
// dialogue-import reads: {"messages": ["text", ...]}, one string per
// message in number order.
namespace dialoguejson {

// The messages in script form, or in plain form for reading.
QByteArray write(const std::vector<DialogueMessage>& messages, bool plain);

// Parses the script texts of a JSON document that must hold exactly
// `count` messages. On success fills `messages` and returns true; else
// returns false with every fault in `errors` ("message 001A, line 2,
// column 5: ..." for a text that is refused)
// and leaves `messages` alone.
bool read(const QByteArray& json, std::size_t count, std::vector<DialogueMessage>& messages, QStringList& errors);

}  // namespace dialoguejson

}  // namespace tessel
