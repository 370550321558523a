#include "document/documentparts.h"

#include <algorithm>
#include <set>

namespace tessel {

void DocumentParts::add(std::unique_ptr<DocumentPart> part)
{
    // A class added twice is found through all() only.
    const auto [entry, added] = byType_.emplace(std::type_index(typeid(*part)), part.get());
    if (!added)
        entry->second = nullptr;
    ordered_.push_back(part.get());
    parts_.push_back(std::move(part));
}

bool DocumentParts::arrange(QString* problem)
{
    std::set<QString> ids;
    for (const auto& part : parts_)
        if (!ids.insert(part->id()).second)
            return (*problem = QStringLiteral("Two parts are named \"%1\".").arg(part->id()), false);
    for (const auto& part : parts_)
        for (const QString& needed : part->dependencies())
            if (!ids.count(needed))
                return (*problem = QStringLiteral("Part \"%1\" needs \"%2\", which is not there.").arg(part->id(), needed),
                        false);

    // Repeatedly take the first part, in the order added, whose
    // dependencies are all placed: the order stays as added where nothing
    // asks otherwise.
    std::vector<DocumentPart*> order;
    std::set<QString> placed;
    std::vector<DocumentPart*> waiting;
    for (const auto& part : parts_)
        waiting.push_back(part.get());
    while (!waiting.empty()) {
        const auto ready = std::find_if(waiting.begin(), waiting.end(), [&placed](const DocumentPart* part) {
            const QStringList needs = part->dependencies();
            return std::all_of(needs.begin(), needs.end(), [&placed](const QString& id) { return placed.count(id) > 0; });
        });
        if (ready == waiting.end()) {
            QStringList names;
            for (const DocumentPart* part : waiting)
                names.append(part->id());
            *problem = QStringLiteral("The dependencies of %1 go round in a circle.").arg(names.join(QStringLiteral(", ")));
            return false;
        }
        placed.insert((*ready)->id());
        order.push_back(*ready);
        waiting.erase(ready);
    }
    ordered_ = std::move(order);
    return true;
}

DocumentPart* DocumentParts::find(const QString& id) const
{
    for (DocumentPart* part : ordered_)
        if (part->id() == id)
            return part;
    return nullptr;
}

DocumentPart* DocumentParts::holding(RecordKind kind) const
{
    for (DocumentPart* part : ordered_)
        if (part->holds(kind))
            return part;
    return nullptr;
}

}  // namespace tessel
