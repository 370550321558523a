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

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (uchar(c) & 0x80) == 0; });
}

}  // namespace

FoldedText::FoldedText(const QString& text) : text_(text)
{
    // Folded first: a letter past ASCII may fold into it (the Kelvin sign into k).
    const QByteArray utf8 = text.toCaseFolded().toUtf8();
    if (!isAscii(std::string_view(utf8.constData(), std::size_t(utf8.size()))))
        return;
    lowerAscii_ = utf8;
    for (char& c : lowerAscii_)
        c = lower(c);
}

bool FoldedText::isIn(std::string_view lines) const
{
    if (text_.isEmpty())
        return false;
    if (!lowerAscii_.isEmpty()) {
        const auto found = std::search(lines.begin(), lines.end(), lowerAscii_.cbegin(), lowerAscii_.cend(),
                                       [](char a, char b) { return lower(a) == b; });
        if (found != lines.end())
            return true;
        // Only a letter past ASCII can still match (the Kelvin sign is a k).
        if (isAscii(lines))
            return false;
    } else if (isAscii(lines)) {
        return false;
    }
    return QString::fromUtf8(lines.data(), qsizetype(lines.size())).contains(text_, Qt::CaseInsensitive);
}

ScriptSearch::ScriptSearch(const ScriptListing& listing, const QString& text) : listing_(listing), needle_(text) {}

bool ScriptSearch::matches(int entry) const
{
    if (entry < 0 || entry >= listing_.size())
        return false;
    return needle_.isIn(listing_.lines(entry));
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
