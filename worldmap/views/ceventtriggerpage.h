#pragma once

#include "worldmap/views/ctriggerpage.h"


namespace tessel {

// The page of an event trigger: its source position and the address of
// the event code it runs (six hexadecimal digits).
class CEventTriggerPage : public CTriggerPage {
    Q_OBJECT

public:
    explicit CEventTriggerPage(QWidget* parent = nullptr);

    void load(const MapTrigger& trigger) override;
    std::optional<MapTrigger> store(const MapTrigger& original, QString* refusal, QWidget** field) const override;

private:
    CNumberField* address_;
};

}  // namespace tessel
