#pragma once

#include "document/saveoptions.h"
#include "play/playsettings.h"
#include "platform/windowspec.h"

namespace tessel {

namespace platform {
class SettingsStore;
}

// The program's persistent settings, read once at start and written once
// at exit; windows change this copy in between.
class CSettings {
public:
    CSettings();

    void load(const platform::SettingsStore& store);
    void save(platform::SettingsStore& store) const;

    int gridLines = 0;
    int advancedOptions = 0;
    int mapZoom = 1;  // the zoom a new world-map view starts with: 1 to 4, or -2 and -4 for 1:2 and 1:4
    WindowSpec mainWindow;
    WindowSpec tileDialog;
    WindowSpec tileWindow;
    WindowSpec triggerWindow;
    WindowSpec genPropWindow;  // kept for older settings; nothing uses it
    int keepBackups = 1;
    int backupCount = 5;
    int fixChecksum = 0;
    int undoLimit = 1000;  // steps the document's undo stack keeps; 0 keeps all
    int longestNames = 1;  // View > Check With Longest Names
    int recoveryInterval = 30;  // seconds between recovery copies at most; 0: none

    // What a save does besides writing the tables.
    SaveOptions saveOptions() const;
    PlaySettings play;         // the core, keys and picture of test runs
};

namespace settingsnames {
inline constexpr char kMapGridlines[] = "MapGridlines";
inline constexpr char kAdvancedOptions[] = "AdvancedOptions";
inline constexpr char kMapZoom[] = "MapZoom";
inline constexpr char kMainWindowSpecs[] = "MainWindowSpecs";
inline constexpr char kTileDialogSpecs[] = "TileDialogSpecs";
inline constexpr char kTileWindowSpecs[] = "TileWindowSpecs";
inline constexpr char kTriggerWindowSpecs[] = "TriggerWindowSpecs";
inline constexpr char kGenPropWindowSpecs[] = "GenPropWindowSpecs";
inline constexpr char kKeepBackups[] = "KeepBackups";
inline constexpr char kBackupCount[] = "BackupCount";
inline constexpr char kFixChecksum[] = "FixChecksum";
inline constexpr char kUndoLimit[] = "UndoLimit";
inline constexpr char kLongestNames[] = "CheckLongestNames";
inline constexpr char kRecoveryInterval[] = "RecoveryInterval";
}  // namespace settingsnames

}  // namespace tessel
