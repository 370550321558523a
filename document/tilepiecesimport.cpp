#include "document/tilepiecesimport.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "document/setbytescommand.h"

#include <algorithm>
#include <memory>

#include <QCoreApplication>

namespace tessel {

namespace {

QByteArray bytesOf(std::span<const quint8> bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace

void pushTilePiecesImport(CFF3Doc& doc, int map, const TileSheet::Pieces& pieces)
{
    const WorldMapPart* part = worldMapPartOf(doc, map);
    if (!part)
        return;
    std::unique_ptr<SetBytesCommand> commands[] = {
        std::make_unique<SetBytesCommand>(doc, part->paletteTable(), 0, bytesOf(pieces.palette), QString()),
        std::make_unique<SetBytesCommand>(doc, part->pieceTable(), 0, pieces.pieces, QString()),
        std::make_unique<SetBytesCommand>(doc, part->piecePaletteTable(), 0, bytesOf(pieces.piecePalette),
                                          QString()),
    };
    if (std::all_of(std::begin(commands), std::end(commands), [](const auto& c) { return c->isObsolete(); }))
        return;
    QUndoStack* stack = doc.undoStack();
    stack->beginMacro(QCoreApplication::translate("TilePiecesImport", "Import Tile Pieces"));
    for (auto& command : commands)
        stack->push(command.release());
    stack->endMacro();
}

}  // namespace tessel
