#include "platform/settingsstore.h"

#include <QSettings>

namespace tessel {

namespace platform {

namespace {
QVariant readValue(const QString& group, const QString& name)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(group);
    return settings.value(name);
}
}  // namespace

int QSettingsStore::readInt(const QString& name, int defaultValue) const
{
    bool ok = false;
    const int value = readValue(QString::fromLatin1(kSettingsGroup), name).toInt(&ok);
    return ok ? value : defaultValue;
}

QString QSettingsStore::readString(const QString& name, const QString& defaultValue) const
{
    const QVariant value = readValue(QString::fromLatin1(kSettingsGroup), name);
    return value.isValid() ? value.toString() : defaultValue;
}

void QSettingsStore::writeInt(const QString& name, int value)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kSettingsGroup));
    settings.setValue(name, value);
}

void QSettingsStore::writeString(const QString& name, const QString& value)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kSettingsGroup));
    settings.setValue(name, value);
}

QStringList QSettingsStore::recentFiles() const
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kRecentFilesGroup));
    QStringList files;
    for (int i = 1; i <= 4; ++i) {
        const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

void QSettingsStore::setRecentFiles(const QStringList& files)
{
    QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
    settings.beginGroup(QString::fromLatin1(kRecentFilesGroup));
    settings.remove(QString());
    for (int i = 0; i < files.size() && i < 4; ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), files[i]);
}

}  // namespace platform

}  // namespace tessel
