#pragma once

#include <QList>
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

// Keeps every message instead of showing it.
class RecordingMessageService : public MessageService {
public:
    struct Entry {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override;
    QList<Entry> entries;
};

// Writes each message's text on the standard error stream.
class StderrMessageService : public MessageService {
public:
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override;
};

}  // namespace platform
