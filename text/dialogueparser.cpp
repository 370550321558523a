#include "text/dialoguescript.h"

#include "text/dialoguetext.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>
#include <optional>

namespace tessel
{

using namespace dialoguetext;
using namespace dialoguescript;

namespace
{

// Characters word processors put in place of ones the game has.
QString typographicStandIn(QChar ch)
{
    switch (ch.unicode()) {
        case 0x2018:  // curly single quotes
        case 0x2019: return QStringLiteral("'");
        case 0x201C:  // curly double quotes
        case 0x201D: return QStringLiteral("\"");
        case 0x2026: return QStringLiteral("...");  // ellipsis
        case 0x2013:                                // en dash
        case 0x2014: return QStringLiteral("-");    // em dash
        default: return {};
    }
}

// A character as a message names it: itself, and its code point when it
// cannot be seen (a tab, a control character).
QString describe(const QString& text, qsizetype at)
{
    const char32_t code = text[at].isHighSurrogate() && at + 1 < text.size()
                              ? QChar::surrogateToUcs4(text[at], text[at + 1])
                              : text[at].unicode();
    const QString hex = QStringLiteral("U+%1").arg(quint32(code), 4, 16, QLatin1Char('0')).toUpper();
    if (QChar::isPrint(code) && !QChar::isSpace(code))
        return QStringLiteral("\"%1\" (%2)").arg(QString::fromUcs4(&code, 1), hex);
    return hex;
}

class ScriptParser {
public:
    explicit ScriptParser(const QString& text) : text_(text) {}

    bool parse(QByteArray& out, ScriptError* error)
    {
        while (at_ < text_.size()) {
            const QChar ch = text_[at_];
            if (ch == QLatin1Char('\r') && at_ + 1 < text_.size() && text_[at_ + 1] == QLatin1Char('\n')) {
                out.append(char(kLineBreak));
                at_ += 2;
            } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
                return fail(
                    error, at_,
                    QCoreApplication::translate("DialogueScript", "a line break must be CR LF; this one is a lone %1.")
                        .arg(ch == QLatin1Char('\r') ? QCoreApplication::translate("DialogueScript", "CR")
                                                     : QCoreApplication::translate("DialogueScript", "LF")));
            } else if (ch == QLatin1Char('^')) {
                out.append(char(kChoice));
                ++at_;
            } else if (ch == QLatin1Char('<')) {
                if (!parseTag(out, error))
                    return false;
            } else if (ch == QLatin1Char('>')) {
                return fail(error, at_, QCoreApplication::translate("DialogueScript", "\">\" stands outside a tag."));
            } else if (const quint8 code = codeFromChar(ch)) {
                out.append(char(code));
                ++at_;
            } else if (const QString standIn = typographicStandIn(ch); !standIn.isEmpty()) {
                for (const QChar c : standIn)
                    out.append(char(codeFromChar(c)));
                ++at_;
            } else {
                return fail(error, at_,
                            QCoreApplication::translate("DialogueScript", "the game has no character %1.")
                                .arg(describe(text_, at_)));
            }
        }
        return true;
    }

private:
    bool fail(ScriptError* error, qsizetype offset, const QString& why) const
    {
        if (!error)
            return false;
        error->offset = offset;
        error->line = 1;
        error->column = 1;
        for (qsizetype i = 0; i < offset; ++i) {
            if (text_[i] == QLatin1Char('\n')) {
                ++error->line;
                error->column = 1;
            } else if (!text_[i].isLowSurrogate()) {
                ++error->column;
            }
        }
        error->reason = why;
        return false;
    }

    // The tag's text from `open` through its ">", or up to the end.
    QString tagText(qsizetype open, qsizetype close) const
    {
        return text_.mid(open, close < 0 ? text_.size() - open : close - open + 1);
    }

    // Blanks are spaces only: a tag's text is one line of the script.
    static QStringView withoutSpaces(QStringView body)
    {
        while (!body.isEmpty() && body.front() == QLatin1Char(' '))
            body = body.mid(1);
        while (!body.isEmpty() && body.back() == QLatin1Char(' '))
            body.chop(1);
        return body;
    }

    // A decimal number with an optional sign and nothing else.
    static std::optional<int> number(QStringView body)
    {
        body = withoutSpaces(body);
        qsizetype i = 0;
        if (!body.isEmpty() && (body[0] == QLatin1Char('-') || body[0] == QLatin1Char('+')))
            ++i;
        if (i == body.size() || body.size() > 10)
            return std::nullopt;
        qint64 value = 0;
        for (qsizetype d = i; d < body.size(); ++d) {
            if (body[d] < QLatin1Char('0') || body[d] > QLatin1Char('9'))
                return std::nullopt;
            value = value * 10 + (body[d].unicode() - '0');
        }
        if (body[0] == QLatin1Char('-'))
            value = -value;
        return value >= INT_MIN && value <= INT_MAX ? std::optional<int>(int(value)) : std::nullopt;
    }

    // An unclosed tag's start as far as it can be meant: to the next tag
    // or the end of its line, at most a few characters.
    QString unclosedTag(qsizetype open, qsizetype nextOpen) const
    {
        qsizetype end = nextOpen < 0 ? text_.size() : nextOpen;
        for (qsizetype i = open; i < end; ++i)
            if (text_[i] == QLatin1Char('\r') || text_[i] == QLatin1Char('\n'))
                end = i;
        return text_.mid(open, std::min<qsizetype>(end - open, 12));
    }

