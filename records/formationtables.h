#pragma once

#include "records/recordaddresses.h"
#include "records/savedcopy.h"

#include <array>
#include <span>

namespace tessel {

class RomImage;

// One formation as the document keeps it: the 15-byte record followed by
// the 4-byte extra record, one run of 19 bytes.
struct FormationEntry {
    static constexpr int kExtraOffset = records::kFormationRecordSize;
    static constexpr int kSize = kExtraOffset + records::kFormationExtraSize;

    std::array<quint8, kSize> bytes{};

    std::span<quint8> record() { return std::span(bytes).first(records::kFormationRecordSize); }
    std::span<quint8> extra() { return std::span(bytes).subspan(kExtraOffset); }
    std::span<const quint8> record() const { return std::span(bytes).first(records::kFormationRecordSize); }
    std::span<const quint8> extra() const { return std::span(bytes).subspan(kExtraOffset); }

    bool operator==(const FormationEntry&) const = default;
};

// One entry of a size template: slot code, box width and height in cells.
struct SizeTemplateEntry {
    quint16 code = 0;
    quint8 width = 0;
    quint8 height = 0;
};

struct SizeTemplate {
    std::array<SizeTemplateEntry, records::kSizeTemplateMaxEntries> entries{};
    int count = 0;  // 1 to 6
};

// Formations and their size templates. Both formation tables are saved
// where they changed (SavedCopy); the size templates are never written.
class FormationTables {
public:
    void loadFormations(RomImage& rom);
    void loadSizeTemplates(RomImage& rom);

    void saveChanges(RomImage& rom) const;
    void markSaved() { inFile_.remember(formations); }
    bool isChanged() const { return inFile_.differs(formations); }

    std::array<FormationEntry, records::kFormationCount> formations{};
    std::array<SizeTemplate, records::kSizeTemplateCount> sizeTemplates{};

private:
    SavedCopy<std::array<FormationEntry, records::kFormationCount>> inFile_;
};

}  // namespace tessel
