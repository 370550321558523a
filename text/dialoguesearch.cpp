#include "text/dialoguesearch.h"

#include "text/dialoguescript.h"

#include <algorithm>

namespace tessel {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

}  // namespace

DialogueSearch::DialogueSearch(SearchOptions options) : options_(std::move(options)) {}

bool DialogueSearch::matchesAt(const QString& text, int position) const
{
    const int length = int(options_.pattern.size());
    if (length == 0 || position < 0 || position + length > text.size())
        return false;
    const Qt::CaseSensitivity cs = options_.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (QStringView(text).mid(position, length).compare(options_.pattern, cs) != 0)
        return false;
    if (!options_.wholeWords)
        return true;
    const bool startsWord = position == 0 || !isWordChar(text[position - 1]);
    const bool endsWord = position + length == text.size() || !isWordChar(text[position + length]);
    return startsWord && endsWord;
}

std::optional<int> DialogueSearch::indexIn(const QString& text, int from, bool backward) const
{
    const int length = int(options_.pattern.size());
    if (length == 0)
        return std::nullopt;
    if (backward) {
        for (int p = std::min(from, int(text.size())) - length; p >= 0; --p)
            if (matchesAt(text, p))
                return p;
        return std::nullopt;
    }
    for (int p = std::max(from, 0); p + length <= text.size(); ++p)
        if (matchesAt(text, p))
            return p;
    return std::nullopt;
}

bool DialogueSearch::isMatch(const QString& text) const
{
    return text.size() == options_.pattern.size() && matchesAt(text, 0);
}

TextMatch DialogueSearch::findNext(int count, const TextOf& textOf, int message, int position) const
{
    if (options_.pattern.isEmpty() || count <= 0)
        return {};
    message = std::clamp(message, 0, count - 1);
    const int length = int(options_.pattern.size());
    if (options_.direction == SearchOptions::Direction::Up) {
        for (int m = message; m >= 0; --m) {
            const QString text = textOf(m);
            if (const std::optional<int> at = indexIn(text, m == message ? position : int(text.size()), true))
                return {m, *at, length};
        }
        return {};
    }
    for (int m = message; m < count; ++m)
        if (const std::optional<int> at = indexIn(textOf(m), m == message ? position : 0, false))
            return {m, *at, length};
    // All: round again from the first message to where the search began.
    if (options_.direction == SearchOptions::Direction::All)
        for (int m = 0; m <= message; ++m)
            if (const std::optional<int> at = indexIn(textOf(m), 0, false))
                return {m, *at, length};
    return {};
}

int DialogueSearch::replaceIn(QString& text, const QString& replacement) const
{
    int replaced = 0;
    for (std::optional<int> at = indexIn(text, 0, false); at; at = indexIn(text, *at + int(replacement.size()), false)) {
        text.replace(*at, options_.pattern.size(), replacement);
        ++replaced;
    }
    return replaced;
}

ReplaceAllResult ReplaceAllInDialogue(const DialogueSearch& search, const QString& replacement, int count,
                                      const DialogueSearch::TextOf& textOf, int current)
{
    ReplaceAllResult result;
    int first = 0;
    int last = count - 1;
    if (search.options().direction == SearchOptions::Direction::Down)
        first = std::max(current, 0);
    else if (search.options().direction == SearchOptions::Direction::Up)
        last = std::min(current, count - 1);
    for (int m = first; m <= last; ++m) {
        QString text = textOf(m);
        const int replaced = search.replaceIn(text, replacement);
        if (replaced == 0)
            continue;
        DialogueMessage parsed;
        if (!ParseDialogue(parsed, text)) {
            result.malformed.push_back(m);
            continue;
        }
        result.changes.push_back({m, parsed.bytes});
        result.replacements += replaced;
    }
    return result;
}

}  // namespace tessel
