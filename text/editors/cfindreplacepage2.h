#pragma once

#include "text/editors/cfindreplacepage1.h"

namespace tessel {

// The "Replace" page: the "Find" page with "Replace with:", "Replace" and
// "Replace All".
class CFindReplacePage2 : public CFindReplacePage1 {
    Q_OBJECT

public:
    enum ControlId { kReplaceId = 1027, kReplaceAllId = 1033, kReplaceWithId = 1035 };

    explicit CFindReplacePage2(QWidget* parent = nullptr);

    QComboBox* replaceWith() const { return replaceWith_; }
    QPushButton* replaceButton() const { return replace_; }
    QPushButton* replaceAllButton() const { return replaceAll_; }

    QString replacement() const;
    void rememberReplacement();

signals:
    void replaceClicked();
    void replaceAllClicked();

private:
    QComboBox* replaceWith_;
    QPushButton* replace_;
    QPushButton* replaceAll_;
};

}  // namespace tessel
