#include "records/formationproperties.h"

#include "records/propertybuilder.h"

namespace tessel {

namespace formationprops {

PropertyList build(std::span<const quint8> formation, const PropertyContext& context)
{
    using namespace recordlabels;
    PropertyBuilder b({}, formation);
    b.group(1000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "General")));
    // Only the high nibble: the low one is not the template's and is kept.
    b.number(kTemplate, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Monster Size Template")), kTemplateByte,
             0xF0);
    b.tuneLast([](PropertyField& f) { f.limit = kLastTemplate; });

    for (int k = 1; k <= kSlots; ++k) {
        b.group(2000 + kSlotGroup * k, QStringLiteral("Enemy %1").arg(k));
        b.flag(slotField(k, kPresent), QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Present")), kPresentByte,
               k - 1);
        b.nameChoice(slotField(k, kMonster), QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Monster")),
                     kMonsterBytes + k - 1, context.monsterNames, false);
        b.tuneLast([k](PropertyField& f) {
            f.highOffset = kMonsterHighByte;
            f.highMask = quint8(1u << (k - 1));
        });
        b.number(slotField(k, kX), QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "X Pos")),
                 kPositionBytes + k - 1, 0xF0);
        b.number(slotField(k, kY), QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Y Pos")),
                 kPositionBytes + k - 1, 0x0F);
    }

    b.group(3000, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Battle")));
    b.choice(kAppearance, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Appearance")), kExtraOffset, 0x0F,
             kAppearances);
    const char* disabled[] = {QT_TRANSLATE_NOOP("RecordProperties", "Disable normal attacks"),
                              QT_TRANSLATE_NOOP("RecordProperties", "Disable back attacks"),
                              QT_TRANSLATE_NOOP("RecordProperties", "Disable pincer attacks"),
                              QT_TRANSLATE_NOOP("RecordProperties", "Disable side attacks")};
    for (int i = 0; i < 4; ++i)
        b.flag(kDisableNormal + i, QString::fromLatin1(disabled[i]), kExtraOffset, 4 + i);
    b.flag(kDisableFanfare, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Disable fanfare at end of battle")),
           kExtraOffset + 1, 0);
    b.flag(kExecuteScript, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Execute script")), kExtraOffset + 1,
           7);
    b.number(kScript, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Script")), kExtraOffset + 2);
    b.flag(kShowAttackType,
           QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Show attack type at beginning of battle")),
           kExtraOffset + 3, 2);
    // The bit stops the music: the box is checked while it is clear.
    b.flag(kPlayMusic, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Play music")), kExtraOffset + 3, 7);
    b.tuneLast([](PropertyField& f) { f.rule = PropertyField::Rule::Inverted; });
    b.choice(kMusic, QStringLiteral(QT_TRANSLATE_NOOP("RecordProperties", "Music")), kExtraOffset + 3, 0x38,
             kBattleMusic);
    return b.take();
}

}  // namespace formationprops

}  // namespace tessel
