#include "document/recordtablesource.h"

#include <QCoreApplication>
#include <QUndoCommand>


namespace tessel {

namespace {

// A main field of a kind and its column title where the label is long.
struct MainField {
    const char* path;
    const char* header;
};

// The main fields of each kind, in column order; fields a game's records do
// not have are left out.
std::vector<MainField> mainFields(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Item:
        return {{"General/Name", nullptr},
                {"General/Item Type", QT_TRANSLATE_NOOP("RecordTableSource", "Type")},
                {"General/Cost in GP", QT_TRANSLATE_NOOP("RecordTableSource", "Price")},
                {"Numerical Status Properties/Battle Power", QT_TRANSLATE_NOOP("RecordTableSource", "Attack")},
                {"Numerical Status Properties/Attack Strength", nullptr},
                {"Numerical Status Properties/Hit Rate", nullptr},
                {"Numerical Status Properties/Defense Power", QT_TRANSLATE_NOOP("RecordTableSource", "Defense")},
                {"Numerical Status Properties/Magic Defense Power", QT_TRANSLATE_NOOP("RecordTableSource", "Mag. Def.")},
                {"Numerical Status Properties/HP/MP Affected", nullptr}};
    case RecordKind::Spell:
        return {{"General/Name", nullptr},
                {"General/MP Cost", nullptr},
                {"General/Power", nullptr},
                {"General/Success Rate", nullptr}};
    case RecordKind::Esper:
        return {{"General/Name", nullptr},
                {"General/Level Up Bonus", QT_TRANSLATE_NOOP("RecordTableSource", "Bonus")},
                {"Spells/Spell 1", nullptr}, {"Spells/Spell 1 Learn Rate", QT_TRANSLATE_NOOP("RecordTableSource", "Rate 1")},
                {"Spells/Spell 2", nullptr}, {"Spells/Spell 2 Learn Rate", QT_TRANSLATE_NOOP("RecordTableSource", "Rate 2")},
                {"Spells/Spell 3", nullptr}, {"Spells/Spell 3 Learn Rate", QT_TRANSLATE_NOOP("RecordTableSource", "Rate 3")},
                {"Spells/Spell 4", nullptr}, {"Spells/Spell 4 Learn Rate", QT_TRANSLATE_NOOP("RecordTableSource", "Rate 4")},
                {"Spells/Spell 5", nullptr}, {"Spells/Spell 5 Learn Rate", QT_TRANSLATE_NOOP("RecordTableSource", "Rate 5")}};
    case RecordKind::Shop:
        return {{"General/Title", nullptr},     {"General/Properties", nullptr}, {"Items Sold/Item 0", nullptr},
                {"Items Sold/Item 1", nullptr}, {"Items Sold/Item 2", nullptr},  {"Items Sold/Item 3", nullptr},
                {"Items Sold/Item 4", nullptr}, {"Items Sold/Item 5", nullptr},  {"Items Sold/Item 6", nullptr},
                {"Items Sold/Item 7", nullptr}};
    case RecordKind::Monster:
        return {{"General/Name", nullptr},          {"Statistics/Level", nullptr},      {"Statistics/HP", nullptr},
                {"Statistics/MP", nullptr},         {"Statistics/Strength", nullptr},   {"Statistics/Defense", nullptr},
                {"Statistics/Mag. Power", nullptr}, {"Statistics/Mag. Def.", nullptr}, {"Statistics/Speed", nullptr},
                {"Statistics/Experience", nullptr}, {"Statistics/GP", nullptr}};
    case RecordKind::Formation:
        return {{"Enemy 1/Monster", QT_TRANSLATE_NOOP("RecordTableSource", "Enemy 1")},
                {"Enemy 2/Monster", QT_TRANSLATE_NOOP("RecordTableSource", "Enemy 2")},
                {"Enemy 3/Monster", QT_TRANSLATE_NOOP("RecordTableSource", "Enemy 3")},
                {"Enemy 4/Monster", QT_TRANSLATE_NOOP("RecordTableSource", "Enemy 4")},
                {"Enemy 5/Monster", QT_TRANSLATE_NOOP("RecordTableSource", "Enemy 5")},
                {"Enemy 6/Monster", QT_TRANSLATE_NOOP("RecordTableSource", "Enemy 6")},
                {"Battle/Appearance", nullptr},
                {"Battle/Music", nullptr}};
    case RecordKind::Character:
        return {{"General/Name", nullptr},
                {"General/HP at Level 1", QT_TRANSLATE_NOOP("RecordTableSource", "HP")},
                {"General/MP at Level 1", QT_TRANSLATE_NOOP("RecordTableSource", "MP")},
                {"Statistics/Vigor", nullptr},
                {"Statistics/Speed", nullptr},
                {"Statistics/Stamina", nullptr},
                {"Statistics/Magic Power", nullptr},
                {"Statistics/Battle Power", nullptr},
                {"Statistics/Defense", nullptr},
                {"Statistics/Magic Defense", nullptr},
                {"Battle Commands/Command 1", nullptr},
                {"Battle Commands/Command 2", nullptr},
                {"Battle Commands/Command 3", nullptr},
                {"Battle Commands/Command 4", nullptr}};
    default:
        return {};
    }
}

}  // namespace

