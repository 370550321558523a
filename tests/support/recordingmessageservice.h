#pragma once

#include "platform/messageservice.h"

#include <QList>

namespace platform {

// Keeps every message instead of showing it.
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
    QList<Entry> entries;
};

}  // namespace platform
