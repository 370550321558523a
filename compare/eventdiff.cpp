#include "compare/areadiffs.h"

#include "document/cff3doc.h"
#include "document/parts/scriptpart.h"
#include "events/scriptjson.h"

#include <algorithm>

namespace tessel {

namespace comparearea {

namespace {

bool sameBytes(std::span<const quint8> a, std::span<const quint8> b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

}  // namespace

// The two listings are walked side by side by address: an entry at an
// address only one of them has (the script reads differently there) is
// listed with nothing on the other side.
void compareEvents(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out)
{
    const events::ScriptListing& a = before.part<ScriptPart>().listing();
    const events::ScriptListing& b = after.part<ScriptPart>().listing();
    auto add = [&out](SnesAddress address, const QJsonValue& was, const QJsonValue& now) {
        RomChange change;
        change.area = QStringLiteral("events");
        change.subject = RecordRef::event(address);
        change.index = int(address);
        change.name = events::addressText(address);
        change.oldValue = was;
        change.newValue = now;
        out.push_back(std::move(change));
    };
    int i = 0;
    int j = 0;
    while (i < a.size() || j < b.size()) {
        const bool takeA = i < a.size() && (j >= b.size() || a.address(i) <= b.address(j));
        const bool takeB = j < b.size() && (i >= a.size() || b.address(j) <= a.address(i));
        if (takeA && takeB) {
            if (!sameBytes(a.bytes(i), b.bytes(j)))
                add(a.address(i), a.commandText(i), b.commandText(j));
            ++i;
            ++j;
        } else if (takeA) {
            add(a.address(i), a.commandText(i), QJsonValue(QJsonValue::Undefined));
            ++i;
        } else {
            add(b.address(j), QJsonValue(QJsonValue::Undefined), b.commandText(j));
            ++j;
        }
    }
}

}  // namespace comparearea

}  // namespace tessel
