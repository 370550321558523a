#pragma once

#include "worldmap/views/ctriggerpage.h"

class QCheckBox;
class QComboBox;

namespace tessel {

// The page of an entrance trigger: its source position, the destination
// map (three hexadecimal digits, $000-$1FF), the destination position, the
// facing and whether the destination's name is shown. Storing rebuilds
// the destination word from these fields alone.
class CEntranceTriggerPage : public CTriggerPage {
    Q_OBJECT

public:
    explicit CEntranceTriggerPage(QWidget* parent = nullptr);

    void load(const MapTrigger& trigger) override;
    std::optional<MapTrigger> store(const MapTrigger& original, QString* refusal, QWidget** field) const override;

private:
    CNumberField* destinationMap_;
    CNumberField* destinationX_;
    CNumberField* destinationY_;
    QComboBox* facing_;
    QCheckBox* showName_;
};

}  // namespace tessel
