#pragma once

#include <QString>

#include <optional>

namespace tessel {

// Where "Go To" leads: a message number in hexadecimal, as the message list
// shows it, or "+n" / "-n" to move n messages from `current` (decimal, and
// stopped at the first and last message). Empty input moves one message
// on, or back when `backward`. Nothing for input that is neither, or a
// number past the list.
std::optional<int> GoToTarget(const QString& input, int current, int count, bool backward, QString* reason);

}  // namespace tessel
