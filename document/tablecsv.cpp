#include "document/tablecsv.h"

#include "document/csvtext.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>

namespace tessel {

namespace tablecsv {

namespace {

struct Column {
    QString header;
    QString group;
    QString key;
};

QString headerOf(const PropertyGroup& group, const Property& p)
{
    return group.label + QLatin1Char('/') + p.exportKey();
}

// Every field any record has, each where the first record that has it
// shows it: after the field that record shows before it.
std::vector<Column> columnsOf(const std::vector<PropertyList>& lists)
{
    std::vector<Column> columns;
    QSet<QString> known;
    for (const PropertyList& list : lists) {
        QString previous;
        for (const PropertyGroup& group : list.groups)
            for (const Property& p : group.properties) {
                const QString header = headerOf(group, p);
                if (!known.contains(header)) {
                    known.insert(header);
                    auto at = columns.begin();
                    if (!previous.isEmpty())
                        at = std::find_if(columns.begin(), columns.end(),
                                          [&previous](const Column& c) { return c.header == previous; }) + 1;
                    columns.insert(at, Column{header, group.label, p.exportKey()});
                }
                previous = header;
            }
    }
    return columns;
}

std::vector<PropertyList> listsOf(const PropertyTable& table)
{
    std::vector<PropertyList> lists;
    lists.reserve(std::size_t(table.count()));
    for (int i = 0; i < table.count(); ++i)
        lists.push_back(table.properties(i));
    return lists;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString rowText(int row)
{
    return QCoreApplication::translate("TableCsv", "Row %1").arg(row);
}

QString cellText(int row, const QString& header)
{
    return QCoreApplication::translate("TableCsv", "Row %1, column %2").arg(row).arg(quoted(header));
}

// The header row checked against the table's columns: the column each cell
// names (index 0 is the record index), or errors.
std::vector<const Column*> readHeader(const QStringList& header, const std::vector<Column>& columns,
                                      const QString& tableName, QStringList* errors)
{
    std::map<QString, const Column*> byHeader;
    for (const Column& c : columns)
        byHeader.emplace(c.header, &c);
    std::vector<const Column*> named{nullptr};
    QSet<QString> seen;
    for (qsizetype c = 1; c < header.size(); ++c) {
        const auto it = byHeader.find(header[c]);
        if (it == byHeader.end())
            errors->append(cellText(1, header[c]) + QLatin1String(": ") +
                           QCoreApplication::translate("TableCsv", "names no field of the %1 table").arg(tableName));
        else if (seen.contains(header[c]))
            errors->append(cellText(1, header[c]) + QLatin1String(": ") +
                           QCoreApplication::translate("TableCsv", "names a field a second time"));
        seen.insert(header[c]);
        named.push_back(it == byHeader.end() ? nullptr : it->second);
    }
    return named;
}

}  // namespace

QByteArray exportTable(CFF3Doc& doc, RecordKind kind)
{
    const PropertyTable table(doc, kind);
    const std::vector<PropertyList> lists = listsOf(table);
    const std::vector<Column> columns = columnsOf(lists);
    QStringList header{table.tableName()};
    for (const Column& c : columns)
        header.append(c.header);
    QByteArray out = csvtext::row(header);
    for (int i = 0; i < table.count(); ++i) {
        QHash<QString, QString> values;
        for (const PropertyGroup& group : lists[std::size_t(i)].groups)
            for (const Property& p : group.properties)
                values.insert(headerOf(group, p), tablefields::exportText(p));
        QStringList cells{QString::number(i)};
        for (const Column& c : columns)
            cells.append(values.value(c.header));
        out += csvtext::row(cells);
    }
    return out;
}

tablefields::ImportResult importTable(CFF3Doc& doc, const QByteArray& file, std::optional<RecordKind> only)
{
    tablefields::ImportResult result;
    QByteArray text = file;
    if (text.startsWith("\xEF\xBB\xBF"))  // the byte-order mark some spreadsheets write
        text.remove(0, 3);
    const csvtext::ReadResult csv = csvtext::read(text, kMaxRows, kMaxColumns);
    if (csv.error) {
        const QStringList header = csv.rows.empty() ? QStringList() : csv.rows.front();
        const QString where = csv.error->row > 1 && csv.error->column <= header.size()
                                  ? cellText(csv.error->row, header[csv.error->column - 1])
                                  : QCoreApplication::translate("TableCsv", "Row %1, cell %2")
                                        .arg(csv.error->row)
                                        .arg(csv.error->column);
        result.errors.append(where + QLatin1String(": ") + csv.error->reason);
        return result;
    }
    if (csv.rows.empty()) {
        result.errors.append(QCoreApplication::translate("TableCsv", "The file has no header row."));
        return result;
    }
    const QStringList& header = csv.rows.front();
    const std::optional<RecordKind> kind = PropertyTable::kindNamed(doc, header.front());
    if (!kind) {
        result.errors.append(QCoreApplication::translate("TableCsv", "Row 1, cell 1: the first header must be %1.")
                                 .arg(PropertyTable::tableNames(doc, QStringLiteral("\""))));
        return result;
    }
    const PropertyTable table(doc, *kind);
    if (only && *only != *kind) {
        result.errors.append(tablefields::otherTableMessage(doc, table, *only));
        return result;
    }
    const std::vector<Column> columns = columnsOf(listsOf(table));
    const std::vector<const Column*> named = readHeader(header, columns, table.tableName(), &result.errors);
    if (!result.errors.isEmpty())
        return result;

    std::vector<tablefields::RecordEdit> edits;
    std::map<int, int> rowOfRecord;
    for (std::size_t r = 1; r < csv.rows.size(); ++r) {
        const QStringList& cells = csv.rows[r];
        const int row = int(r) + 1;
        if (cells.size() != header.size()) {
            result.errors.append(QCoreApplication::translate("TableCsv", "%1 has %2 cells where the header has %3.")
                                     .arg(rowText(row))
                                     .arg(cells.size())
                                     .arg(header.size()));
            continue;
        }
        bool isNumber = false;
        const int index = cells.front().toInt(&isNumber);
        if (!isNumber || index < 0 || index >= table.count()) {
            result.errors.append(cellText(row, header.front()) + QLatin1String(": ") +
                                 QCoreApplication::translate("TableCsv", "%1 is not a record number from 0 to %2")
                                     .arg(quoted(cells.front()))
                                     .arg(table.count() - 1));
            continue;
        }
        if (const auto [at, first] = rowOfRecord.emplace(index, row); !first) {
            result.errors.append(QCoreApplication::translate("TableCsv", "%1: %2 is in row %3 already.")
                                     .arg(rowText(row), table.recordTitle(index))
                                     .arg(at->second));
            continue;
        }
        std::vector<tablefields::FieldValue> values;
        for (qsizetype c = 1; c < cells.size(); ++c)
            if (!cells[c].isEmpty())
                values.push_back({named[std::size_t(c)]->group, named[std::size_t(c)]->key, cells[c],
                                  cellText(row, header[c]), true});
        tablefields::RecordEdit edit(table, index);
        if (edit.apply(std::move(values), &result.errors))
            edits.push_back(std::move(edit));
    }
    if (!result.errors.isEmpty())
        return result;
    result.changedRecords = tablefields::commit(doc, table, edits);
    return result;
}

}  // namespace tablecsv

}  // namespace tessel
