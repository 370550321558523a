#include "document/propertytable.h"

#include "document/editcommands.h"
#include "records/characterproperties.h"
#include "records/esperproperties.h"
#include "records/formationproperties.h"
#include "records/itemproperties.h"
#include "records/magicproperties.h"
#include "records/monsterproperties.h"
#include "records/shopproperties.h"
#include "text/menutext.h"

#include <algorithm>

namespace {

struct KindInfo {
    PropertyTable::Kind kind;
    const char* name;
    const char* recordTitle;
};
constexpr KindInfo kKinds[] = {
    {PropertyTable::Kind::Items, "items", "Item"},
    {PropertyTable::Kind::Spells, "spells", "Spell"},
    {PropertyTable::Kind::Espers, "espers", "Esper"},
    {PropertyTable::Kind::Shops, "shops", "Shop"},
    {PropertyTable::Kind::Monsters, "monsters", "Monster"},
    {PropertyTable::Kind::Formations, "formations", "Formation"},
    {PropertyTable::Kind::Characters, "characters", "Character"},
};
static_assert(std::size(kKinds) == PropertyTable::kKindCount);

const KindInfo& infoOf(PropertyTable::Kind kind)
{
    return *std::find_if(std::begin(kKinds), std::end(kKinds), [kind](const KindInfo& k) { return k.kind == kind; });
}

// Copies bytes into a fixed array, zero past what is given.
template <std::size_t N>
void fill(std::array<quint8, N>& to, std::span<const quint8> from)
{
    to = {};
    std::copy_n(from.begin(), std::min(N, from.size()), to.begin());
}

// A record without a name: the name part locates nothing.
TableBytes noBytes(CFF3Doc::Area area, int index)
{
    TableBytes none;
    none.area = area;
    none.index = index;
    none.locate = [](CFF3Doc&) { return std::span<quint8>(); };
    return none;
}

}  // namespace

QString PropertyTable::kindName(Kind kind)
{
    return QString::fromLatin1(infoOf(kind).name);
}

