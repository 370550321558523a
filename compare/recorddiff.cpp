#include "compare/areadiffs.h"

#include "document/cff3doc.h"
#include "document/propertytable.h"
#include "document/recordtablepart.h"
#include "document/tablefields.h"
#include "text/menutext.h"

#include <QHash>

#include <algorithm>

namespace tessel {

namespace comparearea {

namespace {

using FieldMap = QHash<QString, const Property*>;

// Every property of the record by its table-file path; the paths not seen
// before go to `order`, as the editor shows them.
FieldMap fieldsOf(const PropertyList& record, QStringList& order)
{
    FieldMap fields;
    for (const PropertyGroup& group : record.groups)
        for (const Property& p : group.properties)
            fields.insert(group.label + QLatin1Char('/') + p.exportKey(), &p);
    for (const PropertyGroup& group : record.groups)
        for (const Property& p : group.properties) {
            const QString path = group.label + QLatin1Char('/') + p.exportKey();
            if (!order.contains(path))
                order.append(path);
        }
    return fields;
}

bool sameValue(const Property* a, const Property* b)
{
    if (!a || !b)
        return a == b;
    return a->kind == PropertyKind::GameText ? a->text == b->text : a->value == b->value;
}

QString recordName(const PropertyTable& table, int index)
{
    const QByteArray name = table.currentBytes(RecordPart::Name, index).left(table.nameWidth(index));
    return menutext::DecodeListingName(reinterpret_cast<const quint8*>(name.constData()), int(name.size())).trimmed();
}

void compareRecord(const PropertyTable& before, const PropertyTable& after, int index, RomChanges& out)
{
    const PropertyList a = before.properties(index);
    const PropertyList b = after.properties(index);
    QStringList order;
    const FieldMap oldFields = fieldsOf(a, order);
    const FieldMap newFields = fieldsOf(b, order);
    const QString name = recordName(after, index);
    for (const QString& path : order) {
        const Property* was = oldFields.value(path);
        const Property* now = newFields.value(path);
        if (sameValue(was, now))
            continue;
        RomChange change;
        change.area = before.tableName();
        change.subject = RecordRef(before.kind(), index);
        change.index = index;
        change.name = name;
        change.field = path;
        if (was)
            change.oldValue = tablefields::exportValue(*was);
        if (now)
            change.newValue = tablefields::exportValue(*now);
        out.push_back(std::move(change));
    }
}

}  // namespace

void compareRecordTables(CFF3Doc& before, CFF3Doc& after, RomChanges& out)
{
    for (RecordTablePart* part : before.recordTables()) {
        const RecordKind kind = part->kind();
        if (!after.recordTable(kind))
            continue;
        const PropertyTable a(before, kind);
        const PropertyTable b(after, kind);
        const int count = std::min(a.count(), b.count());
        for (int i = 0; i < count; ++i) {
            // Records of the same bytes read the same; only the others are decoded.
            if (a.currentBytes(RecordPart::Record, i) == b.currentBytes(RecordPart::Record, i) &&
                a.currentBytes(RecordPart::Name, i) == b.currentBytes(RecordPart::Name, i))
                continue;
            compareRecord(a, b, i, out);
        }
    }
}

}  // namespace comparearea

}  // namespace tessel
