#include "text/menutext.h"

#include "text/textoptions.h"

namespace tessel {

namespace menutext {

namespace {

// Punctuation of the menu encoding from 0xBE on; 0 where a code has none.
constexpr char16_t kPunctuation[] = {
    u'!', u'?', u'/', u':', u'"', u'\'', u'-', u'.', u',', u'_', u';', u'#',  // 0xBE-0xC9
    u'+', u'(', u')', u'%', u'~', u'*', 0, 0, u'=', u'@', 0, 0, 0, u'$',    // 0xCA-0xD7
};
constexpr quint8 kPunctuationStart = 0xBE;
constexpr quint8 kPunctuationEnd = 0xD7;

// The character of a code by the menu table, or 0.
char16_t tableChar(quint8 code)
{
    if (code >= 0x80 && code <= 0x99)
        return char16_t(u'A' + (code - 0x80));
    if (code >= 0x9A && code <= 0xB3)
        return char16_t(u'a' + (code - 0x9A));
    if (code >= 0xB4 && code <= 0xBD)
        return char16_t(u'0' + (code - 0xB4));
    if (code >= kPunctuationStart && code <= kPunctuationEnd)
        return kPunctuation[code - kPunctuationStart];
    return 0;
}

}  // namespace

QString DecodeMenuText(const quint8* bytes, int length, const quint32* options)
{
    (void)textoptions::find(options, kOptionIgnored, 0);
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) {
        const quint8 code = bytes[i];
        if (code == kPadding)
            text += QLatin1Char(' ');
        else if (code >= kFirstSymbol)
            text += QChar(ushort(code - 0x38));
        else if (const char16_t ch = tableChar(code))
            text += QChar(ch);
    }
    return text;
}

QString DecodeListingName(const quint8* bytes, int length)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        const quint8 code = bytes[i];
        if (code == kSpace || code == kPadding)
            text += QLatin1Char(' ');
        else if (const char16_t ch = tableChar(code))
            text += QChar(ch);
        else
            text += QStringLiteral("<%1>").arg(code, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

quint8 MenuCodeFromChar(QChar ch)
{
    const ushort u = ch.unicode();
    if (u == ' ')
        return kSpace;
    if (u >= kFirstSymbolChar && u <= 0xFF)
        return quint8((u + 0x38) & 0xFF);
    if (u >= 0x80)
        return 0;
    for (int code = 0x80; code <= kPunctuationEnd; ++code)
        if (tableChar(quint8(code)) == u)
            return quint8(code);
    return 0;
}

QChar MenuGlyphLabel(quint8 code)
{
    if (code < 0x80)
        return QChar();
    if (code == 0xD7)
        return QLatin1Char('"');
    if (code == 0xC7)
        return QChar(ushort(code));
    if (const char16_t ch = tableChar(code))
        return QChar(ch);
    return QChar(ushort(code));
}

QByteArray EncodeMenuText(const QString& text, int width)
{
    QByteArray field(width, char(kPadding));
    int pos = 0;
    for (QChar ch : text) {
        if (pos >= width)
            break;
        if (const quint8 code = MenuCodeFromChar(ch))
            field[pos++] = char(code);
    }
    // A trailing space is padding.
    while (pos > 0 && quint8(field[pos - 1]) == kSpace)
        field[--pos] = char(kPadding);
    return field;
}

const SymbolEntry kSymbolMenu[] = {
    {"Dagger", 160}, {"Sword", 161}, {"Spear", 162}, {"Katana", 163}, {"Staff", 164},
    {"Rod", 165}, {"Star", 166}, {"Diamond", 167}, {"Card", 168}, {"Claw", 169},
    {"Brush", 173}, {"Skean", 174}, {nullptr, 0},
    {"Shield", 170}, {"Helmet", 171}, {"Armor", 172}, {"Relic", 175}, {nullptr, 0},
    {"White Magic", 176}, {"Black Magic", 177}, {"Effect Magic", 178},
};
const int kSymbolMenuSize = int(sizeof(kSymbolMenu) / sizeof(kSymbolMenu[0]));

}  // namespace menutext

}  // namespace tessel