std::optional<PropertyTable::Kind> PropertyTable::kindNamed(const QString& name)
{
    for (const KindInfo& k : kKinds)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

QString PropertyTable::kindNames(const QString& quote)
{
    QStringList names;
    for (const KindInfo& k : kKinds)
        names.append(quote + QString::fromLatin1(k.name) + quote);
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

int PropertyTable::count() const
{
    switch (kind_) {
    case Kind::Items: return records::kItemCount;
    case Kind::Spells: return records::kMagicCount;
    case Kind::Espers: return records::kEsperCount;
    case Kind::Shops: return records::kShopCount;
    case Kind::Monsters: return records::kMonsterCount;
    case Kind::Formations: return records::kFormationCount;
    case Kind::Characters: return records::kCharacterCount;
    }
    return 0;
}

QString PropertyTable::recordTitle(int index) const
{
    return QStringLiteral("%1 %2").arg(QLatin1String(infoOf(kind_).recordTitle)).arg(index);
}

int PropertyTable::nameWidth(int index) const
{
    switch (kind_) {
    case Kind::Items: return records::kItemNameWidth;
    case Kind::Spells: return records::magicNameWidth(index);
    case Kind::Espers: return records::kEsperNameWidth;
    case Kind::Monsters: return records::kMonsterNameWidth;
    case Kind::Characters: return records::kCharacterNameWidth;
    case Kind::Shops:
    case Kind::Formations: return 0;
    }
    return 0;
}

TableBytes PropertyTable::bytes(RecordPart part, int index) const
{
    const bool name = part == RecordPart::Name;
    switch (kind_) {
    case Kind::Items: return name ? TableBytes::itemName(index) : TableBytes::itemRecord(index);
    case Kind::Spells: return name ? TableBytes::spellName(index) : TableBytes::spellRecord(index);
    case Kind::Espers: return name ? TableBytes::esperName(index) : TableBytes::esperRecord(index);
    case Kind::Shops: return name ? noBytes(CFF3Doc::Area::Shops, index) : TableBytes::shopRecord(index);
    case Kind::Monsters: return name ? TableBytes::monsterNames(index) : TableBytes::monsterItemsAndStats(index);
    case Kind::Formations:
        return name ? noBytes(CFF3Doc::Area::Formations, index) : TableBytes::formationBytes(index);
    case Kind::Characters: return name ? TableBytes::characterName(index) : TableBytes::characterRecord(index);
    }
    return {};
}

QByteArray PropertyTable::currentBytes(RecordPart part, int index) const
{
    const std::span<quint8> run = bytes(part, index).locate(doc_);
    return QByteArray(reinterpret_cast<const char*>(run.data()), qsizetype(run.size()));
}

PropertyList PropertyTable::properties(int index) const
{
    const QByteArray name = currentBytes(RecordPart::Name, index);
    const QByteArray record = currentBytes(RecordPart::Record, index);
    return properties(index, {reinterpret_cast<const quint8*>(name.constData()), std::size_t(name.size())},
                      {reinterpret_cast<const quint8*>(record.constData()), std::size_t(record.size())});
}

PropertyList PropertyTable::properties(int index, std::span<const quint8> name, std::span<const quint8> record) const
{
    if (index < 0 || index >= count())
        return {};
    const PropertyContext& context = this->context();
    switch (kind_) {
    case Kind::Items: {
        ItemEntry item;
        fill(item.name, name);
        fill(item.record, record);
        return itemprops::build(item, context);
    }
    case Kind::Spells: {
        MagicEntry spell;
        fill(spell.name, name);
        fill(spell.record, record);
        return magicprops::build(index, spell);
    }
    case Kind::Espers: {
        EsperEntry esper;
        fill(esper.name, name);
        fill(esper.record, record);
        return esperprops::build(esper, context);
    }
    case Kind::Shops:
        return shopprops::build(record, context);
    case Kind::Monsters:
        return monsterprops::build(name, record, context);
    case Kind::Formations:
        return formationprops::build(record, context);
    case Kind::Characters:
        return characterprops::build(name, record, context);
    }
    return {};
}

const PropertyContext& PropertyTable::context() const
{
    if (!context_)
        context_ = PropertyContext::from(doc_.characters, doc_.magic, doc_.items, doc_.monsters);
    return *context_;
}

QUndoCommand* PropertyTable::makeEdit(int index, const Property& p, quint32 value, int mergeKey) const
{
    // The write is applied to a copy of the run and the bytes it may touch
    // replace the document's: a field can span two bytes apart (a
    // formation slot's monster number).
    const FieldWrite w = p.write(value);
    QByteArray run = currentBytes(w.part, index);
    const QString text = QStringLiteral("Change %1").arg(p.label);
    if (p.readOnly || w.first() < 0 || w.last() > run.size())
        return new SetBytesCommand(doc_, bytes(w.part, index), -1, {}, text);  // invalid: dropped when pushed
    w.applyTo({reinterpret_cast<quint8*>(run.data()), std::size_t(run.size())});
    return new SetBytesCommand(doc_, bytes(w.part, index), w.first(), run.mid(w.first(), w.last() - w.first()), text,
                               mergeKey);
}

QUndoCommand* PropertyTable::makeNameEdit(int index, const QByteArray& name) const
{
    Property p;
    p.kind = PropertyKind::GameText;
    p.field = {RecordPart::Name, 0, nameWidth(index), 0};
    return makeTextEdit(index, p, name);
}

QUndoCommand* PropertyTable::makeTextEdit(int index, const Property& p, const QByteArray& text, int mergeKey) const
{
    const int width = p.field.width;
    QByteArray field = text.left(width);
    field.append(width - field.size(), char(menutext::kPadding));
    // The name the record is listed by is renamed; other names are changed.
    const bool listName = p.field.offset == 0 && width == nameWidth(index);
    const QString label = listName ? QStringLiteral("Rename") : QStringLiteral("Change %1").arg(p.label);
    if (p.readOnly)
        return new SetBytesCommand(doc_, bytes(RecordPart::Name, index), -1, {}, label);  // dropped when pushed
    return new SetBytesCommand(doc_, bytes(RecordPart::Name, index), p.field.offset, field, label, mergeKey);
}
