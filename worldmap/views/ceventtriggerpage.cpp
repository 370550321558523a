#include "worldmap/views/ceventtriggerpage.h"

#include "uikit/cnumberfield.h"
#include "worldmap/eventtriggerscript.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>

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
    goToScript_ = new QPushButton(tr("Go to Script"), this);
    goToScript_->setObjectName(QString::number(kGoToScriptId));
    auto* row = new QHBoxLayout;
    row->addWidget(address_, 1);
    row->addWidget(goToScript_);
    form_->addRow(tr("Location in global event code to execute:"), row);
    connect(goToScript_, &QPushButton::clicked, this, &CEventTriggerPage::goToScript);
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

void CEventTriggerPage::goToScript()
{
    // The address as typed, applied or not: the listing shows what OK would store.
    const std::optional<quint32> address = address_->value();
    if (!address) {
        emit scriptRefused(address_->rangeMessage());
        address_->setFocus();
        return;
    }
    MapTrigger trigger;
    trigger.kind = MapTrigger::Event;
    trigger.data = *address;
    if (const std::optional<SnesAddress> script = eventTriggerScript(trigger))
        emit scriptRequested(*script);
    else
        emit scriptRefused(outsideScriptsMessage(*address));
}

QString CEventTriggerPage::outsideScriptsMessage(quint32 address)
{
    return tr("The event address $%1 counts from $CA:0000 and so lies past the end of the event scripts "
              "($CC:E5FF); there is no script to show.")
        .arg(QStringLiteral("%1").arg(address, 6, 16, QLatin1Char('0')).toUpper());
}

}  // namespace tessel
