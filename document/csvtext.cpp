#include "document/csvtext.h"

#include <QCoreApplication>

#include <csv.h>

namespace tessel {

namespace csvtext {

namespace {

bool needsQuotes(const QString& text)
{
    if (text.isEmpty())
        return false;
    const auto isSpace = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    if (isSpace(text.front()) || isSpace(text.back()))
        return true;
    for (const QChar c : text)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            return true;
    return false;
}

// What the parser's callbacks fill in.
struct Reader {
    int maxRows;
    int maxColumns;
    ReadResult result;
    QStringList current;
    int rowsSeen = 0;    // complete rows, also those past the limit
    int fieldsSeen = 0;  // cells of the row being read

    void fail(int row, int column, const QString& reason)
    {
        if (!result.error)
            result.error = ReadError{row, column, reason};
    }
};

void onField(void* text, size_t length, void* data)
{
    auto* r = static_cast<Reader*>(data);
    ++r->fieldsSeen;
    if (r->result.error)
        return;
    if (r->fieldsSeen > r->maxColumns) {
        r->fail(r->rowsSeen + 1, r->fieldsSeen,
                QCoreApplication::translate("CsvText", "the row has more than %1 cells").arg(r->maxColumns));
        return;
    }
    r->current.append(QString::fromUtf8(static_cast<const char*>(text), qsizetype(length)));
}

void onRow(int, void* data)
{
    auto* r = static_cast<Reader*>(data);
    ++r->rowsSeen;
    r->fieldsSeen = 0;
    if (!r->result.error && r->rowsSeen > r->maxRows)
        r->fail(r->rowsSeen, 1, QCoreApplication::translate("CsvText", "the file has more than %1 rows").arg(r->maxRows));
    if (!r->result.error)
        r->result.rows.push_back(r->current);
    r->current.clear();
}

}  // namespace

QByteArray cell(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!needsQuotes(text))
        return utf8;
    QByteArray quoted(qsizetype(csv_write(nullptr, 0, utf8.constData(), size_t(utf8.size()))), Qt::Uninitialized);
    csv_write(quoted.data(), size_t(quoted.size()), utf8.constData(), size_t(utf8.size()));
    return quoted;
}

QByteArray row(const QStringList& cells)
{
    QByteArray out;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += ',';
        out += cell(cells[i]);
    }
    return out + '\n';
}

ReadResult read(const QByteArray& text, int maxRows, int maxColumns)
{
    Reader reader{maxRows, maxColumns, {}, {}};
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        reader.fail(1, 1, QCoreApplication::translate("CsvText", "out of memory"));
        return reader.result;
    }
    const size_t parsed = csv_parse(&parser, text.constData(), size_t(text.size()), onField, onRow, &reader);
    const bool wellFormed = parsed == size_t(text.size()) &&
                            csv_fini(&parser, onField, onRow, &reader) == 0;
    if (!wellFormed) {
        // The parser stops in the cell that is wrong: the one after those
        // the row has so far.
        const bool open = parsed == size_t(text.size());
        const QString reason =
            csv_error(&parser) != CSV_EPARSE
                ? QString::fromUtf8(csv_strerror(csv_error(&parser)))
            : open ? QCoreApplication::translate("CsvText", "a quoted cell has no closing quote")
                   : QCoreApplication::translate(
                         "CsvText", "a quote out of place (a quoted cell is quoted whole, a quote in it doubled)");
        reader.fail(reader.rowsSeen + 1, reader.fieldsSeen + 1, reason);
    }
    csv_free(&parser);
    return reader.result;
}

}  // namespace csvtext

}  // namespace tessel
