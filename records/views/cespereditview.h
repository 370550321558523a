#pragma once

#include "uikit/cplaceholderview.h"

// Espers; the editor itself comes later.
class CEsperEditView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CEsperEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};
