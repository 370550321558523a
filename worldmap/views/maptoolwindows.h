#pragma once

#include "worldmap/views/mapviewsettings.h"

#include <QObject>
#include <QPointer>
#include <QDockWidget>

class QAction;

namespace tessel {

class CMapView;
class CTileEditor;
class CTileList;
class CTriggerWindow;
class MapViewActions;

namespace platform {
class FileChooser;
}

// The tool windows a map view brings besides its overview: "Tiles" (the
// tile palette, whose selection is the current tile of the painting tools),
// "Triggers" and "Edit Tiles", with their View items and tool-bar buttons
// ("Tile Palette", "Triggers", "Tile Editor", each checked while its window
// is shown), and where they go on the screen.
class MapToolWindows : public QObject {
    Q_OBJECT

public:
    MapToolWindows(CMapView& view, MapViewActions& actions, platform::FileChooser& files);
    ~MapToolWindows() override;

    // Fills the windows from the view's map (or empties them).
    void attach();
    void setFileChooser(platform::FileChooser& files);

    // Places and shows the windows as the settings say; stores where they are.
    void applyPlacements(MapViewSettings& settings);
    void storePlacements(MapViewSettings& settings) const;

    CTileList* tilePalette() const { return tilePalette_; }
    CTriggerWindow* triggers() const { return triggers_; }
    CTileEditor* tileEditor() const { return tileEditor_; }
    QDockWidget* tilesWindow() const { return tilesWindow_; }
    QDockWidget* triggersWindow() const { return triggersWindow_; }
    QAction* tileEditorToggle() const { return tileEditorToggle_; }

private:
    QDockWidget* dock(const QString& title, const QString& name, QWidget* contents, Qt::DockWidgetArea area);

    CMapView& view_;
    CTileList* tilePalette_;
    CTriggerWindow* triggers_;
    CTileEditor* tileEditor_;
    // The docks sit in the frame, which may let go of them first.
    QPointer<QDockWidget> tilesWindow_;
    QPointer<QDockWidget> triggersWindow_;
    QAction* tileEditorToggle_;
};

}  // namespace tessel
