#pragma once

#include "records/recordaddresses.h"

#include <array>

class RomImage;

// One formation: the 15-byte record followed by the 4-byte extra record.
struct FormationEntry {
    std::array<quint8, records::kFormationRecordSize> record{};
    std::array<quint8, records::kFormationExtraSize> extra{};
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

// Formations and their size templates. Not saved.
class FormationTables {
public:
    void loadFormations(RomImage& rom);
    void loadSizeTemplates(RomImage& rom);

    std::array<FormationEntry, records::kFormationCount> formations{};
    std::array<SizeTemplate, records::kSizeTemplateCount> sizeTemplates{};
};
