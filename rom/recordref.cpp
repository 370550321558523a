#include "rom/recordref.h"
#include "rom/snesaddresstext.h"

#include <QHash>


namespace tessel {

namespace {

struct KindName {
    RecordKind kind;
    const char* name;
};

constexpr KindName kKindNames[] = {
    {RecordKind::None, "none"},
    {RecordKind::Item, "item"},
    {RecordKind::Spell, "spell"},
    {RecordKind::Esper, "esper"},
    {RecordKind::Shop, "shop"},
    {RecordKind::Monster, "monster"},
    {RecordKind::Formation, "formation"},
    {RecordKind::Character, "character"},
    {RecordKind::Message, "message"},
    {RecordKind::DialogueGlyph, "dialogue glyph"},
    {RecordKind::MenuGlyph, "menu glyph"},
    {RecordKind::WorldMap, "map"},
    {RecordKind::MapCell, "cell"},
    {RecordKind::MapTrigger, "trigger"},
    {RecordKind::MapTile, "tile"},
    {RecordKind::MapPiece, "piece"},
    {RecordKind::MapColor, "colour"},
    {RecordKind::Event, "event"},
    {RecordKind::Address, "address"},
    {RecordKind::EditorFlags, "editor flags"},
    {RecordKind::Battle, "battle"},
    {RecordKind::Location, "location"},
};

}  // namespace

QString snesAddressText(SnesAddress address)
{
    return QStringLiteral("$%1:%2")
        .arg(address >> 16, 2, 16, QLatin1Char('0'))
        .arg(address & 0xFFFF, 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString recordKindName(RecordKind kind)
{
    for (const KindName& k : kKindNames)
        if (k.kind == kind)
            return QString::fromLatin1(k.name);
    return QString();
}

std::optional<RecordKind> recordKindNamed(const QString& name)
{
    for (const KindName& k : kKindNames)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

QString RecordRef::toString() const
{
    const QString name = recordKindName(kind);
    if (kind == RecordKind::Event || kind == RecordKind::Address)
        return index == kWhole ? name : name + QLatin1Char(' ') + snesAddressText(SnesAddress(index));
    if (isMapElement()) {
        const QString map = index == kWhole ? QStringLiteral("every map") : QStringLiteral("map %1").arg(index);
        if (element == kWhole)
            return QStringLiteral("every %1 of %2").arg(name, map);
        if (kind == RecordKind::MapCell)
            return QStringLiteral("cell (%1, %2) of %3").arg(element % 256).arg(element / 256).arg(map);
        return QStringLiteral("%1 %2 of %3").arg(name).arg(element).arg(map);
    }
    return index == kWhole ? name : QStringLiteral("%1 %2").arg(name).arg(index);
}

size_t qHash(const RecordRef& ref, size_t seed)
{
    return qHashMulti(seed, int(ref.kind), ref.index, ref.element);
}

}  // namespace tessel
