#pragma once

#include "document/cff3doc.h"

#include <QtGlobal>

#include <functional>
#include <optional>
#include <span>

// A run of bytes in one of the document's tables, as a command sees it: the
// area and index that views are told about, and a function that finds the
// bytes again each time the command runs, so that no command keeps a
// pointer into a table that may have been reallocated since.
struct TableBytes {
    using Locator = std::function<std::span<quint8>(CFF3Doc&)>;

    CFF3Doc::Area area = CFF3Doc::Area::Any;
    int index = -1;
    Locator locate;
    // Tells apart runs of one record that views know by the same area and
    // index (a name and a record, a glyph and its width), so that edits of
    // one never merge with edits of the other.
    int part = 0;

    enum Part { DialogueGlyph = 1, DialogueWidth, MenuGlyph, MapPiece, MapPaletteColor, MapTileProperty,
                MapPiecePalette, ItemName, ItemRecord, ShopRecord, EsperName, EsperRecord, SpellName, SpellRecord,
                MonsterName, MonsterAttackName, MonsterItems, MonsterStats, FormationRecord, FormationExtra,
                CharacterRecord, CharacterName, MonsterNames, MonsterItemsAndStats, FormationBytes,
                FirstEditorPart = 100,
                DialogueGlyphTable = 120, DialogueWidthTable, MenuGlyphTable,
                MapTileAssembly = 140, MapPieceTable, MapPaletteTable, MapPiecePaletteTable };

    // Names and records of the game's tables, by record number.
    static TableBytes itemName(int item);
    static TableBytes itemRecord(int item);
    static TableBytes shopRecord(int shop);
    static TableBytes esperName(int esper);
    static TableBytes esperRecord(int esper);
    // A spell's name at its width (none for spell 255).
    static TableBytes spellName(int spell);
    static TableBytes spellRecord(int spell);
    static TableBytes monsterName(int monster);
    static TableBytes monsterAttackName(int monster);
    static TableBytes monsterItems(int monster);
    static TableBytes monsterStats(int monster);
    // The runs the property lists see: a monster's two names (20 bytes),
    // its item slots and statistics (36 bytes), a formation's record and
    // extra record (19 bytes).
    static TableBytes monsterNames(int monster);
    static TableBytes monsterItemsAndStats(int monster);
    static TableBytes formationRecord(int formation);
    static TableBytes formationExtra(int formation);
    static TableBytes formationBytes(int formation);
    static TableBytes characterRecord(int character);
    static TableBytes characterName(int character);

    // The same bytes of the file kept a second time in the document: the
    // esper names are also the names of spells 54-80. Commands write both
    // copies, so each editor shows the other's edits.
    static std::optional<TableBytes> twinOf(const TableBytes& bytes);

    // Glyph bitmaps and widths of the two fonts.
    static TableBytes dialogueGlyph(int code);
    static TableBytes dialogueWidth(int code);
    static TableBytes menuGlyph(int code);
    // The same tables whole (index -1: every glyph changes).
    static TableBytes dialogueGlyphTable();
    static TableBytes dialogueWidthTable();
    static TableBytes menuGlyphTable();

    // Parts of world map `map` (its number in the document).
    static TableBytes mapPiece(int map, int piece);
    static TableBytes mapPaletteColor(int map, int color);
    static TableBytes mapTileProperty(int map, int tile);
    static TableBytes mapPiecePalette(int map, int piece);
    // The four piece numbers of a map tile (top-left, top-right,
    // bottom-left, bottom-right).
    static TableBytes mapTileAssembly(int map, int tile);
    // A map's pieces, palette and piece palettes whole (index: the map).
    static TableBytes mapPieceTable(int map);
    static TableBytes mapPaletteTable(int map);
    static TableBytes mapPiecePaletteTable(int map);
};
