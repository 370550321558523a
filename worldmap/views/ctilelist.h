#pragma once

#include <QListView>

namespace tessel {

struct WorldMap;

// A world map's 256 tiles (16 x 16 pixels) or 256 tile pieces (8 x 8),
// each drawn magnified inside a grey frame, the selected one inside a red
// frame, in rows of 16 entries, or of 8, 4, 2 or 1 when the list is
// narrower, so that a row always starts at a number ending in hexadecimal
// 0 (or 8, 4...). The list draws straight from the map, so refresh() is all
// a change needs.
class CTileList : public QListView {
    Q_OBJECT

public:
    enum class Content { Tiles, Pieces };
    static constexpr int kEntries = 256;
    static constexpr int kFrame = 2;  // pixels of frame on each side

    explicit CTileList(Content content, int scale, QWidget* parent = nullptr);
    ~CTileList() override;

    Content content() const { return content_; }
    int scale() const { return scale_; }
    // The map drawn (none: an empty list).
    void setMap(const WorldMap* map);
    const WorldMap* map() const { return map_; }

    // The selected entry, -1 when none. Selecting from the program does not
    // emit picked().
    int current() const;
    void setCurrent(int entry);
    // Where an entry lies in the list's viewport.
    QRect entryRect(int entry) const;
    // Draws everything again from the map.
    void refresh();

    // The size asked for: this many entries across and down. A list that
    // asks for 16 across keeps at least that width.
    void setPreferredGrid(int columns, int rows);
    QSize sizeHint() const override;
    // Entries in each row as laid out now.
    int columns() const;

    // The rectangle of entries being dragged across, in viewport pixels
    // (empty when no drag covers more than one entry).
    QRect dragFrame() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

signals:
    // The user selected an entry, with the mouse or the keys.
    void picked(int entry);
    // A list of tiles: the user dragged a rectangle from entry `from` to
    // entry `to` (another one), to take it as a stamp.
    void rectangleDragged(int from, int to);

private:
    int cellSide() const;
    // Leaves a margin right of the rows for what a whole row cannot fill.
    void fitRows();

    Content content_;
    int scale_;
    const WorldMap* map_ = nullptr;
    bool settingCurrent_ = false;
    int preferredColumns_ = 8;
    int preferredRows_ = 4;
    int dragFrom_ = -1;
    int dragTo_ = -1;
};

}  // namespace tessel
