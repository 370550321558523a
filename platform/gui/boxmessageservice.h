#pragma once

#include "platform/messageservice.h"

class QWidget;

namespace tessel {

namespace platform {

// Shows each message in a modal message box with one OK button, and each
// question with Yes and No.
class BoxMessageService : public MessageService {
public:
    explicit BoxMessageService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    bool askDiscard(const QString& text, const QString& caption) override;
    int askChoice(const QString& text, const QString& caption, const QStringList& choices) override;

private:
    QWidget* parent_;
};

}  // namespace platform

}  // namespace tessel
