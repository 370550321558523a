#include "document/recordtablepart.h"

#include "document/propertytable.h"

namespace tessel {

std::vector<PartField> RecordTablePart::fields() const
{
    std::vector<PartField> fields;
    const PropertyTable table(doc_, kind());
    for (int index = 0; index < count(); ++index)
        for (const PropertyGroup& group : table.properties(index).groups)
            for (const Property& p : group.properties)
                fields.push_back({RecordRef(kind(), index), p.id, group.label + QLatin1Char('/') + p.exportKey(),
                                  p.displayText()});
    return fields;
}

TableBytes RecordTablePart::runOf(RecordPart run, int index, TableBytes::Locator locate) const
{
    TableBytes bytes;
    bytes.part = this;
    bytes.ref = RecordRef(kind(), index);
    bytes.run = int(run);
    if (index >= 0 && index < count())
        bytes.locate = std::move(locate);
    return bytes;
}

TableBytes RecordTablePart::noRun(int index) const
{
    return runOf(RecordPart::Name, index, [] { return std::span<quint8>(); });
}

}  // namespace tessel
