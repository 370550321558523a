#include "text/dialoguescript.h"

#include "text/dialoguetext.h"
#include "text/textoptions.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace tessel {

using namespace dialoguetext;
using namespace dialoguescript;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Codes with no name of their own: the formatter writes them as "<%02X>",
// and only these parse back from that form. Any other code has a tag, is a
// character, or would change how a message ends (0x00, or an opener that
// takes the bytes after it as operands).
bool isUnnamedCode(quint8 code)
{
    return code == kCloseList || code == 0x17 || code == 0x18 || (code >= 0x1C && code <= 0x1F) ||
           (code >= 0x74 && code <= 0x7E);
}

QString hexTag(quint8 code)
{
    return QStringLiteral("<%1>").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

// Appends a 0x11 / 0x16 list starting at bytes[at] (the opening code) and
// returns the position after its closing 0x12 (or the end).
qsizetype formatList(const QByteArray& bytes, qsizetype at, bool plain, QString& text)
{
    const QString name = quint8(bytes[at]) == kOpenWT ? QStringLiteral("WT") : QStringLiteral("WS");
    QStringList values;
    qsizetype i = at + 1;
    for (; i < bytes.size() && quint8(bytes[i]) != kCloseList; ++i)
        values.append(QString::number(quint8(bytes[i])));
    if (!plain)
        text += values.isEmpty() ? QStringLiteral("<%1>").arg(name)
                                 : QStringLiteral("<%1 %2>").arg(name, values.join(QStringLiteral(", ")));
    return i + 1;
}

}  // namespace

void FormatDialogue(const DialogueMessage& message, QString& text, const quint32* options)
{
    bool hasForm = false;
    const quint32 form = textoptions::find(options, kOptionForm, 0, &hasForm);
    if (!hasForm)
        return;
    const bool plain = form == kFormPlain;
    text.clear();
    if (message.isEmpty()) {
        if (plain)
            text = QStringLiteral("<Empty>");
        return;
    }
    const QByteArray& bytes = message.bytes;
    qsizetype i = textoptions::find(options, kOptionStart, 0);
    while (i < bytes.size()) {
        const quint8 code = quint8(bytes[i]);
        if (code == kEnd) {
        } else if (code == kLineBreak) {
            text += plain ? QStringLiteral(" ") : kCrLf;
        } else if (code >= kFirstName && code <= kLastName) {
            text += plain ? defaultSlotName(code - 1) : QStringLiteral("<C %1>").arg(code - 1);
        } else if (code == kCodeD) {
            if (!plain)
                text += QStringLiteral("<D>");
        } else if (code == kOpenWT || code == kOpenWS) {
            i = formatList(bytes, i, plain, text);
            continue;
        } else if (code == kCloseList) {
            if (!plain)
                text += hexTag(code);
        } else if (code == kPageBreak) {
            text += plain ? QStringLiteral(" ") : QStringLiteral("<P>") + kCrLf;
        } else if (code == kCodeT) {
            const quint8 value = i + 1 < bytes.size() ? quint8(bytes[i + 1]) : 0;
            if (!plain)
                text += QStringLiteral("<T %1>").arg(value);
            ++i;
        } else if (code == kChoice) {
            text += QLatin1Char('^');
        } else if (code == kNumber) {
            text += QStringLiteral("<N>");
        } else if (code == kItem) {
            text += QStringLiteral("<I>");
        } else if (code == kSpell) {
            text += QStringLiteral("<S>");
        } else if (code >= kFirstPair) {
            text += pairStrings()[code - kFirstPair];
        } else if (const QChar ch = charFromCode(code); !ch.isNull()) {
            text += ch;
        } else {
            Q_ASSERT(isUnnamedCode(code));
            text += hexTag(code);
        }
        ++i;
    }
}

namespace {

// A decimal number as C's atoi reads it: blanks, an optional sign, digits;
// only the low 8 bits are kept, so large numbers wrap.
quint8 leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    quint32 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = value * 10 + quint32(text[i].unicode() - '0');
    return quint8(negative ? 0u - value : value);
}

int hexDigit(QChar ch)
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

class ScriptParser {
public:
    explicit ScriptParser(const QString& text) : text_(text) {}

    bool parse(QByteArray& out, QString* error)
    {
        while (at_ < text_.size()) {
            const QChar ch = text_[at_];
            if (ch == QLatin1Char('\r') && at_ + 1 < text_.size() && text_[at_ + 1] == QLatin1Char('\n')) {
                out.append(char(kLineBreak));
                at_ += 2;
            } else if (ch == QLatin1Char('^')) {
                out.append(char(kChoice));
                ++at_;
            } else if (ch == QLatin1Char('<')) {
                if (!parseTag(out, error))
                    return false;
            } else {
                if (const quint8 code = codeFromChar(ch))
                    out.append(char(code));
                ++at_;  // characters without a code are dropped
            }
        }
        return true;
    }

private:
    bool fail(QString* error, const QString& why)
    {
        if (error)
            *error = why;
        return false;
    }

    // The position of the ">" that closes the tag opened at at_, or -1.
    qsizetype tagEnd(qsizetype from) const { return text_.indexOf(QLatin1Char('>'), from); }