    static int hexDigit(QChar ch)
    {
        const ushort u = ch.unicode();
        if (u >= '0' && u <= '9')
            return u - '0';
        if (u >= 'A' && u <= 'F')
            return u - 'A' + 10;
        if (u >= 'a' && u <= 'f')
            return u - 'a' + 10;
        return -1;
    }

    bool parseTag(QByteArray& out, ScriptError* error)
    {
        const qsizetype open = at_;
        const qsizetype close = text_.indexOf(QLatin1Char('>'), open + 1);
        const qsizetype nextOpen = text_.indexOf(QLatin1Char('<'), open + 1);
        if (close < 0 || (nextOpen >= 0 && nextOpen < close))
            return fail(error, open,
                        QCoreApplication::translate("DialogueScript", "the tag \"%1\" is not closed with \">\".")
                            .arg(unclosedTag(open, nextOpen)));
        const QString tag = tagText(open, close);
        const QStringView inside = QStringView(text_).mid(open + 1, close - open - 1);
        const QChar letter = inside.isEmpty() ? QChar() : inside[0].toUpper();
        at_ = close + 1;

        if (letter >= QLatin1Char('0') && letter <= QLatin1Char('9')) {
            // "<17>": a byte without a name.
            if (inside.size() != 2 || hexDigit(inside[1]) < 0)
                return fail(
                    error, open,
                    QCoreApplication::translate("DialogueScript", "the byte tag %1 is not two hexadecimal digits.")
                        .arg(tag));
            const quint8 code = quint8(hexDigit(inside[0]) * 16 + hexDigit(inside[1]));
            if (!isUnnamedCode(code))
                return fail(
                    error, open,
                    QCoreApplication::translate("DialogueScript",
                                                "the byte tag %1 is not allowed: only codes without a name of their "
                                                "own are written that way.")
                        .arg(tag));
            out.append(char(code));
            return true;
        }
        const QStringView rest = inside.mid(1);
        if (letter == QLatin1Char('N') || letter == QLatin1Char('I') || letter == QLatin1Char('S') ||
            letter == QLatin1Char('D') || letter == QLatin1Char('P')) {
            if (!withoutSpaces(rest).isEmpty())
                return fail(error, open,
                            QCoreApplication::translate("DialogueScript", "the tag %1 takes nothing after its letter.")
                                .arg(tag));
            out.append(letter == QLatin1Char('N')   ? char(kNumber)
                       : letter == QLatin1Char('I') ? char(kItem)
                       : letter == QLatin1Char('S') ? char(kSpell)
                       : letter == QLatin1Char('D') ? char(kCodeD)
                                                    : char(kPageBreak));
            // The formatter ends a page's line after "<P>".
            if (letter == QLatin1Char('P') && QStringView(text_).mid(at_, 2) == QLatin1String("\r\n"))
                at_ += 2;
            return true;
        }
        if (letter == QLatin1Char('C')) {
            const std::optional<int> slot = number(rest);
            if (!slot || *slot < 1 || *slot > kSlotCount)
                return fail(
                    error, open,
                    QCoreApplication::translate("DialogueScript", "%1 names no character: the slots are 1 to %2.")
                        .arg(tag)
                        .arg(kSlotCount));
            out.append(char(kFirstName + *slot - 1));
            return true;
        }
        if (letter == QLatin1Char('T')) {
            const std::optional<int> value = number(rest);
            if (!value || *value < 0 || *value > 255)
                return fail(error, open,
                            QCoreApplication::translate("DialogueScript", "%1 needs a value from 0 to 255.").arg(tag));
            out.append(char(kCodeT));
            out.append(char(*value));
            return true;
        }
        if (letter == QLatin1Char('W') && !rest.isEmpty() &&
            (rest[0].toUpper() == QLatin1Char('T') || rest[0].toUpper() == QLatin1Char('S'))) {
            out.append(char(rest[0].toUpper() == QLatin1Char('T') ? kOpenWT : kOpenWS));
            const QStringView body = rest.mid(1);
            if (!withoutSpaces(body).isEmpty()) {
                for (const QStringView item : body.split(QLatin1Char(','))) {
                    const std::optional<int> value = number(item);
                    if (!value || *value < 0 || *value > 255 || *value == kCloseList)
                        return fail(
                            error, open,
                            QCoreApplication::translate("DialogueScript",
                                                        "%1: \"%2\" is no list value; a value is 0 to 255 except %3, "
                                                        "which closes the list.")
                                .arg(tag, withoutSpaces(item).toString())
                                .arg(int(kCloseList)));
                    out.append(char(*value));
                }
            }
            out.append(char(kCloseList));
            return true;
        }
        return fail(error, open, QCoreApplication::translate("DialogueScript", "the tag %1 is unknown.").arg(tag));
    }

    const QString& text_;
    qsizetype at_ = 0;
};

}  // namespace

QString ScriptError::text() const
{
    return QCoreApplication::translate("DialogueScript", "line %1, column %2: %3").arg(line).arg(column).arg(reason);
}

bool ParseDialogue(DialogueMessage& message, const QString& text, ScriptError* error)
{
    if (text.isEmpty()) {
        message.bytes.clear();
        return true;
    }
    QByteArray bytes;
    if (!ScriptParser(text).parse(bytes, error))
        return false;
    bytes.append(char(kEnd));
    message.bytes = PairCompress(bytes);
    return true;
}

bool ParseDialogue(DialogueMessage& message, const QString& text, QString* error)
{
    ScriptError where;
    if (ParseDialogue(message, text, &where))
        return true;
    if (error)
        *error = where.text();
    return false;
}

}  // namespace tessel
