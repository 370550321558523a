#pragma once

#include "uikit/cplaceholderview.h"

// Monster Statistics; the editor itself comes later.
class CMonsterEditView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CMonsterEditView(CFF3Doc& doc, QWidget* parent = nullptr);
};
