#pragma once

#include "compare/romchange.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace tessel {

class CFF3Doc;

namespace platform {
class MessageService;
}

// Two ROM files compared by meaning: what a record field, a message, a map,
// a trigger, a glyph or an event command holds in each, and the bytes
// nothing decodes as ranges. A file compared with itself lists nothing.
namespace romcomparison {

// Every difference from `before` to `after`: the record tables in the
// document's order, then dialogue, world maps, triggers, fonts, events and
// bytes, each in record or address order.
RomChanges compare(CFF3Doc& before, CFF3Doc& after);

// A document of a file, opened as File > Open opens it (a refusal is
// reported to `messages`); null when refused.
std::unique_ptr<CFF3Doc> openFile(const QString& path, platform::MessageService* messages);
// The same for a file's bytes held in memory (a patch's result).
std::unique_ptr<CFF3Doc> openBytes(const QByteArray& bytes, platform::MessageService* messages);

}  // namespace romcomparison

}  // namespace tessel
