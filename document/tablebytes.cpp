#include "document/tablebytes.h"

#include "worldmap/worldmap.h"

namespace {

using Area = CFF3Doc::Area;

// count bytes from offset, or nothing when they do not all lie in the run.
std::span<quint8> slice(std::span<quint8> run, qsizetype offset, qsizetype count)
{
    if (offset < 0 || count < 0 || std::size_t(offset + count) > run.size())
        return {};
    return run.subspan(std::size_t(offset), std::size_t(count));
}

// Bytes of one world map's part; empty when the map is gone.
TableBytes mapBytes(int map, int part, std::function<std::span<quint8>(WorldMap&)> bytesOf)
{
    return {Area::WorldMap, map, [map, bytesOf = std::move(bytesOf)](CFF3Doc& doc) -> std::span<quint8> {
                WorldMap* record = doc.worldMaps.map(map);
                return record ? bytesOf(*record) : std::span<quint8>();
            }, part};
}

std::span<quint8> piecesOf(WorldMap& map)
{
    return {reinterpret_cast<quint8*>(map.pieces.data()), std::size_t(map.pieces.size())};
}

// One array member of record `index` of a table: `records` finds the
// table's array of records in the document.
template <class Records, class Member>
TableBytes recordBytes(Area area, int index, int part, Records records, Member member)
{
    return {area, index, [index, records, member](CFF3Doc& doc) -> std::span<quint8> {
                auto& all = records(doc);
                if (index < 0 || std::size_t(index) >= all.size())
                    return {};
                return all[std::size_t(index)].*member;
            }, part};
}

// The same for records whose runs are given by member functions.
template <class Records, class Entry>
TableBytes recordBytes(Area area, int index, int part, Records records, std::span<quint8> (Entry::*member)())
{
    return {area, index, [index, records, member](CFF3Doc& doc) -> std::span<quint8> {
                auto& all = records(doc);
                if (index < 0 || std::size_t(index) >= all.size())
                    return {};
                return (all[std::size_t(index)].*member)();
            }, part};
}

auto items = [](CFF3Doc& doc) -> auto& { return doc.items.items; };
auto espers = [](CFF3Doc& doc) -> auto& { return doc.espers.espers; };
auto spells = [](CFF3Doc& doc) -> auto& { return doc.magic.spells; };
auto monsters = [](CFF3Doc& doc) -> auto& { return doc.monsters.monsters; };
auto formations = [](CFF3Doc& doc) -> auto& { return doc.formations.formations; };
auto characters = [](CFF3Doc& doc) -> auto& { return doc.characters.characters; };

}  // namespace

TableBytes TableBytes::itemName(int item)
{
    return recordBytes(Area::Items, item, ItemName, items, &ItemEntry::name);
}

TableBytes TableBytes::itemRecord(int item)
{
    return recordBytes(Area::Items, item, ItemRecord, items, &ItemEntry::record);
}

TableBytes TableBytes::shopRecord(int shop)
{
    return {Area::Shops, shop, [shop](CFF3Doc& doc) {
                return slice(doc.shops.bytes, qsizetype(shop) * records::kShopRecordSize, records::kShopRecordSize);
            }, ShopRecord};
}

TableBytes TableBytes::esperName(int esper)
{
    return recordBytes(Area::Espers, esper, EsperName, espers, &EsperEntry::name);
}

TableBytes TableBytes::spellName(int spell)
{
    return {Area::Magic, spell, [spell](CFF3Doc& doc) -> std::span<quint8> {
                if (spell < 0 || spell >= records::kMagicCount)
                    return {};
                return std::span(doc.magic.spells[std::size_t(spell)].name)
                    .first(std::size_t(records::magicNameWidth(spell)));
            }, SpellName};
}

TableBytes TableBytes::esperRecord(int esper)
{
    return recordBytes(Area::Espers, esper, EsperRecord, espers, &EsperEntry::record);
}

std::optional<TableBytes> TableBytes::twinOf(const TableBytes& bytes)
{
    const int esper = bytes.index - records::kEsperSpellFirst;
    if (bytes.part == SpellName && esper >= 0 && esper < records::kEsperCount)
        return esperName(esper);
    if (bytes.part == EsperName && bytes.index >= 0 && bytes.index < records::kEsperCount)
        return spellName(records::kEsperSpellFirst + bytes.index);
    return std::nullopt;
}

TableBytes TableBytes::spellRecord(int spell)
{
    return recordBytes(Area::Magic, spell, SpellRecord, spells, &MagicEntry::record);
}

TableBytes TableBytes::monsterName(int monster)
{
    return recordBytes(Area::Monsters, monster, MonsterName, monsters, &MonsterEntry::name);
}

TableBytes TableBytes::monsterAttackName(int monster)
{
    return recordBytes(Area::Monsters, monster, MonsterAttackName, monsters, &MonsterEntry::attackName);
}

TableBytes TableBytes::monsterItems(int monster)
{
    return recordBytes(Area::Monsters, monster, MonsterItems, monsters, &MonsterEntry::items);
}

TableBytes TableBytes::monsterStats(int monster)
{
    return recordBytes(Area::Monsters, monster, MonsterStats, monsters, &MonsterEntry::stats);
}

