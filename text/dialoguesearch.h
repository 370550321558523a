#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace tessel {

// Finding and replacing text in the script form of the dialogue messages.
struct SearchOptions {
    enum class Direction { Down, Up, All };

    QString pattern;
    bool matchCase = false;
    bool wholeWords = false;
    Direction direction = Direction::All;
};

struct TextMatch {
    int message = -1;
    int position = -1;
    int length = 0;

    bool found() const { return message >= 0; }
};

class DialogueSearch {
public:
    // The script text of a message (the dialogue editor gives the edit box's
    // text for the message it shows).
    using TextOf = std::function<QString(int message)>;

    explicit DialogueSearch(SearchOptions options);

    const SearchOptions& options() const { return options_; }

    // The first match starting at or after `from`; backward, the last match
    // ending at or before `from`; none when there is none.
    std::optional<int> indexIn(const QString& text, int from, bool backward) const;
    // Whether the whole of `text` is one match (a selection to replace).
    bool isMatch(const QString& text) const;

    // The next match from `position` in `message` among `count` messages:
    // Down searches on to the last message, Up back to the first, All on
    // and round again to where it started.
    TextMatch findNext(int count, const TextOf& textOf, int message, int position) const;

    // Replaces every match in `text`; returns how many.
    int replaceIn(QString& text, const QString& replacement) const;

private:
    bool matchesAt(const QString& text, int position) const;

    SearchOptions options_;
};

// Replace All over the messages that the direction covers from `current`
// (Down: it and those after; Up: it and those before; All: every one).
// Each changed text is parsed; a text that no longer parses is left out
// and its message listed in `malformed`.
struct ReplaceAllResult {
    struct Change {
        int message;
        QByteArray bytes;
    };
    std::vector<Change> changes;
    std::vector<int> malformed;
    int replacements = 0;
};

ReplaceAllResult ReplaceAllInDialogue(const DialogueSearch& search, const QString& replacement, int count,
                                      const DialogueSearch::TextOf& textOf, int current);

}  // namespace tessel
