#include "text/dialoguegoto.h"

#include <algorithm>

#include <QCoreApplication>

namespace tessel {

std::optional<int> GoToTarget(const QString& input, int current, int count, bool backward, QString* reason)
{
    auto refuse = [&](const QString& why) -> std::optional<int> {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    if (count <= 0)
        return refuse(QCoreApplication::translate("DialogueGoto", "There are no messages."));
    QString text = input.trimmed();
    // The page's note writes the minus as a dash; take either.
    if (text.startsWith(QChar(0x2013)))
        text[0] = QLatin1Char('-');
    if (text.isEmpty())
        return std::clamp(current + (backward ? -1 : 1), 0, count - 1);
    bool ok = false;
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-'))) {
        const qlonglong steps = text.mid(1).trimmed().toLongLong(&ok, 10);
        if (!ok || steps < 0 || !text[1].isDigit())
            return refuse(
                QCoreApplication::translate("DialogueGoto", "\"%1\" is not a number of messages to move.").arg(text));
        const qlonglong move = text.startsWith(QLatin1Char('-')) ? -steps : steps;
        return int(std::clamp<qlonglong>(current + move, 0, count - 1));
    }
    const qlonglong number = text.toLongLong(&ok, 16);
    if (!ok || number < 0)
        return refuse(QCoreApplication::translate("DialogueGoto", "\"%1\" is not a message number.").arg(text));
    if (number >= count)
        return refuse(QCoreApplication::translate("DialogueGoto", "There is no message %1; the last one is %2.")
                          .arg(text.toUpper(), QStringLiteral("%1").arg(count - 1, 4, 16, QLatin1Char('0')).toUpper()));
    return int(number);
}

}  // namespace tessel
