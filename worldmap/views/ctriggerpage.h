#pragma once

#include "worldmap/maptrigger.h"

#include <QWidget>

#include <optional>

class QFormLayout;

namespace tessel {

class CNumberField;

// The "General" page of the "Trigger Properties" sheet: what both kinds of
// trigger have (the source position, 0-255 each), and the fields a kind
// adds below it.
class CTriggerPage : public QWidget {
    Q_OBJECT

public:
    explicit CTriggerPage(QWidget* parent = nullptr);

    // Shows a trigger in the fields.
    virtual void load(const MapTrigger& trigger);
    // The trigger the fields describe, built on `original`; none when a
    // field holds a value out of its range, with the message to show and
    // the field to return to.
    virtual std::optional<MapTrigger> store(const MapTrigger& original, QString* refusal, QWidget** field) const;

protected:
    // A field for a position on a map, 0-255, with its control id as name.
    CNumberField* positionField(int id);
    // The value of a position field; none (with the message) when out of range.
    static std::optional<quint8> positionOf(const CNumberField* box, QString* refusal, QWidget** field);

    QFormLayout* form_;
    CNumberField* sourceX_;
    CNumberField* sourceY_;
};

}  // namespace tessel
