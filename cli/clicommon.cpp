#include "cli/clicommon.h"

#include <cstdio>

namespace cli {

void printLine(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
}

}  // namespace cli
