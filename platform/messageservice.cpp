#include "platform/messageservice.h"

#include <cstdio>

namespace tessel {

namespace platform {

void StderrMessageService::showMessage(const QString& text, const QString&, MessageIcon)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

}  // namespace platform

}  // namespace tessel
