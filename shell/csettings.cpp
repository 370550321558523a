#include "shell/csettings.h"

#include "platform/settingsstore.h"
#include "shell/tablecolumns.h"

namespace tessel {

namespace {

using namespace settingsnames;

void readWindowSpec(const platform::SettingsStore& store, const char* name, WindowSpec& window)
{
    const QString text = store.readString(QString::fromLatin1(name), QString());
    if (!text.isEmpty())
        window.parse(text);
}

WindowSpec windowSpec(int left, int top, int right, int bottom, int visible)
{
    WindowSpec s;
    s.left = left;
    s.top = top;
    s.right = right;
    s.bottom = bottom;
    s.visible = visible;
    return s;
}

}  // namespace

CSettings::CSettings()
{
    constexpr int U = WindowSpec::kDefaultPosition;
    mainWindow = windowSpec(U, U, 0, 0, 1);  // placed by the main window on a first run
    tileDialog = windowSpec(U, U, 0, 0, 0);
    tileWindow = windowSpec(U, U, 0, 0, 1);
    triggerWindow = windowSpec(U, U, 0, 0, 0);
    genPropWindow = windowSpec(U, U, 0, 0, 1);
}

void CSettings::load(const platform::SettingsStore& store)
{
    advancedOptions = store.readInt(QString::fromLatin1(kAdvancedOptions), advancedOptions);
    gridLines = store.readInt(QString::fromLatin1(kMapGridlines), gridLines);
    mapZoom = store.readInt(QString::fromLatin1(kMapZoom), mapZoom);
    readWindowSpec(store, kMainWindowSpecs, mainWindow);
    readWindowSpec(store, kTileDialogSpecs, tileDialog);
    readWindowSpec(store, kTileWindowSpecs, tileWindow);
    readWindowSpec(store, kTriggerWindowSpecs, triggerWindow);
    readWindowSpec(store, kGenPropWindowSpecs, genPropWindow);
    keepBackups = store.readInt(QString::fromLatin1(kKeepBackups), keepBackups);
    backupCount = store.readInt(QString::fromLatin1(kBackupCount), backupCount);
    fixChecksum = store.readInt(QString::fromLatin1(kFixChecksum), fixChecksum);
    undoLimit = store.readInt(QString::fromLatin1(kUndoLimit), undoLimit);
    longestNames = store.readInt(QString::fromLatin1(kLongestNames), longestNames);
    recoveryInterval = qMax(0, store.readInt(QString::fromLatin1(kRecoveryInterval), recoveryInterval));
    loadTableColumns(*this, store);
    play.load(store);
}

void CSettings::save(platform::SettingsStore& store) const
{
    store.writeInt(QString::fromLatin1(kAdvancedOptions), advancedOptions);
    store.writeInt(QString::fromLatin1(kMapGridlines), gridLines);
    store.writeInt(QString::fromLatin1(kMapZoom), mapZoom);
    store.writeString(QString::fromLatin1(kMainWindowSpecs), mainWindow.toString());
    store.writeString(QString::fromLatin1(kTileDialogSpecs), tileDialog.toString());
    store.writeString(QString::fromLatin1(kTileWindowSpecs), tileWindow.toString());
    store.writeString(QString::fromLatin1(kTriggerWindowSpecs), triggerWindow.toString());
    store.writeString(QString::fromLatin1(kGenPropWindowSpecs), genPropWindow.toString());
    store.writeInt(QString::fromLatin1(kKeepBackups), keepBackups);
    store.writeInt(QString::fromLatin1(kBackupCount), backupCount);
    store.writeInt(QString::fromLatin1(kFixChecksum), fixChecksum);
    store.writeInt(QString::fromLatin1(kUndoLimit), undoLimit);
    store.writeInt(QString::fromLatin1(kLongestNames), longestNames);
    store.writeInt(QString::fromLatin1(kRecoveryInterval), recoveryInterval);
    saveTableColumns(*this, store);
    play.save(store);
}

SaveOptions CSettings::saveOptions() const
{
    SaveOptions options;
    options.keepBackups = keepBackups != 0;
    // A count below one would remove the copy a save has just made.
    options.backupCount = backupCount < 1 ? 1 : backupCount;
    options.fixChecksum = fixChecksum != 0;
    return options;
}

}  // namespace tessel
