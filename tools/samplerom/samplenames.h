#pragma once

#include <QByteArray>
#include <QString>

namespace tessel {

// Names for the sample ROM's tables, built from small word lists so that
// every name is readable and most are different.
namespace samplenames {

QString itemName(int item);
QString spellName(int spell);   // 0-254
QString esperName(int esper);   // 0-26
QString characterName(int character);
QString monsterName(int monster);
QString monsterAttackName(int monster);
QString commandName(int command);

// The name as a fixed-width field of the menu encoding.
QByteArray field(const QString& name, int width);

}  // namespace samplenames

}  // namespace tessel
