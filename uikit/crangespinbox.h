#pragma once

#include <QSpinBox>

namespace tessel {

// A spin box that lets the user type any whole number and, when the number
// lies outside its range, refuses it with the standard range message
// instead of silently clamping it: the box goes back to its value and
// rangeRefused() carries the message for the owner to show. A box set to
// clamp takes the nearest number of its range instead, without a message.
class CRangeSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit CRangeSpinBox(QWidget* parent = nullptr);

    // "Please enter an integer between 0 and 127."
    QString rangeMessage() const;
    void setClamping(bool clamping) { clamping_ = clamping; }
    bool isClamping() const { return clamping_; }

signals:
    void rangeRefused(const QString& message);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    // The typed number without the prefix and suffix around it.
    QString numberPart(const QString& input) const;

    bool clamping_ = false;
    bool refusalPending_ = false;
};

}  // namespace tessel
