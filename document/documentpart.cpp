#include "document/documentpart.h"

#include <algorithm>

namespace tessel {

bool DocumentPart::holds(RecordKind kind) const
{
    const std::vector<RecordKind> own = kinds();
    return std::find(own.begin(), own.end(), kind) != own.end();
}

}  // namespace tessel
