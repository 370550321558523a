#pragma once

#include "rom/recordref.h"

#include <QTreeWidget>

namespace tessel {

class CFF3Doc;

// "References": every place that uses one record (shop wares, monsters'
// items, spells taught, formation slots, starting equipment, event
// commands, world-map entrances), as the document's reference index has
// them. Double-clicking one asks for the user's editor at that place. The
// list is read only while it is shown, and again after each change.
class CReferencesList : public QTreeWidget {
    Q_OBJECT

public:
    CReferencesList(CFF3Doc& doc, QWidget* parent = nullptr);

    // Lists the uses of `subject` (none for an invalid one).
    void setSubject(const RecordRef& subject);
    const RecordRef& subject() const { return subject_; }
    // The user of row `row`.
    RecordRef userAt(int row) const;

signals:
    void subjectRequested(const RecordRef& subject);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refill();

    CFF3Doc& doc_;
    RecordRef subject_;
    bool stale_ = true;
};

}  // namespace tessel
