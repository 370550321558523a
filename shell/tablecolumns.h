#pragma once

#include <QString>
#include <QStringList>

namespace tessel {

class CSettings;

namespace platform {
class SettingsStore;
}

// The columns each record table shows, kept with the program's settings:
// by kind name ("monster"), the "Group/Field" paths; none for the main
// fields. Stored as "TableColumns-monster", the paths separated by '|'.
QStringList tableColumns(const CSettings& settings, const QString& kind);
void setTableColumns(const CSettings& settings, const QString& kind, const QStringList& paths);

// Read and written by CSettings::load() and save().
void loadTableColumns(const CSettings& settings, const platform::SettingsStore& store);
void saveTableColumns(const CSettings& settings, platform::SettingsStore& store);

}  // namespace tessel
