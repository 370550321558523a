#include "worldmap/views/ctriggerpage.h"

#include "uikit/cnumberfield.h"

#include <QFormLayout>

namespace tessel {

namespace {
constexpr int kSourceXId = 1081;
constexpr int kSourceYId = 1082;
constexpr int kLastPosition = 255;
constexpr int kPositionDigits = 3;
}  // namespace

CTriggerPage::CTriggerPage(QWidget* parent) : QWidget(parent)
{
    form_ = new QFormLayout(this);
    sourceX_ = positionField(kSourceXId);
    sourceY_ = positionField(kSourceYId);
    form_->addRow(tr("Horizontal (X) Source Position:"), sourceX_);
    form_->addRow(tr("Vertical (Y) Source Position:"), sourceY_);
}

CNumberField* CTriggerPage::positionField(int id)
{
    auto* field = new CNumberField(CNumberField::Base::Decimal, kPositionDigits, kLastPosition, this);
    field->setObjectName(QString::number(id));
    return field;
}

void CTriggerPage::load(const MapTrigger& trigger)
{
    sourceX_->setValue(trigger.x);
    sourceY_->setValue(trigger.y);
}

std::optional<quint8> CTriggerPage::positionOf(const CNumberField* field, QString* refusal, QWidget** refused)
{
    const std::optional<quint32> value = field->value();
    if (!value) {
        *refusal = field->rangeMessage();
        *refused = const_cast<CNumberField*>(field);
        return std::nullopt;
    }
    return quint8(*value);
}

std::optional<MapTrigger> CTriggerPage::store(const MapTrigger& original, QString* refusal, QWidget** field) const
{
    const std::optional<quint8> x = positionOf(sourceX_, refusal, field);
    const std::optional<quint8> y = x ? positionOf(sourceY_, refusal, field) : std::nullopt;
    if (!y)
        return std::nullopt;
    MapTrigger trigger = original;
    trigger.x = *x;
    trigger.y = *y;
    return trigger;
}

}  // namespace tessel
