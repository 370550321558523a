#pragma once

#include <QString>

// Message boxes as a service: the GUI shows them, the command-line tools
// print them, and tests record them.
namespace platform {

enum class MessageIcon { None, Information, Warning, Error };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows text with a single OK button; returns once dismissed.
    virtual void showMessage(const QString& text, const QString& caption, MessageIcon icon) = 0;
};

// Writes each message's text on the standard error stream.
class StderrMessageService : public MessageService {
public:
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override;
};

}  // namespace platform
