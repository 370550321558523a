#include "text/dialoguescript.h"

#include "text/dialoguetext.h"
#include "text/textoptions.h"

#include <QStringList>

namespace tessel {

using namespace dialoguetext;
using namespace dialoguescript;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

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
                text += byteTag(code);
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
            text += byteTag(code);
        }
        ++i;
    }
}

namespace dialoguescript {

bool isUnnamedCode(quint8 code)
{
    return code == kCloseList || code == 0x17 || code == 0x18 || (code >= 0x1C && code <= 0x1F) ||
           (code >= 0x74 && code <= 0x7E);
}

QString byteTag(quint8 code)
{
    return QStringLiteral("<%1>").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

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
