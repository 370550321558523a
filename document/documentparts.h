#pragma once

#include "document/documentpart.h"

#include <QString>

#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace tessel {

// The document's parts, in the order loads and saves run them: each after
// the parts it depends on, otherwise in the order they were added.
class DocumentParts {
public:
    // Adds a part; the order is worked out again by arrange().
    void add(std::unique_ptr<DocumentPart> part);
    // Sorts the parts by their dependencies. False, with the reason, when
    // a part depends on one that is not there, when two share an id, or
    // when dependencies go round in a circle; the order is then unchanged.
    bool arrange(QString* problem);

    const std::vector<DocumentPart*>& ordered() const { return ordered_; }
    DocumentPart* find(const QString& id) const;
    // The part holding records of this kind (the first, when several do).
    DocumentPart* holding(RecordKind kind) const;

    // The one part of a class (null when there is none, or several).
    template <class Part>
    Part* get() const
    {
        const auto found = byType_.find(std::type_index(typeid(Part)));
        return found == byType_.end() ? nullptr : static_cast<Part*>(found->second);
    }
    // Every part of a class (the world maps), in the order added.
    template <class Part>
    std::vector<Part*> all() const
    {
        std::vector<Part*> found;
        for (const auto& part : parts_)
            if (auto* typed = dynamic_cast<Part*>(part.get()))
                found.push_back(typed);
        return found;
    }

private:
    std::vector<std::unique_ptr<DocumentPart>> parts_;
    std::vector<DocumentPart*> ordered_;
    std::unordered_map<std::type_index, DocumentPart*> byType_;
};

}  // namespace tessel
