#pragma once

#include "uikit/cplaceholderview.h"

// Items; the editor itself comes later.
class CItemEditView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CItemEditView(CFF3Doc& doc, QWidget* parent = nullptr);
    bool queryShows(quintptr subject) const override;
};
