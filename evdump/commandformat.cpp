#include "evdump/commandformat.h"

QString formatCommand(const char* format, const std::vector<FormatValue>& values)
{
    QString out;
    std::size_t next = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') {
            out += QLatin1Char(*p);
            continue;
        }
        ++p;
        if (*p == '%') {
            out += QLatin1Char('%');
            continue;
        }
        const bool zero = *p == '0';
        int width = 0;
        while (*p >= '0' && *p <= '9')
            width = width * 10 + (*p++ - '0');
        const FormatValue value = next < values.size() ? values[next++] : FormatValue(qint64(0));
        const QChar pad = zero ? QLatin1Char('0') : QLatin1Char(' ');
        if (*p == 's') {
            out += std::holds_alternative<QString>(value) ? std::get<QString>(value) : QString();
        } else {
            const qint64 number = std::holds_alternative<qint64>(value) ? std::get<qint64>(value) : 0;
            if (*p == 'X')
                out += QStringLiteral("%1").arg(number, width, 16, pad).toUpper();
            else
                out += QStringLiteral("%1").arg(number, width, 10, pad);
        }
        if (!*p)
            break;
    }
    return out;
}
