#pragma once

#include <QLineEdit>

#include <optional>

namespace tessel {

// A field for a whole number of at most `digits` digits, decimal or
// hexadecimal (shown in capitals with leading zeros: "1A3" for $1A3). Only
// digits of the base can be typed; value() refuses a number past the
// maximum, and the owner then shows rangeMessage() and keeps the field.
// Unlike a spin box it never changes what was typed behind the user's back.
class CNumberField : public QLineEdit {
    Q_OBJECT

public:
    enum class Base { Decimal = 10, Hexadecimal = 16 };

    CNumberField(Base base, int digits, quint32 maximum, QWidget* parent = nullptr);

    Base base() const { return base_; }
    quint32 maximum() const { return maximum_; }
    void setValue(quint32 value);
    // The number typed, or none when the field is empty or past the maximum.
    std::optional<quint32> value() const;
    // "Please enter an integer between 0 and 255." or, for a hexadecimal
    // field, "Please enter a hexadecimal number between 000 and 1FF."
    QString rangeMessage() const;

private:
    QString shown(quint32 value) const;

    Base base_;
    int digits_;
    quint32 maximum_;
};

}  // namespace tessel
