#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tessel {

// The "Go To" page: what to go to (messages), the number to go to, and
// "Previous", "Next" and "Close".
class CFindReplacePage3 : public QWidget {
    Q_OBJECT

public:
    enum ControlId { kNextId = 1026, kGoToWhatId = 1027, kPreviousId = 1028, kNumberId = 1034 };

    explicit CFindReplacePage3(QWidget* parent = nullptr);

    QLineEdit* number() const { return number_; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* closeButton() const { return close_; }

signals:
    // Go to the number entered; with nothing entered, one message on or back.
    void goToClicked(const QString& target, bool backward);
    void closeClicked();

private:
    QListWidget* what_;
    QLineEdit* number_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* close_;
};

}  // namespace tessel
