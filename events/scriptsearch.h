#pragma once

#include "events/scriptlisting.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <string_view>

namespace tessel {

namespace events {

// A text to look for in UTF-8 lines in any case, letters past ASCII
// (accented ones from a custom table) included. Lines and texts of plain
// ASCII, nearly all of a listing, are compared byte by byte.
class FoldedText {
public:
    explicit FoldedText(const QString& text);

    bool isEmpty() const { return text_.isEmpty(); }
    bool isIn(std::string_view lines) const;

private:
    QString text_;
    QByteArray lowerAscii_;  // empty when the text has letters past ASCII
};

// Finds entries of a listing whose lines (message line included) hold a
// text, in any case.
class ScriptSearch {
public:
    ScriptSearch(const ScriptListing& listing, const QString& text);

    bool isEmpty() const { return needle_.isEmpty(); }
    bool matches(int entry) const;
    // The next (or previous) matching entry after (before) `from`, going
    // round the end of the listing; `from` itself comes last. -1 for none.
    int next(int from) const;
    int previous(int from) const;
    // Every matching entry, in address order.
    QList<int> all() const;

private:
    const ScriptListing& listing_;
    FoldedText needle_;
};

// An address typed by the user: an SNES address ("CA1234", "$CA:1234",
// "CA/1234") or, with 0x before it, a file offset ("0xA1434", header
// included). Nothing when the text is neither.
std::optional<SnesAddress> parseScriptAddress(const QString& text);

}  // namespace events

}  // namespace tessel
