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

QString CRangeSpinBox::numberPart(const QString& input) const
{
    QString text = input;
    if (!prefix().isEmpty() && text.startsWith(prefix()))
        text.remove(0, prefix().size());
    if (!suffix().isEmpty() && text.endsWith(suffix()))
        text.chop(suffix().size());
    return text.trimmed();
}

QValidator::State CRangeSpinBox::validate(QString& input, int& pos) const
{
    const QString text = numberPart(input);
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
    const QString typed = numberPart(input);
    const bool outOfRange = isNumber(typed);
    if (outOfRange && clamping_) {
        input = prefix() + textFromValue(std::clamp(typed.toInt(), minimum(), maximum())) + suffix();
        return;
    }
    input = prefix() + textFromValue(value()) + suffix();
    if (!outOfRange || refusalPending_)
        return;
    // Told once the box shows its value again: a message box shown at once
    // takes the focus from the box, which would check the refused text again
    // and refuse it a second time.
    auto* self = const_cast<CRangeSpinBox*>(this);
    self->refusalPending_ = true;
    QMetaObject::invokeMethod(
        self,
        [self] {
            self->refusalPending_ = false;
            emit self->rangeRefused(self->rangeMessage());
        },
        Qt::QueuedConnection);
}

}  // namespace tessel
