#pragma once

#include "events/scriptlisting.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <functional>

namespace tessel {

namespace events {

// The listing as JSON: {"commands": [{"address": "CA0000", "bytes": "4B0100",
// "text": "...", "refs": [{"kind": "message", "index": 1}]}]}, one entry per
// line that starts with an address, those `keep` accepts (all without it).
QByteArray listingJson(const ScriptListing& listing, const std::function<bool(int)>& keep = {});

// {"kind": "message", "index": 5}; a script address as
// {"kind": "event", "address": "CA0010"}.
QJsonObject referenceJson(const RecordRef& ref);
// "CA1234".
QString addressText(SnesAddress address);

// The address and bytes of each entry of such a file, for an import. False,
// with the entry and the reason in `error`, for anything malformed.
bool readScriptEdits(const QByteArray& json, QList<ScriptEdit>* edits, QString* error);

}  // namespace events

}  // namespace tessel
