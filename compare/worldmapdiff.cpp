#include "compare/areadiffs.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"

#include <QCoreApplication>

#include <cstring>
#include <vector>

namespace tessel {

namespace comparearea {

namespace {

const QString kMapArea = QStringLiteral("worldmap");
const QString kTriggerArea = QStringLiteral("triggers");

// The map's name on the command line and in reports.
QString mapKey(int index)
{
    return index == 0 ? QStringLiteral("balance") : index == 1 ? QStringLiteral("ruin") : QString::number(index);
}

QString wordText(quint16 word)
{
    return QStringLiteral("$%1").arg(word, 4, 16, QLatin1Char('0')).toUpper();
}

QString hexOf(const quint8* bytes, int size)
{
    return QByteArray(reinterpret_cast<const char*>(bytes), size).toHex(' ').toUpper();
}

RomChange mapChange(int map, RecordRef subject, const QString& field)
{
    RomChange change;
    change.area = kMapArea;
    change.subject = subject;
    change.index = subject.element;
    change.map = mapKey(map);
    change.field = field;
    return change;
}

// The changed cells, and a rectangle around each group of them that
// touch (diagonally too), in the order their first cells come row by row.
void compareCells(int map, const WorldMap& a, const WorldMap& b, RomChanges& out)
{
    if (a.tileMap == b.tileMap || a.width != b.width || a.height != b.height)
        return;
    const int w = a.width;
    const int h = a.height;
    std::vector<quint8> changed(std::size_t(w * h));
    int count = 0;
    int first = -1;
    for (int i = 0; i < w * h; ++i)
        if (a.tileMap[i] != b.tileMap[i]) {
            changed[std::size_t(i)] = 1;
            ++count;
            if (first < 0)
                first = i;
        }
    RomChange change = mapChange(map, RecordRef(RecordKind::MapCell, map, first),
                                 QCoreApplication::translate("RomComparison", "Cells"));
    change.cells = count;
    std::vector<int> stack;
    for (int start = first; start < w * h; ++start) {
        if (changed[std::size_t(start)] != 1)
            continue;
        QRect box(start % w, start / w, 1, 1);
        changed[std::size_t(start)] = 2;
        stack.push_back(start);
        while (!stack.empty()) {
            const int cell = stack.back();
            stack.pop_back();
            const int x = cell % w;
            const int y = cell / w;
            box = box.united(QRect(x, y, 1, 1));
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || changed[std::size_t(ny * w + nx)] != 1)
                        continue;
                    changed[std::size_t(ny * w + nx)] = 2;
                    stack.push_back(ny * w + nx);
                }
        }
        change.bounds.append(box);
    }
    out.push_back(std::move(change));
}

void compareGraphics(int map, const WorldMap& a, const WorldMap& b, RomChanges& out)
{
    for (int c = 0; c < worldmap::kPaletteSize / 2; ++c)
        if (a.color(c) != b.color(c)) {
            RomChange change = mapChange(map, RecordRef(RecordKind::MapColor, map, c),
                                         QCoreApplication::translate("RomComparison", "Colour %1").arg(c));
            change.oldValue = wordText(a.color(c));
            change.newValue = wordText(b.color(c));
            out.push_back(std::move(change));
        }
    for (int p = 0; p < worldmap::kPieceCount; ++p) {
        const RecordRef ref(RecordKind::MapPiece, map, p);
        if (a.pieces.size() >= 32 * (p + 1) && b.pieces.size() >= 32 * (p + 1) &&
            std::memcmp(a.piece(p), b.piece(p), 32) != 0) {
            RomChange change = mapChange(map, ref, QCoreApplication::translate("RomComparison", "Piece %1").arg(p));
            change.oldValue = hexOf(a.piece(p), 32);
            change.newValue = hexOf(b.piece(p), 32);
            out.push_back(std::move(change));
        }
        if (a.piecePalette[std::size_t(p)] != b.piecePalette[std::size_t(p)]) {
            RomChange change =
                mapChange(map, ref, QCoreApplication::translate("RomComparison", "Piece %1 palette").arg(p));
            change.oldValue = a.piecePalette[std::size_t(p)] / 16;
            change.newValue = b.piecePalette[std::size_t(p)] / 16;
            out.push_back(std::move(change));
        }
    }
    for (int tile = 0; tile < worldmap::kPropertiesSize / 2; ++tile) {
        const RecordRef ref(RecordKind::MapTile, map, tile);
        const quint8* was = a.tileAssembly.bytes.data() + 4 * tile;
        const quint8* now = b.tileAssembly.bytes.data() + 4 * tile;
        if (std::memcmp(was, now, 4) != 0) {
            RomChange change =
                mapChange(map, ref, QCoreApplication::translate("RomComparison", "Tile %1 pieces").arg(tile));
            change.oldValue = hexOf(was, 4);
            change.newValue = hexOf(now, 4);
            out.push_back(std::move(change));
        }
        if (a.tileProperty(tile) != b.tileProperty(tile)) {
            RomChange change =
                mapChange(map, ref, QCoreApplication::translate("RomComparison", "Tile %1 properties").arg(tile));
            change.oldValue = wordText(a.tileProperty(tile));
            change.newValue = wordText(b.tileProperty(tile));
            out.push_back(std::move(change));
        }
    }
}

QString triggerText(const MapTrigger& t)
{
    const QString where = QStringLiteral("(%1, %2)").arg(t.x).arg(t.y);
    if (t.kind == MapTrigger::Event)
        return QCoreApplication::translate("RomComparison", "%1 event $%2")
            .arg(where, QStringLiteral("%1").arg(t.data, 6, 16, QLatin1Char('0')).toUpper());
    return QCoreApplication::translate("RomComparison", "%1 entrance %2")
        .arg(where, QStringLiteral("%1").arg(t.data, 8, 16, QLatin1Char('0')).toUpper());
}

bool sameTrigger(const MapTrigger& a, const MapTrigger& b)
{
    return a.kind == b.kind && a.flags == b.flags && a.x == b.x && a.y == b.y && a.data == b.data;
}

// Triggers are paired first where nothing changed, then by destination
// (moved), then by cell (changed), then in list order; the rest were
// added or removed.
void compareTriggers(int map, const WorldMap& a, const WorldMap& b, RomChanges& out)
{
    const int na = int(a.triggers.size());
    const int nb = int(b.triggers.size());
    std::vector<int> pairOf(std::size_t(na), -1);
    std::vector<bool> taken(std::size_t(nb), false);
    auto pairBy = [&](auto same) {
        for (int i = 0; i < na; ++i) {
            if (pairOf[std::size_t(i)] >= 0)
                continue;
            // Prefer the same position in the list.
            if (i < nb && !taken[std::size_t(i)] && same(a.triggers[i], b.triggers[i])) {
                pairOf[std::size_t(i)] = i;
                taken[std::size_t(i)] = true;
                continue;
            }
            for (int j = 0; j < nb; ++j)
                if (!taken[std::size_t(j)] && same(a.triggers[i], b.triggers[j])) {
                    pairOf[std::size_t(i)] = j;
                    taken[std::size_t(j)] = true;
                    break;
                }
        }
    };
    pairBy(sameTrigger);
    pairBy([](const MapTrigger& x, const MapTrigger& y) { return x.kind == y.kind && x.data == y.data; });
    pairBy([](const MapTrigger& x, const MapTrigger& y) { return x.kind == y.kind && x.x == y.x && x.y == y.y; });
    pairBy([](const MapTrigger& x, const MapTrigger& y) { return x.kind == y.kind; });

    auto add = [&](int index, const QString& what, const MapTrigger* was, const MapTrigger* now) {
        RomChange change;
        change.area = kTriggerArea;
        change.subject = RecordRef(RecordKind::MapTrigger, map, index);
        change.index = index;
        change.map = mapKey(map);
        change.field = what;
        if (was)
            change.oldValue = triggerText(*was);
        if (now)
            change.newValue = triggerText(*now);
        out.push_back(std::move(change));
    };
    for (int i = 0; i < na; ++i) {
        const int j = pairOf[std::size_t(i)];
        if (j < 0) {
            add(i, QCoreApplication::translate("RomComparison", "Removed"), &a.triggers[i], nullptr);
            continue;
        }
        const MapTrigger& was = a.triggers[i];
        const MapTrigger& now = b.triggers[j];
        if (sameTrigger(was, now))
            continue;
        const bool moved = (was.x != now.x || was.y != now.y) && was.data == now.data && was.flags == now.flags;
        add(j, moved ? QCoreApplication::translate("RomComparison", "Moved")
                     : QCoreApplication::translate("RomComparison", "Changed"),
            &was, &now);
    }
    for (int j = 0; j < nb; ++j)
        if (!taken[std::size_t(j)])
            add(j, QCoreApplication::translate("RomComparison", "Added"), nullptr, &b.triggers[j]);
}

}  // namespace

void compareWorldMaps(const CFF3Doc& before, const CFF3Doc& after, RomChanges& out)
{
    const int count = std::min(worldMapCount(before), worldMapCount(after));
    for (int map = 0; map < count; ++map) {
        const WorldMap* a = worldMapOf(before, map);
        const WorldMap* b = worldMapOf(after, map);
        if (!a || !b)
            continue;
        compareCells(map, *a, *b, out);
        compareGraphics(map, *a, *b, out);
    }
    for (int map = 0; map < count; ++map) {
        const WorldMap* a = worldMapOf(before, map);
        const WorldMap* b = worldMapOf(after, map);
        if (a && b)
            compareTriggers(map, *a, *b, out);
    }
}

}  // namespace comparearea

}  // namespace tessel
