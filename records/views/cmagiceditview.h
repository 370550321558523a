#pragma once

#include "records/views/crecordeditview.h"

namespace tessel {

// Spells 0-254 (255 has no name to list), each name as wide as its table.
// Spells 54-80 are named by the esper names: a rename shows in both editors.
class CMagicEditView : public CRecordEditView {
    Q_OBJECT

public:
    static constexpr int kListedSpells = 255;

    explicit CMagicEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};

}  // namespace tessel
