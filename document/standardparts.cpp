#include "document/standardparts.h"

#include "document/documentparts.h"
#include "document/parts/characterspart.h"
#include "document/parts/dialoguepart.h"
#include "document/parts/editorflagspart.h"
#include "document/parts/esperspart.h"
#include "document/parts/expansionareapart.h"
#include "document/parts/fontspart.h"
#include "document/parts/formationspart.h"
#include "document/parts/itemspart.h"
#include "document/parts/monsterspart.h"
#include "document/parts/scriptpart.h"
#include "document/parts/shopspart.h"
#include "document/parts/spellspart.h"
#include "document/parts/triggertablespart.h"
#include "document/parts/worldmappart.h"

namespace tessel {

void addStandardParts(CFF3Doc& doc, DocumentParts& parts)
{
    parts.add(std::make_unique<ExpansionAreaPart>());
    parts.add(std::make_unique<EditorFlagsPart>());
    parts.add(std::make_unique<DialoguePart>());
    parts.add(std::make_unique<FontsPart>());
    parts.add(std::make_unique<ItemsPart>(doc));
    parts.add(std::make_unique<SpellsPart>(doc));
    parts.add(std::make_unique<EspersPart>(doc));
    parts.add(std::make_unique<ShopsPart>(doc));
    parts.add(std::make_unique<MonstersPart>(doc));
    parts.add(std::make_unique<FormationsPart>(doc));
    parts.add(std::make_unique<CharactersPart>(doc));
    parts.add(std::make_unique<WorldMapPart>(0));
    parts.add(std::make_unique<WorldMapPart>(1));
    parts.add(std::make_unique<TriggerTablesPart>(doc));
    parts.add(std::make_unique<ScriptPart>());
}

}  // namespace tessel
