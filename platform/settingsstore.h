#pragma once

#include <QString>
#include <QStringList>

namespace tessel {

// Per-user settings: integers and strings by value name within the
// program's "Settings" section. A missing value yields the caller's default.
namespace platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int readInt(const QString& name, int defaultValue) const = 0;
    virtual QString readString(const QString& name, const QString& defaultValue) const = 0;
    virtual void writeInt(const QString& name, int value) = 0;
    virtual void writeString(const QString& name, const QString& value) = 0;
    virtual QStringList recentFiles() const = 0;
    virtual void setRecentFiles(const QStringList& files) = 0;
};

// The real store: QSettings under organisation "Ombrel", application
// "Tessel", group "Settings"; the recent-file list under "Recent File List".
class QSettingsStore : public SettingsStore {
public:
    int readInt(const QString& name, int defaultValue) const override;
    QString readString(const QString& name, const QString& defaultValue) const override;
    void writeInt(const QString& name, int value) override;
    void writeString(const QString& name, const QString& value) override;
    QStringList recentFiles() const override;
    void setRecentFiles(const QStringList& files) override;
};

inline constexpr char kOrganisation[] = "Ombrel";
inline constexpr char kApplication[] = "Tessel";
inline constexpr char kSettingsGroup[] = "Settings";
inline constexpr char kRecentFilesGroup[] = "Recent File List";

}  // namespace platform

}  // namespace tessel
