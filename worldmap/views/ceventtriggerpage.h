#pragma once

#include "rom/romaddress.h"
#include "worldmap/views/ctriggerpage.h"

class QPushButton;

namespace tessel {

// The page of an event trigger: its source position and the address of
// the event code it runs (six hexadecimal digits), with "Go to Script"
// to show that code in the event-script listing.
class CEventTriggerPage : public CTriggerPage {
    Q_OBJECT

public:
    static constexpr int kGoToScriptId = 1101;

    explicit CEventTriggerPage(QWidget* parent = nullptr);

    void load(const MapTrigger& trigger) override;
    std::optional<MapTrigger> store(const MapTrigger& original, QString* refusal, QWidget** field) const override;

    QPushButton* goToScriptButton() const { return goToScript_; }
    // Why "Go to Script" shows nothing for an address past the event scripts.
    static QString outsideScriptsMessage(quint32 address);

signals:
    // "Go to Script" with the address the field holds; the sheet stays open.
    void scriptRequested(SnesAddress script);
    // No script to show (the field holds no address, or one past the
    // scripts), for this message.
    void scriptRefused(const QString& refusal);

private:
    void goToScript();

    CNumberField* address_;
    QPushButton* goToScript_;
};

}  // namespace tessel
