#pragma once

#include "uikit/cplaceholderview.h"

// Shops; the editor itself comes later.
class CShopEditView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CShopEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};
