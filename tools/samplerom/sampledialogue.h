#pragma once

#include <QByteArray>

#include <vector>

namespace tessel {

// The sample ROM's dialogue: 3,326 pair-compressed messages (empty ones
// have no bytes), the same on every build. The event-script generator uses
// them to know how many choices each message offers.
namespace samplegen {

const std::vector<QByteArray>& sampleDialogueMessages();

// The number of choice markers (0x15, outside operands) in a message.
int choiceCount(const QByteArray& message);

}  // namespace samplegen

}  // namespace tessel
