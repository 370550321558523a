#pragma once

#include "worldmap/tilemapspace.h"

#include <QFutureWatcher>
#include <QLabel>
#include <QTimer>

#include <functional>
#include <optional>

namespace tessel {

// The map frame's status-bar note of how much of its room the compressed
// tile map fills. It measures a while after the last edit, compressing a
// copy of the map on a worker thread so that the tools never wait for it.
class CTileMapSpaceMeter : public QLabel {
    Q_OBJECT

public:
    static constexpr int kDelay = 300;  // ms after the last edit

    explicit CTileMapSpaceMeter(QWidget* parent = nullptr);
    ~CTileMapSpaceMeter() override;

    // Where the tile map comes from (as a save would store it) and the
    // block's room; an empty source leaves the meter blank.
    void setSource(std::function<QByteArray()> tiles, int room);
    // Measures again once the edits pause.
    void schedule();
    const std::optional<TileMapSpace>& lastMeasure() const { return last_; }

signals:
    void measured();

private:
    void start();
    void finish();

    std::function<QByteArray()> tiles_;
    int room_ = 0;
    QTimer delay_;
    QFutureWatcher<TileMapSpace> watcher_;
    bool again_ = false;
    std::optional<TileMapSpace> last_;
};

}  // namespace tessel
