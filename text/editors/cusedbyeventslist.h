#pragma once

#include "rom/recordref.h"

#include <QTreeWidget>

namespace tessel {

class CFF3Doc;

// "Used by events": the event commands that show one message, with their
// address and text. Double-clicking one asks for the Event Scripts editor
// there. The script listing is read only while the list is shown.
class CUsedByEventsList : public QTreeWidget {
    Q_OBJECT

public:
    CUsedByEventsList(CFF3Doc& doc, QWidget* parent = nullptr);

    // Lists the commands that show `message` (none for -1).
    void setMessage(int message);
    int message() const { return message_; }

signals:
    void eventRequested(const RecordRef& subject);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refill();

    CFF3Doc& doc_;
    int message_ = -1;
    bool stale_ = true;
};

}  // namespace tessel
