#include "worldmap/views/ctileeditor.h"

#include "document/editcommands.h"
#include "document/parts/worldmappart.h"
#include "document/tilepiecesimport.h"
#include "document/tilepropertylist.h"
#include "document/tilesheetfile.h"
#include "platform/filereport.h"
#include "platform/gui/filechooser.h"
#include "uikit/ccolorchooser.h"
#include "uikit/cpixelgrid.h"
#include "uikit/cpropertytree.h"
#include "worldmap/packedtile.h"
#include "worldmap/snescolor.h"
#include "worldmap/views/ceditcolordialog.h"
#include "worldmap/views/cmapview.h"
#include "worldmap/views/cquarterview.h"
#include "worldmap/views/ctilelist.h"
#include "worldmap/worldmap.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessel {

namespace {

constexpr int kSubPalettes = 8;
constexpr int kSubPaletteSize = 16;
const char* const kSheetFilter =
    QT_TRANSLATE_NOOP("CTileEditor", "Bitmap Files (*.bmp);;PNG Images (*.png);;All Files (*)");

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CTileEditor::CTileEditor(CMapView& view, platform::FileChooser& files, QWidget* parent)
    : QDialog(parent), view_(view), files_(&files)
{
    setWindowTitle(tr("Edit Tiles"));
    setObjectName(QStringLiteral("tileEditor"));
    setWindowFlag(Qt::Tool);
    setModal(false);
    askColor = [this](quint16 color, const QString& what) { return CEditColorDialog::edit(color, what, this); };

    tiles_ = new CTileList(CTileList::Content::Tiles, 1, this);
    tiles_->setObjectName(QString::number(TileList));
    tiles_->setPreferredGrid(16, 16);
    quarterView_ = new CQuarterView(this);
    pieces_ = new CTileList(CTileList::Content::Pieces, 2, this);
    pieces_->setObjectName(QString::number(PieceList));
    pieces_->setPreferredGrid(16, 16);
    palettes_ = new QListWidget(this);
    palettes_->setObjectName(QString::number(Palettes));
    for (int n = 0; n < kSubPalettes; ++n)
        palettes_->addItem(tr("Palette %1").arg(n));
    palettes_->setFixedWidth(quarterView_->sizeHint().width());
    colors_ = new CColorChooser(this);
    colors_->setObjectName(QString::number(ColorStrip));
    pixels_ = new CPixelGrid(this);
    pixels_->setObjectName(QString::number(PixelEditor));
    pixels_->setGridSize(PackedTile::kSize, PackedTile::kSize);
    properties_ = new CPropertyTree(this);
    properties_->setObjectName(QString::number(Properties));
    properties_->setMinimumHeight(200);

    auto* middle = new QVBoxLayout;
    middle->addWidget(caption(tr("Tile:"), quarterView_, this));
    middle->addWidget(quarterView_);
    middle->addWidget(caption(tr("Palettes:"), palettes_, this));
    middle->addWidget(palettes_, 1);
    middle->addWidget(caption(tr("Pixels:"), pixels_, this));
    middle->addWidget(pixels_);
    auto* grid = new QGridLayout;
    grid->addWidget(caption(tr("Tiles:"), tiles_, this), 0, 0);
    grid->addWidget(tiles_, 1, 0);
    grid->addLayout(middle, 0, 1, 2, 1);
    grid->addWidget(caption(tr("Tile pieces:"), pieces_, this), 0, 2);
    grid->addWidget(pieces_, 1, 2);
    grid->addWidget(caption(tr("Colors (left or right click: paint with it; double click: edit it):"),
                            colors_, this), 2, 0, 1, 3);
    grid->addWidget(colors_, 3, 0, 1, 3);
    grid->addWidget(caption(tr("Tile properties:"), properties_, this), 4, 0, 1, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(properties_, 1);
    bottom->addWidget(buildButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom, 1);

    connect(tiles_, &CTileList::picked, this, &CTileEditor::selectTile);
    connect(quarterView_, &CQuarterView::quarterClicked, this, &CTileEditor::selectQuarter);
    connect(pieces_, &CTileList::picked, this, &CTileEditor::pickPiece);
    connect(palettes_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != shownPalette())
            choosePalette(row);
    });
    connect(colors_, &CColorChooser::leftColorChanged, pixels_, &CPixelGrid::setLeftColor);
    connect(colors_, &CColorChooser::rightColorChanged, pixels_, &CPixelGrid::setRightColor);
    connect(colors_, &CColorChooser::colorDoubleClicked, this, &CTileEditor::editColor);
    connect(pixels_, &CPixelGrid::cellsChanged, this, &CTileEditor::storePixels);
    connect(properties_, &CPropertyTree::valueCommitted, this, &CTileEditor::commitProperty);
    connect(&view.document(), &CFF3Doc::changed, this, [this](const DocumentChange& change) {
        if (view_.showsChangeOf(change))
            refresh();
    });
    colors_->setLeftColor(pixels_->leftColor());
    colors_->setRightColor(pixels_->rightColor());
}

