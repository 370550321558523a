#include "shell/tvgworldmapgroup.h"

#include "document/cff3doc.h"
#include "document/parts/worldmappart.h"
#include "worldmap/views/cmapview.h"

#include <QCoreApplication>

namespace tessel {

TVGWorldMapGroup::TVGWorldMapGroup()
{
    addEntry<CMapView>(QCoreApplication::translate("TVGWorldMapGroup", "Map"));
}

EditorDescriptor TVGWorldMapGroup::editor()
{
    EditorDescriptor editor;
    editor.resourceId = kResourceId;
    editor.title = QCoreApplication::translate("TVGWorldMapGroup", "World Map");
    editor.kinds = {RecordKind::WorldMap, RecordKind::MapCell, RecordKind::MapTrigger, RecordKind::MapTile, RecordKind::MapPiece, RecordKind::MapColor};
    editor.makeGroup = [] { return std::make_unique<TVGWorldMapGroup>(); };
    editor.subjectTitle = [](const CFF3Doc& doc, const RecordRef& subject) {
        const WorldMapPart* part = worldMapPartOf(doc, subject.index);
        return part ? part->name() : QString();
    };
    editor.treeFolder = QCoreApplication::translate("TVGWorldMapGroup", "World Maps");
    // One item per map, each opening a frame of its own.
    editor.treeEntries = [](const CFF3Doc& doc) {
        std::vector<TreeEntry> entries;
        for (const WorldMapPart* part : doc.parts().all<WorldMapPart>())
            if (part->map())
                entries.push_back({part->name(), RecordRef(RecordKind::WorldMap, part->index())});
        return entries;
    };
    return editor;
}

}  // namespace tessel
