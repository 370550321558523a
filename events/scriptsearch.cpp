#include "events/scriptsearch.h"

#include "rom/romaddress.h"

#include <algorithm>

namespace tessel {

namespace events {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

}  // namespace

ScriptSearch::ScriptSearch(const ScriptListing& listing, const QString& text)
    : listing_(listing), needle_(text.toUtf8())
{
    for (char& c : needle_)
        c = lower(c);
}

bool ScriptSearch::matches(int entry) const
{
    if (needle_.isEmpty() || entry < 0 || entry >= listing_.size())
        return false;
    const std::string_view lines = listing_.lines(entry);
    const auto found = std::search(lines.begin(), lines.end(), needle_.cbegin(), needle_.cend(),
                                   [](char a, char b) { return lower(a) == b; });
    return found != lines.end();
}

int ScriptSearch::next(int from) const
{
    const int n = listing_.size();
    for (int step = 1; step <= n; ++step) {
        const int i = ((from + step) % n + n) % n;
        if (matches(i))
            return i;
    }
    return -1;
}

int ScriptSearch::previous(int from) const
{
    const int n = listing_.size();
    for (int step = 1; step <= n; ++step) {
        const int i = ((from - step) % n + n) % n;
        if (matches(i))
            return i;
    }
    return -1;
}

QList<int> ScriptSearch::all() const
{
    QList<int> found;
    for (int i = 0; i < listing_.size(); ++i)
        if (matches(i))
            found.append(i);
    return found;
}

std::optional<SnesAddress> parseScriptAddress(const QString& text)
{
    QString t = text.trimmed();
    bool ok = false;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const qint64 offset = t.mid(2).toLongLong(&ok, 16);
        if (!ok || t.size() < 3 || offset < 0 || offset >= rom::kMaxFileSize)
            return std::nullopt;
        return rom::snesAddress(offset);
    }
    if (t.startsWith(QLatin1Char('$')))
        t.remove(0, 1);
    if (t.size() == 7 && (t[2] == QLatin1Char(':') || t[2] == QLatin1Char('/')))
        t.remove(2, 1);
    if (t.size() != 6)
        return std::nullopt;
    const uint address = t.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return SnesAddress(address);
}

}  // namespace events

}  // namespace tessel
