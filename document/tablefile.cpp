#include "document/tablefile.h"

#include "document/tablecsv.h"
#include "document/tablejson.h"
#include "document/triggersjson.h"
#include "platform/fileaccess.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace tessel {

namespace tablefile {

std::optional<Format> formatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("json"), Qt::CaseInsensitive) == 0)
        return Format::Json;
    if (suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0)
        return Format::Csv;
    return std::nullopt;
}

QByteArray exportTable(CFF3Doc& doc, RecordKind kind, Format format)
{
    return format == Format::Csv ? tablecsv::exportTable(doc, kind) : tablejson::exportTable(doc, kind);
}

ImportResult importFile(CFF3Doc& doc, const QString& path, std::optional<RecordKind> only)
{
    ImportResult result;
    const std::optional<Format> format = formatOf(path);
    if (!format) {
        result.errors.append(QCoreApplication::translate("TableFile", "%1: a table file must end in .json or .csv").arg(path));
        return result;
    }
    // Only as much as a table file may hold is read: a larger one is refused unparsed.
    const platform::FileReadResult file = platform::readFileBounded(path, tablefields::kMaxFileSize);
    if (!file.ok && !file.tooLarge) {
        result.errors.append(QCoreApplication::translate("TableFile", "Could not open %1: %2").arg(path, file.reason));
        return result;
    }
    const auto notATable = [&](const QString& reason) {
        result.errors.append(QCoreApplication::translate("TableFile", "%1 is not a table file: %2").arg(path, reason));
        return result;
    };
    QString error;
    // A pipe over the limit has no length of its own: it held at least one byte more.
    const qint64 length = file.ok ? file.data.size() : std::max(file.fileLength, tablefields::kMaxFileSize + 1);
    if (!tablefields::checkFileSize(length, &error))
        return notATable(error);
    if (*format == Format::Csv)
        return tablecsv::importTable(doc, file.data, only);
    const std::optional<QJsonObject> json = tablejson::parseFile(file.data, &error);
    if (!json)
        return notATable(error);
    // The world maps' triggers are a list, not a table of fixed records.
    if (json->value(QLatin1String("table")).toString() == QLatin1String(triggersjson::kTableName) && !only)
        return triggersjson::importTriggers(doc, *json);
    return tablejson::importTable(doc, *json, only);
}

}  // namespace tablefile

}  // namespace tessel
