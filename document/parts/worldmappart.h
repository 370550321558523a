#pragma once

#include "document/documentpart.h"
#include "document/tablebytes.h"
#include "worldmap/mapblockssave.h"
#include "worldmap/worldmap.h"

#include <memory>

namespace tessel {

class CFF3Doc;

// One world map: its tile map, tile graphics, palette, tile properties and
// triggers. A save writes the compressed blocks in their rooms or moves
// them past the image, after the dialogue has taken its banks there.
class WorldMapPart : public DocumentPart {
public:
    // Fields of the map's elements, for change notices.
    enum Field { kPiecesField, kPropertyField, kPixelsField, kPaletteField, kColorField, kTriggerField, kCellsField };

    // `index`: the map's number ("World of Balance" 0, "World of Ruin" 1).
    explicit WorldMapPart(int index);
    ~WorldMapPart() override;

    int index() const { return index_; }
    // The map, or null while no file is open.
    WorldMap* map() { return map_.get(); }
    const WorldMap* map() const { return map_.get(); }
    // "World of Balance" or "World of Ruin".
    QString name() const;

    // Runs of the map for commands (index -1 of a table: the whole table).
    TableBytes piece(int piece) const;
    TableBytes paletteColor(int color) const;
    TableBytes tileProperty(int tile) const;
    TableBytes piecePalette(int piece) const;
    // The four piece numbers of a map tile.
    TableBytes tileAssembly(int tile) const;
    TableBytes pieceTable() const;
    TableBytes paletteTable() const;
    TableBytes piecePaletteTable() const;

    QString id() const override;
    QStringList dependencies() const override;
    std::vector<RecordKind> kinds() const override;
    void load(RomImage& rom) override;
    void clear() override;
    bool encode(SaveContext& save) override;
    void saved(const SaveContext& save) override;
    bool isModified() const override;
    std::vector<PartField> fields() const override;

private:
    TableBytes run(RecordKind kind, int element, int field, std::function<std::span<quint8>(WorldMap&)> bytesOf) const;

    int index_;
    std::unique_ptr<WorldMap> map_;
    std::unique_ptr<WorldMap> inFile_;
    MapBlocksSave blocks_;
};

// World map `index` of the document (null when there is none).
WorldMap* worldMapOf(const CFF3Doc& doc, int index);
WorldMapPart* worldMapPartOf(const CFF3Doc& doc, int index);
int worldMapCount(const CFF3Doc& doc);

}  // namespace tessel
