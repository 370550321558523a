#include "platform/windowspec.h"

#include <QStringList>

namespace tessel {

QString WindowSpec::toString() const
{
    return QString::asprintf("%04d %04d %04d %04d %1d %1d %1d", left, top, right, bottom, visible, flag1, flag2);
}

void WindowSpec::parse(const QString& text)
{
    int* const fields[] = {&left, &top, &right, &bottom, &visible, &flag1, &flag2};
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size() && i < qsizetype(std::size(fields)); ++i) {
        bool ok = false;
        const int value = parts[i].toInt(&ok);
        if (!ok)
            return;  // like scanning: the rest keep their defaults
        *fields[i] = value;
    }
}

void WindowSpec::setRect(const QRect& r)
{
    left = r.left();
    top = r.top();
    right = r.left() + r.width();
    bottom = r.top() + r.height();
}

}  // namespace tessel
