#include "uikit/crangespinbox.h"

#include <algorithm>

namespace tessel {

namespace {

// Enough digits for any number a user means; more cannot be a record number.
constexpr int kMaxDigits = 9;

bool isNumber(const QString& text)
{
    return !text.isEmpty() && text.size() <= kMaxDigits &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

CRangeSpinBox::CRangeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setKeyboardTracking(false);
}

QString CRangeSpinBox::rangeMessage() const
{
    return tr("Please enter an integer between %1 and %2.").arg(minimum()).arg(maximum());
}

QValidator::State CRangeSpinBox::validate(QString& input, int& pos) const
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return QValidator::Intermediate;
    if (!isNumber(text))
        return QValidator::Invalid;
    const int value = text.toInt();
    // Typing goes through; leaving the box with a number out of range is refused.
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void CRangeSpinBox::fixup(QString& input) const
{
    const bool outOfRange = isNumber(input.trimmed());
    if (outOfRange && clamping_) {
        input = textFromValue(std::clamp(input.trimmed().toInt(), minimum(), maximum()));
        return;
    }
    input = textFromValue(value());
    if (outOfRange)
        emit const_cast<CRangeSpinBox*>(this)->rangeRefused(rangeMessage());
}

}  // namespace tessel
