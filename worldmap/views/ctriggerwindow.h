#pragma once

#include "worldmap/maptrigger.h"

#include <QList>
#include <QPoint>
#include <QWidget>

class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessel {

class CMapView;

// The contents of the map's "Triggers" window: every trigger of the map in
// list order, its check box saying whether it marks its block in the region
// summary, and the buttons "Go to Source", "Go to Destination", "Go to
// Script", "Add", "Edit...", "Delete" and "Delete All" (the "go to" ones and
// "Edit..." are also on the list's context menu). Selecting a row selects the
// trigger's cell in the map; a check box or "Edit..." (or a double click)
// changes the trigger through a command on the document's stack.
//
// "Go to Destination" works for entrances leading to one of the two world
// maps, "Go to Script" for event triggers (the program shows the listing).
// "Add" puts a new entrance or event trigger on the map's selected trigger
// cell through "Trigger Properties"; "Duplicate", "Delete" and "Delete All"
// act on the list. Each is one step; one the trigger tables have no room
// for is refused with a message.
class CTriggerWindow : public QWidget {
    Q_OBJECT

public:
    // Control ids, kept as object names.
    enum Control { List = 1067, GoToSource = 1068, GoToDestination = 1069, Add = 1070, Edit = 1071, Delete = 1072,
                   DeleteAll = 1073, GoToScript = 1074, Duplicate = 1075 };
    static constexpr int kAddEntranceCommand = 32816;
    static constexpr int kAddEventCommand = 32817;

    explicit CTriggerWindow(CMapView& view, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    QPushButton* button(Control id) const;
    // The list's context menu; its actions carry the buttons' ids as names.
    QMenu* contextMenu() const { return contextMenu_; }

    // One row per trigger of the view's map (none without a map).
    void fill();
    // The trigger of the selected row, -1 when none is selected.
    int selectedTrigger() const;
    void selectTrigger(int trigger);

    // "Pointer" pressed on a cell: with a row selected, the first trigger on
    // the cell becomes the selected one. With none selected nothing happens,
    // so the pointer picks triggers only once the list is in use.
    void pointAt(QPoint cell);

    void goToSource();
    void goToDestination();
    // Shows the selected event trigger's script in the event-script listing.
    void goToScript();
    // Opens "Trigger Properties" for the selected row.
    void editSelected();
    // Opens "Trigger Properties" for a new trigger on the selected trigger cell.
    void addTrigger(MapTrigger::Kind kind);
    void duplicateSelected();
    void deleteSelected();
    void deleteAll();

private:
    void refreshRows();
    void showRow(QTreeWidgetItem* item, int trigger);
    void checkChanged(QTreeWidgetItem* item);
    void selectionChanged();
    void updateButtons();
    // Makes `triggers` the map's list (or says why the tables refuse it)
    // and selects row `select` of the new list.
    void changeList(const QList<MapTrigger>& triggers, const QString& text, int select);

    CMapView& view_;
    QTreeWidget* list_;
    QMenu* contextMenu_;
    bool filling_ = false;
};

}  // namespace tessel
