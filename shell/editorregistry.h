#pragma once

#include "shell/editordescriptor.h"

#include <vector>

namespace tessel {

// Every editor of Tessel, in the order the workspace tree lists them.
class EditorRegistry {
public:
    // The editors Tessel has.
    static const EditorRegistry& standard();

    void add(EditorDescriptor editor) { editors_.push_back(std::move(editor)); }
    const std::vector<EditorDescriptor>& editors() const { return editors_; }
    // The editor whose frame shows records of this kind (null for none).
    const EditorDescriptor* forKind(RecordKind kind) const;
    const EditorDescriptor* forResource(quint32 resourceId) const;

private:
    std::vector<EditorDescriptor> editors_;
};

}  // namespace tessel
