#pragma once

#include "rom/romaddress.h"
#include "worldmap/maptrigger.h"

#include <QDialog>

namespace tessel {

class CEditorView;
class CTriggerPage;

// "Trigger Properties": one page, "General", for the trigger's kind
// (CEntranceTriggerPage or CEventTriggerPage), OK and Cancel. OK with a
// field out of its range shows the range message and stays open on that
// field; OK otherwise leaves the edited trigger in result(). An event
// trigger's "Go to Script" asks for its script through scriptRequested().
class CTriggerPropertiesSheet : public QDialog {
    Q_OBJECT

public:
    // Range messages go through `messages` (the map view).
    CTriggerPropertiesSheet(const MapTrigger& trigger, const CEditorView& messages, QWidget* parent = nullptr);

    CTriggerPage* page() const { return page_; }
    const MapTrigger& result() const { return result_; }

    void accept() override;

signals:
    void scriptRequested(SnesAddress script);

private:
    const CEditorView& messages_;
    CTriggerPage* page_;
    MapTrigger original_;
    MapTrigger result_;
};

}  // namespace tessel
