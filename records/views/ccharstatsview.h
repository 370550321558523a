#pragma once

#include "uikit/cplaceholderview.h"

// Character Packages; the editor itself comes later.
class CCharStatsView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CCharStatsView(CFF3Doc& doc, QWidget* parent = nullptr);
};
