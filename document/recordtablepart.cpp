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

namespace {

QByteArray copyOf(const TableBytes& run)
{
    const std::span<quint8> bytes = run.locate();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace

void RecordTablePart::rememberFileBytes()
{
    fileNames_.clear();
    fileRecords_.clear();
    for (int index = 0; index < count(); ++index) {
        fileNames_.push_back(copyOf(bytes(RecordPart::Name, index)));
        fileRecords_.push_back(copyOf(bytes(RecordPart::Record, index)));
    }
}

QByteArray RecordTablePart::fileBytes(RecordPart run, int index) const
{
    const std::vector<QByteArray>& kept = run == RecordPart::Name ? fileNames_ : fileRecords_;
    if (index >= 0 && std::size_t(index) < kept.size())
        return kept[std::size_t(index)];
    return copyOf(bytes(run, index));
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
