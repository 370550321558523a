#pragma once

#include "uikit/cplaceholderview.h"

// Monster Formations; the editor itself comes later.
class CMonsterFormationView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CMonsterFormationView(CFF3Doc& doc, QWidget* parent = nullptr);
    bool queryShows(quintptr subject) const override;
};