TableBytes TableBytes::monsterNames(int monster)
{
    return {Area::Monsters, monster, [monster](CFF3Doc& doc) -> std::span<quint8> {
                if (monster < 0 || monster >= records::kMonsterCount)
                    return {};
                return std::span(doc.monsters.monsters[std::size_t(monster)].bytes)
                    .subspan(MonsterEntry::kNameOffset, MonsterEntry::kItemsOffset - MonsterEntry::kNameOffset);
            }, MonsterNames};
}

TableBytes TableBytes::monsterItemsAndStats(int monster)
{
    return {Area::Monsters, monster, [monster](CFF3Doc& doc) -> std::span<quint8> {
                if (monster < 0 || monster >= records::kMonsterCount)
                    return {};
                return std::span(doc.monsters.monsters[std::size_t(monster)].bytes).subspan(MonsterEntry::kItemsOffset);
            }, MonsterItemsAndStats};
}

TableBytes TableBytes::formationRecord(int formation)
{
    return recordBytes(Area::Formations, formation, FormationRecord, formations, &FormationEntry::record);
}

TableBytes TableBytes::formationExtra(int formation)
{
    return recordBytes(Area::Formations, formation, FormationExtra, formations, &FormationEntry::extra);
}

TableBytes TableBytes::formationBytes(int formation)
{
    return {Area::Formations, formation, [formation](CFF3Doc& doc) -> std::span<quint8> {
                if (formation < 0 || formation >= records::kFormationCount)
                    return {};
                return doc.formations.formations[std::size_t(formation)].bytes;
            }, FormationBytes};
}

TableBytes TableBytes::characterRecord(int character)
{
    return recordBytes(Area::Characters, character, CharacterRecord, characters, &CharacterEntry::record);
}

TableBytes TableBytes::characterName(int character)
{
    return recordBytes(Area::Characters, character, CharacterName, characters, &CharacterEntry::name);
}

TableBytes TableBytes::dialogueGlyph(int code)
{
    return {Area::Fonts, code, [code](CFF3Doc& doc) {
                const int offset = (code - GameFonts::kDialogueFirstCode) * GameFonts::kDialogueGlyphSize;
                return slice(doc.fonts.dialogueGlyphs, offset, GameFonts::kDialogueGlyphSize);
            }, DialogueGlyph};
}

TableBytes TableBytes::dialogueWidth(int code)
{
    return {Area::Fonts, code, [code](CFF3Doc& doc) { return slice(doc.fonts.dialogueWidths, code, 1); },
            DialogueWidth};
}

TableBytes TableBytes::menuGlyph(int code)
{
    return {Area::Fonts, code, [code](CFF3Doc& doc) {
                const int offset = (code - GameFonts::kMenuFirstCode) * GameFonts::kMenuGlyphSize;
                return slice(doc.fonts.menuGlyphs, offset, GameFonts::kMenuGlyphSize);
            }, MenuGlyph};
}

TableBytes TableBytes::dialogueGlyphTable()
{
    return {Area::Fonts, -1, [](CFF3Doc& doc) { return std::span<quint8>(doc.fonts.dialogueGlyphs); }, DialogueGlyphTable};
}

TableBytes TableBytes::dialogueWidthTable()
{
    return {Area::Fonts, -1, [](CFF3Doc& doc) { return std::span<quint8>(doc.fonts.dialogueWidths); }, DialogueWidthTable};
}

TableBytes TableBytes::menuGlyphTable()
{
    return {Area::Fonts, -1, [](CFF3Doc& doc) { return std::span<quint8>(doc.fonts.menuGlyphs); }, MenuGlyphTable};
}

TableBytes TableBytes::mapPiece(int map, int piece)
{
    return mapBytes(map, MapPiece, [piece](WorldMap& m) { return slice(piecesOf(m), 32 * qsizetype(piece), 32); });
}

TableBytes TableBytes::mapPaletteColor(int map, int color)
{
    return mapBytes(map, MapPaletteColor, [color](WorldMap& m) { return slice(m.palette, 2 * color, 2); });
}

TableBytes TableBytes::mapTileProperty(int map, int tile)
{
    return mapBytes(map, MapTileProperty, [tile](WorldMap& m) { return slice(m.tileProperties, 2 * tile, 2); });
}

TableBytes TableBytes::mapPiecePalette(int map, int piece)
{
    return mapBytes(map, MapPiecePalette, [piece](WorldMap& m) { return slice(m.piecePalette, piece, 1); });
}

TableBytes TableBytes::mapTileAssembly(int map, int tile)
{
    return mapBytes(map, MapTileAssembly, [tile](WorldMap& m) { return slice(m.tileAssembly.bytes, 4 * qsizetype(tile), 4); });
}

TableBytes TableBytes::mapPieceTable(int map)
{
    return mapBytes(map, MapPieceTable, [](WorldMap& m) { return piecesOf(m); });
}

TableBytes TableBytes::mapPaletteTable(int map)
{
    return mapBytes(map, MapPaletteTable, [](WorldMap& m) { return std::span<quint8>(m.palette); });
}

TableBytes TableBytes::mapPiecePaletteTable(int map)
{
    return mapBytes(map, MapPiecePaletteTable, [](WorldMap& m) { return std::span<quint8>(m.piecePalette); });
}
