#include "records/characterproperties.h"

#include "records/propertybuilder.h"
#include "records/recordaddresses.h"

namespace tessel {

namespace characterprops {

namespace {

constexpr const char* kStats[kStatCount] = {
    QT_TRANSLATE_NOOP("RecordProperties", "Vigor"),         QT_TRANSLATE_NOOP("RecordProperties", "Speed"),
    QT_TRANSLATE_NOOP("RecordProperties", "Stamina"),       QT_TRANSLATE_NOOP("RecordProperties", "Magic Power"),
    QT_TRANSLATE_NOOP("RecordProperties", "Battle Power"),  QT_TRANSLATE_NOOP("RecordProperties", "Defense"),
    QT_TRANSLATE_NOOP("RecordProperties", "Magic Defense"), QT_TRANSLATE_NOOP("RecordProperties", "Evade %"),
    QT_TRANSLATE_NOOP("RecordProperties", "Magic Block %")};
constexpr const char* kEquipment[kEquipmentCount] = {
    QT_TRANSLATE_NOOP("RecordProperties", "Weapon"),  QT_TRANSLATE_NOOP("RecordProperties", "Shield"),
    QT_TRANSLATE_NOOP("RecordProperties", "Hat"),     QT_TRANSLATE_NOOP("RecordProperties", "Body"),
    QT_TRANSLATE_NOOP("RecordProperties", "Relic 1"), QT_TRANSLATE_NOOP("RecordProperties", "Relic 2")};
constexpr int kCommandByte = 2;
constexpr int kStatByte = 6;

}  // namespace

PropertyList build(std::span<const quint8> name, std::span<const quint8> record, const PropertyContext& context)
{
    PropertyBuilder b(name, record);
    b.group(1000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "General")));
    b.gameText(kName, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Name")), records::kCharacterNameWidth);
    b.last().readOnly = true;
    b.number(kLevel1Hp, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "HP at Level 1")), 0);
    b.number(kLevel1Mp, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "MP at Level 1")), 1);

    b.group(2000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Battle Commands")));
    for (int i = 0; i < kCommandCount; ++i)
        b.nameChoice(kFirstCommand + i, QStringLiteral("Command %1").arg(i + 1), kCommandByte + i,
                     context.commandNames, true);

    b.group(3000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Statistics")));
    for (int i = 0; i < kStatCount; ++i)
        b.number(kFirstStat + i, QString::fromLatin1(kStats[i]), kStatByte + i);

    b.group(4000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Equipment")));
    for (int i = 0; i < kEquipmentCount; ++i)
        b.nameChoice(kFirstEquipment + i, QString::fromLatin1(kEquipment[i]), kEquipmentByte + i, context.itemNames,
                     false);
    return b.take();
}

std::vector<LevelStats> progression(int level1Hp, int level1Mp, std::span<const quint8> hpGain,
                                    std::span<const quint8> mpGain)
{
    std::vector<LevelStats> rows;
    rows.reserve(kLevels);
    LevelStats now{level1Hp, level1Mp};
    for (int level = 1; level <= kLevels; ++level) {
        rows.push_back(now);
        // The gain for the next level; the tables end at level 99.
        const std::size_t entry = std::size_t(level - 1);
        now.hp += entry < hpGain.size() ? hpGain[entry] : 0;
        now.mp += entry < mpGain.size() ? mpGain[entry] : 0;
    }
    return rows;
}

}  // namespace characterprops

}  // namespace tessel
