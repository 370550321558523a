#pragma once

#include "platform/settingsstore.h"

#include <QMap>

namespace tessel {

namespace platform {

// Settings kept in memory, so tests never touch the user's own.
class MemorySettingsStore : public SettingsStore {
public:
    int readInt(const QString& name, int defaultValue) const override
    {
        bool ok = false;
        const int value = values.value(name).toInt(&ok);
        return ok ? value : defaultValue;
    }
    QString readString(const QString& name, const QString& defaultValue) const override
    {
        return values.contains(name) ? values.value(name) : defaultValue;
    }
    void writeInt(const QString& name, int value) override { values.insert(name, QString::number(value)); }
    void writeString(const QString& name, const QString& value) override { values.insert(name, value); }
    QStringList recentFiles() const override { return recent; }
    void setRecentFiles(const QStringList& files) override { recent = files; }

    QMap<QString, QString> values;
    QStringList recent;
};

}  // namespace platform

}  // namespace tessel
