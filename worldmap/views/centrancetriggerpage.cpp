#include "worldmap/views/centrancetriggerpage.h"

#include "uikit/cnumberfield.h"
#include "worldmap/entrancedestination.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>

namespace tessel {

namespace {
constexpr int kDestinationMapId = 1083;
constexpr int kDestinationXId = 1046;
constexpr int kDestinationYId = 1049;
constexpr int kFacingId = 1034;
constexpr int kShowNameId = 1026;
constexpr int kMapDigits = 3;
}  // namespace

CEntranceTriggerPage::CEntranceTriggerPage(QWidget* parent) : CTriggerPage(parent)
{
    destinationMap_ = new CNumberField(CNumberField::Base::Hexadecimal, kMapDigits, EntranceDestination::kMaxMap, this);
    destinationMap_->setObjectName(QString::number(kDestinationMapId));
    destinationX_ = positionField(kDestinationXId);
    destinationY_ = positionField(kDestinationYId);
    facing_ = new QComboBox(this);
    facing_->setObjectName(QString::number(kFacingId));
    for (int f = EntranceDestination::Up; f <= EntranceDestination::Left; ++f)
        facing_->addItem(QCoreApplication::translate(
            "EntranceDestination", EntranceDestination::facingName(EntranceDestination::Facing(f))));
    showName_ = new QCheckBox(
        tr("Show the name of the destination location at the top of the screen when the characters enter."),
        this);
    showName_->setObjectName(QString::number(kShowNameId));

    form_->addRow(tr("Destination Map:"), destinationMap_);
    form_->addRow(tr("Horizontal (X) Destination Position:"), destinationX_);
    form_->addRow(tr("Vertical (Y) Destination Position:"), destinationY_);
    form_->addRow(tr("Direction characters will be facing:"), facing_);
    form_->addRow(showName_);
}

void CEntranceTriggerPage::load(const MapTrigger& trigger)
{
    CTriggerPage::load(trigger);
    const EntranceDestination d = EntranceDestination::of(trigger);
    destinationMap_->setValue(quint32(d.map));
    destinationX_->setValue(d.x);
    destinationY_->setValue(d.y);
    facing_->setCurrentIndex(d.facing);
    showName_->setChecked(d.showName);
}

std::optional<MapTrigger> CEntranceTriggerPage::store(const MapTrigger& original, QString* refusal,
                                                      QWidget** field) const
{
    std::optional<MapTrigger> trigger = CTriggerPage::store(original, refusal, field);
    if (!trigger)
        return std::nullopt;
    const std::optional<quint32> map = destinationMap_->value();
    if (!map) {
        *refusal = destinationMap_->rangeMessage();
        *field = destinationMap_;
        return std::nullopt;
    }
    const std::optional<quint8> x = positionOf(destinationX_, refusal, field);
    const std::optional<quint8> y = x ? positionOf(destinationY_, refusal, field) : std::nullopt;
    if (!y)
        return std::nullopt;
    EntranceDestination d;
    d.map = int(*map);
    d.x = *x;
    d.y = *y;
    d.facing = EntranceDestination::Facing(facing_->currentIndex());
    d.showName = showName_->isChecked();
    trigger->data = d.data();
    return trigger;
}

}  // namespace tessel
