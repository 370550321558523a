#pragma once

#include "uikit/cplaceholderview.h"

// Menu Font; the editor itself comes later.
class CFFontEditView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CFFontEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};
