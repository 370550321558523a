#include "worldmap/views/ceventtriggerpage.h"

#include "uikit/cnumberfield.h"

#include <QFormLayout>

namespace tessel {

namespace {
constexpr int kAddressId = 1100;
constexpr int kAddressDigits = 6;
constexpr quint32 kLastAddress = 0xFFFFFF;
}  // namespace

CEventTriggerPage::CEventTriggerPage(QWidget* parent) : CTriggerPage(parent)
{
    address_ = new CNumberField(CNumberField::Base::Hexadecimal, kAddressDigits, kLastAddress, this);
    address_->setObjectName(QString::number(kAddressId));
    form_->addRow(tr("Location in global event code to execute:"), address_);
}

void CEventTriggerPage::load(const MapTrigger& trigger)
{
    CTriggerPage::load(trigger);
    address_->setValue(trigger.data & kLastAddress);
}

std::optional<MapTrigger> CEventTriggerPage::store(const MapTrigger& original, QString* refusal,
                                                   QWidget** field) const
{
    std::optional<MapTrigger> trigger = CTriggerPage::store(original, refusal, field);
    if (!trigger)
        return std::nullopt;
    const std::optional<quint32> address = address_->value();
    if (!address) {
        *refusal = address_->rangeMessage();
        *field = address_;
        return std::nullopt;
    }
    trigger->data = *address;
    return trigger;
}

}  // namespace tessel
