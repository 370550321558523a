#include "compare/changereport.h"

#include "document/tablefields.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <utility>

namespace tessel {

namespace changereport {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("ChangeReport", text);
}

QString offsetText(qint64 offset)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(offset, 6, 16, QLatin1Char('0')).toUpper();
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1, %2) %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool isCells(const RomChange& c)
{
    return c.subject.kind == RecordKind::MapCell;
}

QString fontOf(const RomChange& c)
{
    return c.subject.kind == RecordKind::MenuGlyph ? QStringLiteral("menu") : QStringLiteral("dialogue");
}

// The fields of one change in the order JSON shows them.
std::vector<std::pair<QString, QJsonValue>> jsonFields(const RomChange& c)
{
    std::vector<std::pair<QString, QJsonValue>> f{{QStringLiteral("area"), c.area}};
    if (c.area == QLatin1String("bytes")) {
        f.push_back({QStringLiteral("start"), offsetText(c.start)});
        f.push_back({QStringLiteral("end"), offsetText(c.end)});
        f.push_back({QStringLiteral("region"), c.region});
        return f;
    }
    if (c.area == QLatin1String("events")) {
        f.push_back({QStringLiteral("address"), c.name});
    } else {
        if (!c.map.isEmpty())
            f.push_back({QStringLiteral("map"), c.map});
        if (c.area == QLatin1String("fonts"))
            f.push_back({QStringLiteral("font"), fontOf(c)});
        if (isCells(c)) {
            QJsonArray bounds;
            for (const QRect& r : c.bounds)
                bounds.append(QJsonArray{r.x(), r.y(), r.width(), r.height()});
            f.push_back({QStringLiteral("cells"), c.cells});
            f.push_back({QStringLiteral("bounds"), bounds});
            return f;
        }
        if (c.index >= 0)
            f.push_back({QStringLiteral("index"), c.index});
        if (!c.name.isEmpty() && c.area != QLatin1String("fonts"))
            f.push_back({QStringLiteral("name"), c.name});
        if (!c.field.isEmpty())
            f.push_back({QStringLiteral("field"), c.field});
    }
    if (!c.oldValue.isUndefined())
        f.push_back({QStringLiteral("old"), c.oldValue});
    if (!c.newValue.isUndefined())
        f.push_back({QStringLiteral("new"), c.newValue});
    return f;
}

}  // namespace

std::vector<AreaGroup> groupByArea(const RomChanges& changes)
{
    std::vector<AreaGroup> groups;
    for (int i = 0; i < int(changes.size()); ++i) {
        const QString& area = changes[std::size_t(i)].area;
        auto it = std::find_if(groups.begin(), groups.end(), [&](const AreaGroup& g) { return g.area == area; });
        if (it == groups.end())
            it = groups.insert(groups.end(), AreaGroup{area, {}});
        it->changes.push_back(i);
    }
    return groups;
}

QString valueText(const QJsonValue& value)
{
    if (value.isUndefined() || value.isNull())
        return tr("(none)");
    if (value.isString())
        return value.toString();
    return QString::fromUtf8(tablefields::jsonText(value));
}

QString subjectText(const RomChange& c)
{
    if (c.area == QLatin1String("bytes"))
        return QStringLiteral("%1-%2").arg(offsetText(c.start), offsetText(c.end));
    if (c.area == QLatin1String("events"))
        return tr("Event %1").arg(c.name);
    if (c.area == QLatin1String("dialogue"))
        return c.index >= 0 ? tr("Message %1").arg(c.index) : c.field;
    if (c.area == QLatin1String("fonts"))
        return QStringLiteral("%1, %2").arg(c.name, c.field);
    if (c.area == QLatin1String("triggers"))
        return tr("%1: trigger %2").arg(c.map).arg(c.index);
    if (c.area == QLatin1String("worldmap"))
        return QStringLiteral("%1: %2").arg(c.map, c.field);
    QString title = QStringLiteral("%1 %2").arg(c.area).arg(c.index);
    if (!c.name.isEmpty())
        title += QLatin1Char(' ') + c.name;
    return QStringLiteral("%1, %2").arg(title, c.field);
}

QString changeText(const RomChange& c)
{
    if (c.area == QLatin1String("bytes"))
        return c.region;
    if (isCells(c)) {
        QStringList rects;
        for (const QRect& r : c.bounds)
            rects.append(rectText(r));
        return tr("%1 cells in %2").arg(c.cells).arg(rects.join(QStringLiteral(", ")));
    }
    QString text = QStringLiteral("%1 -> %2").arg(valueText(c.oldValue), valueText(c.newValue));
    if (c.area == QLatin1String("triggers"))
        text = c.field + QStringLiteral(": ") + text;
    return text;
}

QString text(const RomChanges& changes)
{
    QString out;
    for (const AreaGroup& group : groupByArea(changes)) {
        out += QStringLiteral("%1 (%2)\n").arg(group.area).arg(group.changes.size());
        for (int i : group.changes) {
            const RomChange& c = changes[std::size_t(i)];
            // Message texts may span lines: each goes on its own line.
            out += QStringLiteral("  %1: %2\n").arg(subjectText(c), changeText(c).replace(QLatin1Char('\n'), QStringLiteral("\\n")));
        }
    }
    return out;
}

QByteArray json(const RomChanges& changes)
{
    QByteArray out = "{\"changes\": [";
    const char* separator = "\n  ";
    for (const RomChange& c : changes) {
        out += separator;
        out += '{';
        const char* comma = "";
        for (const auto& [key, value] : jsonFields(c)) {
            out += comma + tablefields::jsonText(key) + ": " + tablefields::jsonText(value);
            comma = ", ";
        }
        out += '}';
        separator = ",\n  ";
    }
    out += changes.empty() ? "]}\n" : "\n]}\n";
    return out;
}

}  // namespace changereport

}  // namespace tessel
