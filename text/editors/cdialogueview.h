#pragma once

#include "uikit/cplaceholderview.h"

// Standard Dialogue; the editor itself comes later.
class CDialogueView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CDialogueView(CFF3Doc& doc, QWidget* parent = nullptr);
    bool queryShows(quintptr subject) const override;
};
