#include "uikit/cnumberfield.h"

#include <QRegularExpressionValidator>

namespace tessel {

CNumberField::CNumberField(Base base, int digits, quint32 maximum, QWidget* parent)
    : QLineEdit(parent), base_(base), digits_(digits), maximum_(maximum)
{
    const QString digitSet = base == Base::Hexadecimal ? QStringLiteral("[0-9A-Fa-f]") : QStringLiteral("[0-9]");
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("%1{0,%2}").arg(digitSet).arg(digits)), this));
    setMaxLength(digits);
    setFixedWidth(fontMetrics().horizontalAdvance(QString(digits + 2, QLatin1Char('D'))) + 12);
    if (base == Base::Hexadecimal) {
        connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
            const int at = cursorPosition();
            setText(text.toUpper());
            setCursorPosition(at);
        });
    }
}

QString CNumberField::shown(quint32 value) const
{
    if (base_ == Base::Decimal)
        return QString::number(value);
    return QStringLiteral("%1").arg(value, digits_, 16, QLatin1Char('0')).toUpper();
}

void CNumberField::setValue(quint32 value)
{
    setText(shown(value));
}

std::optional<quint32> CNumberField::value() const
{
    bool ok = false;
    const quint32 number = text().toUInt(&ok, int(base_));
    if (!ok || number > maximum_)
        return std::nullopt;
    return number;
}

QString CNumberField::rangeMessage() const
{
    if (base_ == Base::Decimal)
        return tr("Please enter an integer between 0 and %1.").arg(maximum_);
    return tr("Please enter a hexadecimal number between %1 and %2.").arg(shown(0), shown(maximum_));
}

}  // namespace tessel
