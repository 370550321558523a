#pragma once

#include "records/views/crecordeditview.h"

namespace tessel {

// The 256 items: names beside the selected item's properties. Which
// properties an item has depends on its type, so a type change shows
// another list.
class CItemEditView : public CRecordEditView {
    Q_OBJECT

public:
    explicit CItemEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};

}  // namespace tessel
