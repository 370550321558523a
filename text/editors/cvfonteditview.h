#pragma once

#include "uikit/cplaceholderview.h"

// Dialogue Font; the editor itself comes later.
class CVFontEditView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CVFontEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};