    bool parseTag(QByteArray& out, QString* error)
    {
        const qsizetype open = at_;
        if (open + 1 >= text_.size())
            return fail(error, QCoreApplication::translate("DialogueScript", "The text ends with \"<\"."));
        const QChar letter = text_[open + 1];
        const QChar upper = letter.toUpper();

        if (letter >= QLatin1Char('0') && letter <= QLatin1Char('9')) {
            // "<%02X>": a byte without a name.
            const int high = hexDigit(letter);
            const int low = open + 2 < text_.size() ? hexDigit(text_[open + 2]) : -1;
            if (low < 0 || open + 3 >= text_.size() || text_[open + 3] != QLatin1Char('>'))
                return fail(error, QCoreApplication::translate(
                                       "DialogueScript", "A byte tag at position %1 is not two hexadecimal digits.")
                                       .arg(open));
            const quint8 code = quint8(high * 16 + low);
            if (!isUnnamedCode(code))
                return fail(error,
                            QCoreApplication::translate("DialogueScript",
                                                        "The byte tag %1 at position %2 is not allowed: only codes "
                                                        "without a name of their own are written that way.")
                                .arg(hexTag(code))
                                .arg(open));
            out.append(char(code));
            at_ = open + 4;
            return true;
        }
        if (upper == QLatin1Char('N') || upper == QLatin1Char('I') || upper == QLatin1Char('S') ||
            upper == QLatin1Char('D')) {
            if (open + 1 == text_.size() - 1)
                return fail(
                    error,
                    QCoreApplication::translate("DialogueScript", "The text ends inside the tag <%1.").arg(letter));
            const char code = upper == QLatin1Char('N')   ? kNumber
                              : upper == QLatin1Char('I') ? kItem
                              : upper == QLatin1Char('S') ? kSpell
                                                          : kCodeD;
            out.append(code);
            at_ = open + 3;  // the letter and the character after it (">")
            return true;
        }
        if (upper == QLatin1Char('P')) {
            const qsizetype close = tagEnd(open + 2);
            if (close < 0)
                return fail(
                    error,
                    QCoreApplication::translate("DialogueScript", "The tag <P at position %1 has no \">\".").arg(open));
            out.append(char(kPageBreak));
            at_ = close + 1;
            if (text_.mid(at_, 2) == kCrLf)
                at_ += 2;
            return true;
        }
        if (upper == QLatin1Char('C') || upper == QLatin1Char('T')) {
            const qsizetype close = tagEnd(open + 2);
            if (close < 0)
                return fail(error,
                            QCoreApplication::translate("DialogueScript", "The tag <%1 at position %2 has no \">\".")
                                .arg(letter)
                                .arg(open));
            const quint8 value = leadingNumber(QStringView(text_).mid(open + 2, close - open - 2));
            if (upper == QLatin1Char('C')) {
                // Numbers past the name slots write other codes, but never one
                // that ends the message or takes the bytes after it.
                const quint8 code = quint8(value + 1);
                if (code == kEnd || code == kCodeT || code == kOpenWT || code == kOpenWS)
                    return fail(error, QCoreApplication::translate("DialogueScript",
                                                                   "The tag <C %1> at position %2 names no character.")
                                           .arg(value)
                                           .arg(open));
                out.append(char(code));
            } else {
                out.append(char(kCodeT));
                out.append(char(value));
            }
            at_ = close + 1;
            return true;
        }
        if (upper == QLatin1Char('W') && open + 2 < text_.size() &&
            (text_[open + 2].toUpper() == QLatin1Char('T') || text_[open + 2].toUpper() == QLatin1Char('S'))) {
            const bool wt = text_[open + 2].toUpper() == QLatin1Char('T');
            const qsizetype close = tagEnd(open + 3);
            if (close < 0)
                return fail(error,
                            QCoreApplication::translate("DialogueScript", "The list tag at position %1 has no \">\".")
                                .arg(open));
            out.append(char(wt ? kOpenWT : kOpenWS));
            const QStringView body = QStringView(text_).mid(open + 3, close - open - 3);
            if (!body.trimmed().isEmpty())
                for (QStringView value : body.split(QLatin1Char(',')))
                    out.append(char(leadingNumber(value)));
            out.append(char(kCloseList));
            at_ = close + 1;
            return true;
        }
        return fail(
            error,
            QCoreApplication::translate("DialogueScript", "Unknown tag \"<%1\" at position %2.").arg(letter).arg(open));
    }

    const QString& text_;
    qsizetype at_ = 0;
};

}  // namespace

bool ParseDialogue(DialogueMessage& message, const QString& text, QString* error)
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

namespace dialoguescript {

QString plainText(const DialogueMessage& message)
{
    const quint32 options[] = {kOptionForm, kFormPlain, 0};
    QString text;
    FormatDialogue(message, text, options);
    return text;
}

QString scriptText(const DialogueMessage& message)
{
    const quint32 options[] = {kOptionForm, kFormScript, 0};
    QString text;
    FormatDialogue(message, text, options);
    return text;
}

}  // namespace dialoguescript

}  // namespace tessel
