#include "shell/ctabbedviewgroup.h"

#include "shell/tvgcharactergroup.h"
#include "shell/tvgdialoguegroup.h"
#include "shell/tvgitemgroup.h"
#include "shell/tvgmonstergroup.h"
#include "shell/tvgworldmapgroup.h"

namespace {

template <class Group>
std::unique_ptr<CTabbedViewGroup> make()
{
    return std::make_unique<Group>();
}

struct GroupClass {
    const char* name;
    std::unique_ptr<CTabbedViewGroup> (*create)();
};

constexpr GroupClass kGroupClasses[] = {
    {"TVGWorldMapGroup", make<TVGWorldMapGroup>},
    {"TVGDialogueGroup", make<TVGDialogueGroup>},
    {"TVGItemGroup", make<TVGItemGroup>},
    {"TVGMonsterGroup", make<TVGMonsterGroup>},
    {"TVGCharacterGroup", make<TVGCharacterGroup>},
};

}  // namespace

std::unique_ptr<CTabbedViewGroup> CTabbedViewGroup::create(const QString& className)
{
    for (const GroupClass& group : kGroupClasses) {
        if (className == QLatin1String(group.name))
            return group.create();
    }
    return nullptr;
}