QWidget* CTileEditor::buildButtons()
{
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* importButton = new QPushButton(tr("Import"), box);
    importButton->setObjectName(QString::number(ImportButton));
    auto* importMenu = new QMenu(importButton);
    QAction* importPieces = importMenu->addAction(tr("Tile Pieces"));
    importPieces->setObjectName(QString::number(ImportTilePieces));
    importButton->setMenu(importMenu);
    auto* exportButton = new QPushButton(tr("Export"), box);
    exportButton->setObjectName(QString::number(ExportButton));
    auto* exportMenu = new QMenu(exportButton);
    QAction* exportWhole = exportMenu->addAction(tr("Whole Tiles"));
    exportWhole->setObjectName(QString::number(ExportWholeTiles));
    QAction* exportPieces = exportMenu->addAction(tr("Tile Pieces"));
    exportPieces->setObjectName(QString::number(ExportTilePieces));
    exportButton->setMenu(exportMenu);
    auto* close = new QPushButton(tr("Close"), box);
    close->setObjectName(QString::number(CloseButton));
    column->addWidget(importButton);
    column->addWidget(exportButton);
    column->addStretch(1);
    column->addWidget(close);

    connect(importPieces, &QAction::triggered, this, &CTileEditor::importPieces);
    connect(exportWhole, &QAction::triggered, this, [this] { exportSheet(TileSheet::Kind::WholeTiles); });
    connect(exportPieces, &QAction::triggered, this, [this] { exportSheet(TileSheet::Kind::TilePieces); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    return box;
}

const WorldMap* CTileEditor::map() const
{
    return view_.map();
}

void CTileEditor::attach()
{
    tiles_->setMap(map());
    pieces_->setMap(map());
    setEnabled(map() != nullptr);
    refresh();
}

int CTileEditor::selectedPiece() const
{
    return map() ? map()->tileAssembly.piece(tile_, quarter_) : 0;
}

int CTileEditor::shownPalette() const
{
    return map() ? map()->piecePalette[std::size_t(selectedPiece())] / kSubPaletteSize : 0;
}

void CTileEditor::selectTile(int tile)
{
    tile_ = tile & 0xFF;
    refresh();
}

void CTileEditor::selectQuarter(int quarter)
{
    quarter_ = quarter & 3;
    refresh();
}

void CTileEditor::push(QUndoCommand* command)
{
    view_.pushEdit(command);
}

void CTileEditor::pickPiece(int piece)
{
    if (!map() || piece == selectedPiece())
        return;
    // Stepping through the list with the keys is one step per quarter.
    push(makeSetByte(view_.document(), view_.mapPart().tileAssembly(tile_), quarter_, quint8(piece),
                     tr("Change Tile Piece"), 4 * tile_ + quarter_));
}

void CTileEditor::choosePalette(int palette)
{
    if (!map())
        return;
    push(makeSetByte(view_.document(), view_.mapPart().piecePalette(selectedPiece()), 0,
                     quint8(palette * kSubPaletteSize), tr("Change Piece Palette")));
}

void CTileEditor::editColor(int entry)
{
    if (!map())
        return;
    const int index = shownPalette() * kSubPaletteSize + entry;
    const QString what = tr("Color %1: palette %2, entry %3").arg(index).arg(shownPalette()).arg(entry);
    const std::optional<quint16> color = askColor(map()->color(index), what);
    if (color)
        push(makeSetWord(view_.document(), view_.mapPart().paletteColor(index), 0, *color,
                         tr("Change Color")));
}

void CTileEditor::storePixels(int stroke)
{
    if (!map())
        return;
    QByteArray bytes(PackedTile::kBytes, '\0');
    auto* piece = reinterpret_cast<quint8*>(bytes.data());
    for (int y = 0; y < PackedTile::kSize; ++y)
        for (int x = 0; x < PackedTile::kSize; ++x)
            PackedTile::setPixel(piece, x, y, pixels_->cell(x, y));
    const int p = selectedPiece();
    // The cells of one stroke are one step.
    const int mergeKey = stroke == CPixelGrid::kNoStroke ? SetBytesCommand::kNoMerge : (p << 16 | (stroke & 0xFFFF));
    push(new SetBytesCommand(view_.document(), view_.mapPart().piece(p), 0, bytes,
                             tr("Edit Pixels"), mergeKey));
}

void CTileEditor::commitProperty(int id, quint32 value)
{
    if (!map())
        return;
    const PropertyList list = TilePropertyList::of(map()->tileProperty(tile_));
    if (const Property* p = list.find(id))
        push(TilePropertyList::makeEdit(view_.document(), view_.mapIndex(), tile_, *p, value));
}

void CTileEditor::refresh()
{
    if (!map()) {
        properties_->setProperties({});
        quarterView_->setTile(nullptr, 0, 0);
        return;
    }
    tiles_->setCurrent(tile_);
    tiles_->refresh();
    pieces_->setCurrent(selectedPiece());
    pieces_->refresh();
    quarterView_->setTile(map(), tile_, quarter_);
    properties_->setProperties(TilePropertyList::of(map()->tileProperty(tile_)));
    showPiece();
}

void CTileEditor::showPiece()
{
    const int piece = selectedPiece();
    const int palette = shownPalette();
    {
        const QSignalBlocker quiet(palettes_);
        palettes_->setCurrentRow(palette);
    }
    QList<QRgb> colors;
    for (int e = 0; e < kSubPaletteSize; ++e)
        colors.append(0xFF000000u | SnesColor::toScreen32(map()->color(palette * kSubPaletteSize + e)));
    colors_->setColors(colors);
    pixels_->setColors(colors);
    std::vector<quint8> cells;
    for (int y = 0; y < PackedTile::kSize; ++y)
        for (int x = 0; x < PackedTile::kSize; ++x)
            cells.push_back(quint8(PackedTile::pixel(map()->piece(piece), x, y)));
    pixels_->setCells(cells);
}

void CTileEditor::exportSheet(TileSheet::Kind kind)
{
    if (!map())
        return;
    const bool whole = kind == TileSheet::Kind::WholeTiles;
    // The dialog adds the extension (of the type chosen) before it asks about replacing a file.
    const QString path = files_->saveFileName(this, whole ? tr("Export Whole Tiles") : tr("Export Tile Pieces"),
                                              QStringLiteral("%1 %2.bmp").arg(map()->name, whole ? QStringLiteral("tiles") : QStringLiteral("pieces")),
                                              tr(kSheetFilter), nullptr, QStringLiteral("bmp"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!TileSheetFile::write(TileSheet::exportSheet(*map(), kind), path, &reason))
        view_.showMessage(platform::fileErrorReport(platform::FileAction::Save, path, reason), QStringLiteral("Tessel"),
                          platform::MessageIcon::Error);
}

void CTileEditor::importPieces()
{
    if (!map())
        return;
    const QString path = files_->openFileName(this, tr("Import Tile Pieces"), QString(), tr(kSheetFilter));
    if (path.isEmpty())
        return;
    QString reason;
    bool unreadable = false;
    const std::optional<IndexedPicture> picture = TileSheetFile::read(path, &reason, &unreadable);
    if (unreadable) {
        view_.showMessage(platform::fileErrorReport(platform::FileAction::Open, path, reason), QStringLiteral("Tessel"),
                          platform::MessageIcon::Error);
        return;
    }
    TileSheet::Refusal refusal = TileSheet::Refusal::WrongShape;
    const std::optional<TileSheet::Pieces> pieces =
        picture ? TileSheet::importPieces(*picture, &refusal, &reason) : std::nullopt;
    if (!pieces) {
        QString text = refusal == TileSheet::Refusal::SubPalettePastPalette
                           ? reason
                           : QCoreApplication::translate("TileSheet", TileSheet::kInvalidBitmapText);
        // A file that is no sheet at all says why.
        if (!picture)
            text += QStringLiteral("\n\n") + tr("%1: %2.").arg(QFileInfo(path).fileName(), reason);
        view_.showMessage(text, QCoreApplication::translate("TileSheet", TileSheet::kInvalidBitmapTitle),
                          platform::MessageIcon::Warning);
        return;
    }
    pushTilePiecesImport(view_.document(), view_.mapIndex(), *pieces);
}

void CTileEditor::showEvent(QShowEvent* event)
{
    everShown_ = true;
    QDialog::showEvent(event);
    emit shownChanged(true);
}

void CTileEditor::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (isHidden())
        emit shownChanged(false);
}

}  // namespace tessel
