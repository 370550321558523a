#pragma once

#include "uikit/cplaceholderview.h"

// Magic; the editor itself comes later.
class CMagicEditView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CMagicEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};
