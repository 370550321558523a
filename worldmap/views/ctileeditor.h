#pragma once

#include "worldmap/tilesheet.h"

#include <QDialog>

#include <functional>
#include <optional>

class QListWidget;
class QPushButton;
class QUndoCommand;

namespace tessel {

class CColorChooser;
class CMapView;
class CPixelGrid;
class CPropertyTree;
class CQuarterView;
class CTileList;
struct WorldMap;

namespace platform {
class FileChooser;
}

// "Edit Tiles": which pieces make up each tile, which sub-palette a piece
// uses, the palette's colours, a piece's pixels and each tile's property
// word, of the map the view shows. Every change is a command on the
// document's stack, so it is undone with Edit > Undo and kept by Save; the
// window draws from the map and follows every change of it.
//
// The selected piece is always the one in the selected quarter of the
// current tile, and the sub-palette shown is always that piece's.
// The graphics go out as a "Whole Tiles" or "Tile Pieces" sheet and come
// back in from a "Tile Pieces" sheet, as an 8-bit bitmap or PNG image.
class CTileEditor : public QDialog {
    Q_OBJECT

public:
    // Control and command ids, kept as object names.
    enum Control { TileList = 1013, PieceList = 1014, Palettes = 1019, ColorStrip = 1020, PixelEditor = 1069,
                   Properties = 1078, ExportButton = 1032, ImportButton = 1033, CloseButton = 1 };
    enum Command { ExportWholeTiles = 32812, ExportTilePieces = 32813, ImportTilePieces = 32815 };

    CTileEditor(CMapView& view, platform::FileChooser& files, QWidget* parent = nullptr);

    void setFileChooser(platform::FileChooser& files) { files_ = &files; }
    // Shows the view's map (none: empty), keeping the tile and quarter.
    void attach();

    int currentTile() const { return tile_; }
    int currentQuarter() const { return quarter_; }
    int selectedPiece() const;
    int shownPalette() const;
    void selectTile(int tile);
    void selectQuarter(int quarter);

    void exportSheet(TileSheet::Kind kind);
    void importPieces();

    CTileList* tileList() const { return tiles_; }
    CTileList* pieceList() const { return pieces_; }
    CQuarterView* quarterView() const { return quarterView_; }
    QListWidget* paletteList() const { return palettes_; }
    CColorChooser* colorStrip() const { return colors_; }
    CPixelGrid* pixelEditor() const { return pixels_; }
    CPropertyTree* propertyTree() const { return properties_; }
    bool everShown() const { return everShown_; }

    // The colour-strip entry's "Edit Color" dialog, and where its colour
    // goes on OK (tests replace the dialog).
    std::function<std::optional<quint16>(quint16 color, const QString& what)> askColor;
    void editColor(int entry);

signals:
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* buildButtons();
    const WorldMap* map() const;
    void pickPiece(int piece);
    void choosePalette(int palette);
    void storePixels(int stroke);
    void commitProperty(int id, quint32 value);
    // Everything shown again from the map.
    void refresh();
    void showPiece();
    void push(QUndoCommand* command);

    CMapView& view_;
    platform::FileChooser* files_;
    int tile_ = 0;
    int quarter_ = 0;
    bool everShown_ = false;
    CTileList* tiles_;
    CQuarterView* quarterView_;
    CTileList* pieces_;
    QListWidget* palettes_;
    CColorChooser* colors_;
    CPixelGrid* pixels_;
    CPropertyTree* properties_;
};

}  // namespace tessel
