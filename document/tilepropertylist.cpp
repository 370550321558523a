#include "document/tilepropertylist.h"

#include "document/cff3doc.h"
#include "document/editcommands.h"
#include "document/parts/worldmappart.h"
#include "worldmap/tileproperties.h"

#include <memory>

#include <QCoreApplication>

namespace tessel {

namespace {

// The choice tables of the tile fields, made once from their rows.
const ChoiceTable* choicesOf(const TileProperties::Field& field)
{
    static std::vector<std::pair<const TileProperties::Choice*, std::unique_ptr<ChoiceTable>>> tables;
    if (!field.choices)
        return nullptr;
    for (const auto& [rows, table] : tables)
        if (rows == field.choices)
            return table.get();
    std::vector<ChoiceTable::Row> rows;
    for (const TileProperties::Choice* row = field.choices; row->value != -1; ++row)
        rows.push_back({row->value, QCoreApplication::translate("TileProperties", row->text)});
    tables.emplace_back(field.choices, std::make_unique<ChoiceTable>(std::move(rows)));
    return tables.back().second.get();
}

}  // namespace

PropertyList TilePropertyList::of(quint16 word)
{
    PropertyList list;
    const auto groups = TileProperties::groups();
    const auto fields = TileProperties::fields();
    for (int g = 0; g < int(groups.size()); ++g) {
        PropertyGroup& group = list.addGroup(g, QCoreApplication::translate("TileProperties", groups[std::size_t(g)]));
        for (int f = 0; f < int(fields.size()); ++f) {
            const TileProperties::Field& field = fields[std::size_t(f)];
            if (qstrcmp(field.group, groups[std::size_t(g)]) != 0)
                continue;
            Property p;
            p.group = g;
            p.id = f;
            p.label = QCoreApplication::translate("TileProperties", field.label);
            p.kind = field.kind == TileProperties::Kind::Flag ? PropertyKind::Flag : PropertyKind::Choice;
            p.field.offset = 0;
            p.field.width = 2;
            p.field.mask = field.mask;
            p.value = quint32(TileProperties::value(word, field));
            p.choices = choicesOf(field);
            group.properties.push_back(p);
        }
    }
    return list;
}

QUndoCommand* TilePropertyList::makeEdit(CFF3Doc& doc, int map, int tile, const Property& p, quint32 value)
{
    const FieldWrite w = p.write(value);
    const WorldMapPart* part = worldMapPartOf(doc, map);
    const TableBytes target = part ? part->tileProperty(tile) : TableBytes();
    return makeSetBitField(doc, target, w.offset, w.width, w.mask, w.value,
                           QCoreApplication::translate("TilePropertyList", "Change %1").arg(p.label));
}

}  // namespace tessel
