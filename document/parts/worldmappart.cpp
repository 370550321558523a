#include "document/parts/worldmappart.h"

#include "document/cff3doc.h"
#include "document/savecontext.h"
#include "rom/romimage.h"

#include <QCoreApplication>

namespace tessel {

namespace {

std::span<quint8> bytesOf(QByteArray& bytes)
{
    return {reinterpret_cast<quint8*>(bytes.data()), std::size_t(bytes.size())};
}

bool sameTriggers(const QList<MapTrigger>& a, const QList<MapTrigger>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const MapTrigger& x, const MapTrigger& y) {
        return x.kind == y.kind && x.flags == y.flags && x.x == y.x && x.y == y.y && x.data == y.data;
    });
}

// The parts of a map a save writes (not where the view was scrolled).
bool sameContent(const WorldMap& a, const WorldMap& b)
{
    return a.tileMap == b.tileMap && a.pieces == b.pieces && a.tileAssembly.bytes == b.tileAssembly.bytes &&
           a.tileProperties == b.tileProperties && a.piecePalette == b.piecePalette && a.palette == b.palette &&
           sameTriggers(a.triggers, b.triggers);
}

QString hex(const quint8* bytes, int count)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), count).toHex().toUpper();
}

QString word(quint16 value)
{
    return QStringLiteral("$%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

WorldMapPart::WorldMapPart(int index) : index_(index) {}
WorldMapPart::~WorldMapPart() = default;

QString WorldMapPart::name() const
{
    return QCoreApplication::translate("WorldMap", worldmap::kLayouts[index_]->name);
}

QString WorldMapPart::id() const
{
    return index_ == 0 ? QStringLiteral("worldmap.balance") : QStringLiteral("worldmap.ruin");
}

QStringList WorldMapPart::dependencies() const
{
    // The dialogue takes the wholly free banks past the image first; each
    // map's moved blocks take free runs after it, Balance's before Ruin's.
    QStringList needs = {QStringLiteral("expansion"), QStringLiteral("dialogue")};
    if (index_ > 0)
        needs.append(QStringLiteral("worldmap.balance"));
    return needs;
}

std::vector<RecordKind> WorldMapPart::kinds() const
{
    return {RecordKind::WorldMap, RecordKind::MapCell, RecordKind::MapTrigger, RecordKind::MapTile,
            RecordKind::MapPiece, RecordKind::MapColor};
}

void WorldMapPart::load(RomImage& rom)
{
    map_ = std::make_unique<WorldMap>();
    map_->load(rom, *worldmap::kLayouts[index_]);
    inFile_ = std::make_unique<WorldMap>(*map_);
}

void WorldMapPart::clear()
{
    map_.reset();
    inFile_.reset();
}

bool WorldMapPart::encode(SaveContext& save)
{
    if (!map_)
        return true;
    if (!blocks_.plan(save.rom, *map_, save.space, &save.reason))
        return false;
    // Every map's vacated rooms are cleared before any block is written.
    save.clearLater([this](RomImage& rom) { blocks_.clearVacatedRooms(rom); });
    save.writeLater([this](RomImage& rom) { blocks_.write(rom, *map_); });
    return true;
}

void WorldMapPart::saved(const SaveContext&)
{
    if (map_)
        inFile_ = std::make_unique<WorldMap>(*map_);
}

bool WorldMapPart::isModified() const
{
    return map_ && inFile_ && !sameContent(*map_, *inFile_);
}

TableBytes WorldMapPart::run(RecordKind kind, int element, int field,
                             std::function<std::span<quint8>(WorldMap&)> bytesOf) const
{
    TableBytes bytes;
    bytes.part = this;
    bytes.ref = RecordRef(kind, index_, element);
    bytes.run = field;
    bytes.field = field;
    auto* self = const_cast<WorldMapPart*>(this);
    bytes.locate = [self, bytesOf = std::move(bytesOf)]() -> std::span<quint8> {
        return self->map_ ? bytesOf(*self->map_) : std::span<quint8>();
    };
    return bytes;
}

TableBytes WorldMapPart::piece(int piece) const
{
    return run(RecordKind::MapPiece, piece, kPixelsField,
               [piece](WorldMap& m) { return TableBytes::slice(bytesOf(m.pieces), 32 * qsizetype(piece), 32); });
}

TableBytes WorldMapPart::paletteColor(int color) const
{
    return run(RecordKind::MapColor, color, kColorField,
               [color](WorldMap& m) { return TableBytes::slice(m.palette, 2 * qsizetype(color), 2); });
}

TableBytes WorldMapPart::tileProperty(int tile) const
{
    return run(RecordKind::MapTile, tile, kPropertyField,
               [tile](WorldMap& m) { return TableBytes::slice(m.tileProperties, 2 * qsizetype(tile), 2); });
}

TableBytes WorldMapPart::piecePalette(int piece) const
{
    return run(RecordKind::MapPiece, piece, kPaletteField,
               [piece](WorldMap& m) { return TableBytes::slice(m.piecePalette, piece, 1); });
}

TableBytes WorldMapPart::tileAssembly(int tile) const
{
    return run(RecordKind::MapTile, tile, kPiecesField,
               [tile](WorldMap& m) { return TableBytes::slice(m.tileAssembly.bytes, 4 * qsizetype(tile), 4); });
}

TableBytes WorldMapPart::pieceTable() const
{
    return run(RecordKind::MapPiece, RecordRef::kWhole, kPixelsField, [](WorldMap& m) { return bytesOf(m.pieces); });
}

TableBytes WorldMapPart::paletteTable() const
{
    return run(RecordKind::MapColor, RecordRef::kWhole, kColorField,
               [](WorldMap& m) { return std::span<quint8>(m.palette); });
}

TableBytes WorldMapPart::piecePaletteTable() const
{
    return run(RecordKind::MapPiece, RecordRef::kWhole, kPaletteField,
               [](WorldMap& m) { return std::span<quint8>(m.piecePalette); });
}

std::vector<PartField> WorldMapPart::fields() const
{
    std::vector<PartField> fields;
    if (!map_)
        return fields;
    const WorldMap& m = *map_;
    for (int row = 0; row < m.height; ++row)
        fields.push_back({RecordRef(RecordKind::MapCell, index_, row * m.width), kCellsField,
                          QCoreApplication::translate("WorldMapPart", "Row %1").arg(row),
                          hex(reinterpret_cast<const quint8*>(m.tileMap.constData()) + row * m.width, m.width)});
    for (int tile = 0; tile < worldmap::kPropertiesSize / 2; ++tile) {
        const RecordRef ref(RecordKind::MapTile, index_, tile);
        fields.push_back({ref, kPiecesField, QCoreApplication::translate("WorldMapPart", "Pieces"),
                          hex(m.tileAssembly.bytes.data() + 4 * tile, 4)});
        fields.push_back({ref, kPropertyField, QCoreApplication::translate("WorldMapPart", "Properties"),
                          word(m.tileProperty(tile))});
    }
    for (int p = 0; p < worldmap::kPieceCount; ++p) {
        const RecordRef ref(RecordKind::MapPiece, index_, p);
        fields.push_back(
            {ref, kPixelsField, QCoreApplication::translate("WorldMapPart", "Pixels"), hex(m.piece(p), 32)});
        fields.push_back({ref, kPaletteField, QCoreApplication::translate("WorldMapPart", "Palette"),
                          QString::number(m.piecePalette[std::size_t(p)] / 16)});
    }
    for (int c = 0; c < worldmap::kPaletteSize / 2; ++c)
        fields.push_back({RecordRef(RecordKind::MapColor, index_, c), kColorField,
                          QCoreApplication::translate("WorldMapPart", "Colour"), word(m.color(c))});
    for (int t = 0; t < m.triggers.size(); ++t) {
        const MapTrigger& trigger = m.triggers[t];
        fields.push_back({RecordRef(RecordKind::MapTrigger, index_, t), kTriggerField,
                          trigger.kind == MapTrigger::Entrance ? QCoreApplication::translate("WorldMapPart", "Entrance")
                                                               : QCoreApplication::translate("WorldMapPart", "Event"),
                          QStringLiteral("(%1, %2) %3 %4")
                              .arg(trigger.x)
                              .arg(trigger.y)
                              .arg(trigger.data, 6, 16, QLatin1Char('0'))
                              .arg(trigger.flags)
                              .toUpper()});
    }
    return fields;
}

WorldMapPart* worldMapPartOf(const CFF3Doc& doc, int index)
{
    const std::vector<WorldMapPart*> maps = doc.parts().all<WorldMapPart>();
    return index >= 0 && std::size_t(index) < maps.size() ? maps[std::size_t(index)] : nullptr;
}

WorldMap* worldMapOf(const CFF3Doc& doc, int index)
{
    WorldMapPart* part = worldMapPartOf(doc, index);
    return part ? part->map() : nullptr;
}

int worldMapCount(const CFF3Doc& doc)
{
    int count = 0;
    for (WorldMapPart* part : doc.parts().all<WorldMapPart>())
        count += part->map() ? 1 : 0;
    return count;
}

}  // namespace tessel
