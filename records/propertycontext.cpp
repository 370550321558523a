#include "records/propertycontext.h"

#include "records/charactertables.h"
#include "records/itemtable.h"
#include "records/magictable.h"
#include "records/monstertables.h"
#include "text/plainname.h"

namespace tessel {

namespace {

constexpr int kEquippableCharacters = 14;

QByteArray bytesOf(std::span<const quint8> field, int width)
{
    return QByteArray(reinterpret_cast<const char*>(field.data()), width);
}

}  // namespace

PropertyContext PropertyContext::from(const CharacterTables& characters, const MagicTable& magic,
                                      const ItemTable& items, const MonsterTables& monsters)
{
    PropertyContext context;
    for (int c = 0; c < kEquippableCharacters; ++c) {
        const auto& name = characters.characters[std::size_t(c)].name;
        context.characterNames.append(menutext::PlainName(name.data(), int(name.size())));
    }
    std::vector<QByteArray> spells;
    const int spellWidth = records::magicNameWidth(0);
    for (int s = 0; s < records::kItemSpellCount; ++s)
        spells.push_back(bytesOf(magic.spells[std::size_t(s)].name, spellWidth));
    context.spellNames = std::make_shared<NameTable>(spellWidth, std::move(spells), RecordKind::Spell);
    std::vector<QByteArray> itemNames;
    for (const ItemEntry& item : items.items)
        itemNames.push_back(bytesOf(item.name, records::kItemNameWidth));
    context.itemNames = std::make_shared<NameTable>(records::kItemNameWidth, std::move(itemNames), RecordKind::Item);
    std::vector<QByteArray> monsterNames;
    for (const MonsterEntry& monster : monsters.monsters)
        monsterNames.push_back(bytesOf(monster.name(), records::kMonsterNameWidth));
    context.monsterNames = std::make_shared<NameTable>(records::kMonsterNameWidth, std::move(monsterNames),
                                                         RecordKind::Monster);
    std::vector<QByteArray> commandNames;
    for (const auto& command : characters.commandNames)
        commandNames.push_back(bytesOf(command, records::kCommandNameWidth));
    context.commandNames = std::make_shared<NameTable>(records::kCommandNameWidth, std::move(commandNames));
    return context;
}

}  // namespace tessel
