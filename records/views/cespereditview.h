#pragma once

#include "records/views/crecordeditview.h"

namespace tessel {

// The 27 espers: level-up bonus and five spells to learn with their rates.
class CEsperEditView : public CRecordEditView {
    Q_OBJECT

public:
    explicit CEsperEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};

}  // namespace tessel