RecordTableSource::RecordTableSource(CFF3Doc& doc, RecordKind kind) : doc_(doc), kind_(kind)
{
    reloadAll();
}

RecordTableSource::~RecordTableSource() = default;

int RecordTableSource::fieldAt(const QString& path) const
{
    return fieldIndex_.value(path, -1);
}

std::vector<int> RecordTableSource::defaultColumns() const
{
    std::vector<int> columns;
    for (const MainField& main : mainFields(kind_)) {
        const int field = fieldAt(QString::fromLatin1(main.path));
        if (field >= 0)
            columns.push_back(field);
    }
    return columns;
}

const Property* RecordTableSource::property(int index, int field) const
{
    if (index < 0 || index >= count() || field < 0 || field >= int(fields_.size()))
        return nullptr;
    return fields_[std::size_t(field)].findIn(record(index));
}

void RecordTableSource::reload(int index)
{
    if (index < 0 || index >= count())
        return;
    records_[std::size_t(index)] = table_->properties(index);
    // A new type can bring fields no record had.
    addFields(records_[std::size_t(index)]);
}

void RecordTableSource::reloadAll()
{
    // A new table object reads the names other tables give afresh.
    table_ = std::make_unique<PropertyTable>(doc_, kind_);
    records_.clear();
    fields_.clear();
    fieldIndex_.clear();
    const int n = table_->count();
    records_.reserve(std::size_t(n));
    for (int index = 0; index < n; ++index) {
        records_.push_back(table_->properties(index));
        addFields(records_.back());
    }
    for (TableField& field : fields_)
        field.header.clear();
    for (const MainField& main : mainFields(kind_)) {
        const int field = fieldAt(QString::fromLatin1(main.path));
        if (field >= 0 && main.header)
            fields_[std::size_t(field)].header = QCoreApplication::translate("RecordTableSource", main.header);
    }
}

void RecordTableSource::addFields(const PropertyList& record)
{
    for (const PropertyGroup& group : record.groups)
        for (const Property& p : group.properties) {
            const QString path = group.label + QLatin1Char('/') + p.exportKey();
            if (fieldIndex_.contains(path))
                continue;
            fieldIndex_.insert(path, int(fields_.size()));
            fields_.push_back({group.label, p.exportKey(), {}, p});
        }
}

QUndoCommand* RecordTableSource::makeEdit(int index, int field, quint32 value) const
{
    const Property* p = property(index, field);
    if (!p || p->readOnly || p->kind == PropertyKind::GameText)
        return nullptr;
    return table_->makeEdit(index, *p, value);
}

TableCell tableCellOf(const Property* p)
{
    if (!p)
        return {};
    const bool number = p->kind == PropertyKind::Number || p->kind == PropertyKind::Flag;
    return {p->displayText(), number ? std::optional<qint64>(p->value) : std::nullopt};
}

}  // namespace tessel
