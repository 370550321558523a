#pragma once

#include "uikit/ceditorview.h"

class QLabel;

namespace tessel {

// Stands in for an editor that is not built yet: names the editor and
// says what will appear in its place.
class CPlaceholderView : public CEditorView {
    Q_OBJECT

public:
    CPlaceholderView(CFF3Doc& doc, const QString& heading, const QString& description, QWidget* parent);

protected:
    void setDescription(const QString& description);

private:
    QLabel* description_;
};

}  // namespace tessel
