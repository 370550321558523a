#include "shell/tablecolumns.h"

#include "platform/settingsstore.h"
#include "rom/recordref.h"

#include <QHash>
#include <QMap>

namespace tessel {

namespace {

// The kinds a table view shows.
constexpr RecordKind kTableKinds[] = {RecordKind::Item,    RecordKind::Spell,     RecordKind::Esper,    RecordKind::Shop,
                                      RecordKind::Monster, RecordKind::Formation, RecordKind::Character};
const QChar kSeparator = QLatin1Char('|');

QString settingName(const QString& kind)
{
    return QStringLiteral("TableColumns-") + kind;
}

// The choices of each settings object.
QHash<const CSettings*, QMap<QString, QStringList>>& choices()
{
    static QHash<const CSettings*, QMap<QString, QStringList>> all;
    return all;
}

}  // namespace

QStringList tableColumns(const CSettings& settings, const QString& kind)
{
    return choices().value(&settings).value(kind);
}

void setTableColumns(const CSettings& settings, const QString& kind, const QStringList& paths)
{
    choices()[&settings].insert(kind, paths);
}

void loadTableColumns(const CSettings& settings, const platform::SettingsStore& store)
{
    QMap<QString, QStringList>& own = choices()[&settings];
    own.clear();
    for (RecordKind kind : kTableKinds) {
        const QString name = recordKindName(kind);
        const QString paths = store.readString(settingName(name), QString());
        if (!paths.isEmpty())
            own.insert(name, paths.split(kSeparator));
    }
}

void saveTableColumns(const CSettings& settings, platform::SettingsStore& store)
{
    for (RecordKind kind : kTableKinds) {
        const QString name = recordKindName(kind);
        store.writeString(settingName(name), tableColumns(settings, name).join(kSeparator));
    }
}

}  // namespace tessel
