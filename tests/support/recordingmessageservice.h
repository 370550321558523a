#pragma once

#include "platform/messageservice.h"

#include <QList>
#include <QStringList>

namespace tessel {

namespace platform {

// Keeps every message and question instead of showing it; questions are
// answered from `answers` in turn (true: Yes or Discard), No or Cancel once
// they run out.
class RecordingMessageService : public MessageService {
public:
    struct Entry {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    void showMessage(const QString& text, const QString& caption, MessageIcon icon) override
    {
        entries.append({text, caption, icon});
    }
    bool askYesNo(const QString& text, const QString& caption) override
    {
        questions.append(text);
        return !answers.isEmpty() && answers.takeFirst();
    }
    bool askDiscard(const QString& text, const QString& caption) override { return askYesNo(text, caption); }
    // Answered from `choiceAnswers` in turn, Cancel once they run out.
    int askChoice(const QString& text, const QString& caption, const QStringList& choices) override
    {
        questions.append(text);
        return choiceAnswers.isEmpty() ? -1 : choiceAnswers.takeFirst();
    }
    QList<Entry> entries;
    QStringList questions;
    QList<bool> answers;
    QList<int> choiceAnswers;
};

}  // namespace platform

}  // namespace tessel
