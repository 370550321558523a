#pragma once

#include <QString>
#include <QStringList>

namespace tessel {

// Message boxes as a service: the GUI shows them, the command-line tools
// print them, and tests record them (and answer their questions).
namespace platform {

enum class MessageIcon { None, Information, Warning, Error };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows text with a single OK button; returns once dismissed.
    virtual void showMessage(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // Asks with Yes and No buttons; true for Yes. Where nobody can answer
    // (the command-line tools) the answer is No.
    virtual bool askYesNo(const QString& text, const QString& caption) { return false; }
    // Asks whether to drop something that cannot be kept, with Discard and
    // Cancel buttons; true for Discard. Where nobody can answer, Cancel.
    virtual bool askDiscard(const QString& text, const QString& caption) { return false; }
    // Asks the user to pick one of `choices` (button texts), with a Cancel
    // button beside them; the index picked, or -1 for Cancel. Where nobody
    // can answer, Cancel.
    virtual int askChoice(const QString& text, const QString& caption, const QStringList& choices) { return -1; }
};

// Writes each message's text on the standard error stream.
class StderrMessageService : public MessageService {
public:
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override;
};

}  // namespace platform

}  // namespace tessel
