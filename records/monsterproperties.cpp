#include "records/monsterproperties.h"

#include "records/propertybuilder.h"
#include "records/recordaddresses.h"

namespace tessel {

namespace monsterprops {

namespace {

struct Stat {
    const char* label;
    int offset;  // in the statistics
    int width;
};
constexpr Stat kStats[kStatCount] = {
    {QT_TRANSLATE_NOOP("RecordProperties", "Strength"), 0, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "Speed"), 1, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "Hit Rate"), 2, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "Evade Rate"), 3, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "Mag. Block"), 4, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "Defense"), 5, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "Mag. Def."), 6, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "Mag. Power"), 7, 1},
    {QT_TRANSLATE_NOOP("RecordProperties", "HP"), 8, 2},
    {QT_TRANSLATE_NOOP("RecordProperties", "MP"), 10, 2},
    {QT_TRANSLATE_NOOP("RecordProperties", "Experience"), 12, 2},
    {QT_TRANSLATE_NOOP("RecordProperties", "GP"), 14, 2},
    {QT_TRANSLATE_NOOP("RecordProperties", "Level"), 16, 1},
};

constexpr int kPackageByte = 17;
constexpr int kAbsorbByte = 23;
constexpr int kNoEffectByte = 24;
constexpr int kWeakByte = 25;
constexpr int kStatusByte = 27;

}  // namespace

PropertyList build(std::span<const quint8> names, std::span<const quint8> record, const PropertyContext& context)
{
    using namespace recordlabels;
    PropertyBuilder b(names, record);
    b.group(1000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "General")));
    b.gameText(kName, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Name")), records::kMonsterNameWidth);
    b.gameText(kAttackName, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Attack")), records::kMonsterNameWidth,
               records::kMonsterNameWidth);

    b.group(2000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Statistics")));
    for (int i = 0; i < kStatCount; ++i) {
        const Stat& stat = kStats[i];
        b.number(kFirstStat + i, QString::fromLatin1(stat.label), kStatsOffset + stat.offset,
                 stat.width == 2 ? 0xFFFF : 0xFF, stat.width);
    }

    b.group(3000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Status Condition Effects")));
    for (int k = 0; k < 4; ++k)
        b.flags(kFirstStatus + 8 * k, kStatsOffset + kStatusByte + k, kMonsterStatuses[std::size_t(k)]);

    b.group(4000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Absorb")));
    b.flags(kFirstAbsorb, kStatsOffset + kAbsorbByte, kMonsterElements);
    b.group(4100, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "No. Eff.")));
    b.flags(kFirstNoEffect, kStatsOffset + kNoEffectByte, kMonsterElements);
    b.group(4200, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Weak")));
    b.flags(kFirstWeak, kStatsOffset + kWeakByte, kMonsterElements);

    b.group(5000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Ragnarok Metamorphosis")));
    b.number(kPackage, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Package")), kStatsOffset + kPackageByte,
             0x1F);
    b.number(kMiss, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Miss (0-7)")), kStatsOffset + kPackageByte,
             0xE0);

    b.group(6000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Items Stolen")));
    for (int slot = 0; slot < 2; ++slot)
        b.nameChoice(kFirstStolen + slot, QStringLiteral("Item %1").arg(slot + 1), kItemSlotsOffset + slot,
                     context.itemNames, false);
    b.group(6100, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Items Dropped")));
    for (int slot = 0; slot < 2; ++slot)
        b.nameChoice(kFirstDropped + slot, QStringLiteral("Item %1").arg(slot + 1), kItemSlotsOffset + 2 + slot,
                     context.itemNames, false);
    return b.take();
}

}  // namespace monsterprops

}  // namespace tessel
