#include "platform/messageservice.h"

#include <cstdio>

namespace platform {

void RecordingMessageService::showMessage(const QString& text, const QString& caption, MessageIcon icon)
{
    entries.append({text, caption, icon});
}

void StderrMessageService::showMessage(const QString& text, const QString&, MessageIcon)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace platform
