#include "text/plainname.h"

#include "text/menutext.h"

#include <algorithm>

#include <QCoreApplication>

namespace tessel {

namespace menutext {

namespace {

// The character a code stands for in plain names, or none.
QChar plainChar(quint8 code)
{
    if (code == kSpace)
        return QLatin1Char(' ');
    if (code >= kFirstSymbol)
        return {};
    const QString decoded = DecodeMenuText(&code, 1);
    return decoded.size() == 1 ? decoded[0] : QChar();
}

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
}

}  // namespace

QString PlainName(const quint8* bytes, int width)
{
    int length = width;
    while (length > 0 && bytes[length - 1] == kPadding)
        --length;
    QString text;
    for (int i = 0; i < length; ++i) {
        const QChar ch = plainChar(bytes[i]);
        if (!ch.isNull())
            text += ch;
        else
            text += QStringLiteral("<%1>").arg(bytes[i], 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

bool ParsePlainName(const QString& text, int width, QByteArray* field, QString* error)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('<')) {
            const QString digits = text.mid(i + 1, 2);
            const bool hex = digits.size() == 2 && std::all_of(digits.begin(), digits.end(), isHexDigit);
            if (!hex || i + 3 >= text.size() || text[i + 3] != QLatin1Char('>')) {
                *error = QCoreApplication::translate("PlainName", "\"%1\" is not a code like <D8>").arg(text.mid(i, 4));
                return false;
            }
            bytes += char(digits.toInt(nullptr, 16));
            i += 3;
            continue;
        }
        const quint8 code = MenuCodeFromChar(text[i]);
        if (code == 0) {
            *error = QCoreApplication::translate("PlainName", "'%1' has no code in the menu font").arg(text[i]);
            return false;
        }
        bytes += char(code);
    }
    if (bytes.size() > width) {
        *error = QCoreApplication::translate("PlainName", "longer than %1 characters").arg(width);
        return false;
    }
    *field = bytes + QByteArray(width - bytes.size(), char(kPadding));
    return true;
}

}  // namespace menutext

}  // namespace tessel
