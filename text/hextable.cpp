#include "text/hextable.h"

#include "text/dialoguescript.h"
#include "text/dialoguetext.h"
#include "text/menutext.h"

#include <QString>

#include <map>

namespace tessel {

namespace hextable {

namespace {

QString hex(quint8 code)
{
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

// The text of a dialogue code's character, the space code as a space.
QString dialogueChar(quint8 code)
{
    const QChar ch = dialoguetext::charFromCode(code);
    return ch.isNull() ? QString() : QString(ch);
}

}  // namespace

QByteArray dialogueTable()
{
    using namespace dialoguetext;
    std::map<quint8, QString> codes;
    const auto line = [&](quint8 code, const QString& text) { codes[code] = text; };
    line(kLineBreak, QStringLiteral("[LF]"));
    for (int slot = 1; slot <= kSlotCount; ++slot)
        line(quint8(kFirstName + slot - 1), QStringLiteral("[C %1]").arg(slot));
    line(kCodeD, QStringLiteral("[D]"));
    line(kOpenWT, QStringLiteral("[WT]"));
    line(kCloseList, QStringLiteral("[/LIST]"));
    line(kPageBreak, QStringLiteral("[P]"));
    line(kCodeT, QStringLiteral("[T]"));
    line(kChoice, QStringLiteral("[^]"));
    line(kOpenWS, QStringLiteral("[WS]"));
    line(kNumber, QStringLiteral("[N]"));
    line(kItem, QStringLiteral("[I]"));
    line(kSpell, QStringLiteral("[S]"));
    for (int code = 0x17; code < 0x20; ++code)
        if (dialoguescript::isUnnamedCode(quint8(code)))
            line(quint8(code), QStringLiteral("[%1]").arg(hex(quint8(code))));
    for (int code = 0x20; code < kFirstPair; ++code)
        if (const QString text = dialogueChar(quint8(code)); !text.isEmpty())
            line(quint8(code), text);
    for (int k = 0; k < kPairCount; ++k)
        line(quint8(kFirstPair + k), dialogueChar(DialoguePairTable[std::size_t(2 * k)])
                                         + dialogueChar(DialoguePairTable[std::size_t(2 * k + 1)]));
    QString table = QStringLiteral("/%1=[END]\n").arg(hex(kEnd));
    for (const auto& [code, text] : codes)
        table += hex(code) + QLatin1Char('=') + text + QLatin1Char('\n');
    return table.toUtf8();
}

QByteArray menuTable()
{
    using namespace menutext;
    QString table;
    const auto line = [&](quint8 code, const QString& text) { table += hex(code) + QLatin1Char('=') + text + QLatin1Char('\n'); };
    table += QStringLiteral("/00=[END]\n");
    QString symbols[kSymbolCount];
    for (int i = 0; i < kSymbolMenuSize; ++i)
        if (kSymbolMenu[i].name)
            symbols[kSymbolMenu[i].character - kFirstSymbolChar] = QString::fromLatin1(kSymbolMenu[i].name);
    for (int code = 0x80; code < 0x100; ++code) {
        const quint8 c = quint8(code);
        if (c == kSpace) {
            line(c, QStringLiteral(" "));
        } else if (c == kPadding) {
            line(c, QStringLiteral("[PAD]"));
        } else if (c >= kFirstSymbol && c < kFirstSymbol + kSymbolCount) {
            const QString& name = symbols[c - kFirstSymbol];
            line(c, QStringLiteral("[%1]").arg(name.isEmpty() ? hex(c) : name));
        } else if (const QString text = DecodeListingName(&c, 1); !text.startsWith(QLatin1Char('<')) && !text.isEmpty()) {
            line(c, text);
        }
    }
    return table.toUtf8();
}

}  // namespace hextable

}  // namespace tessel
