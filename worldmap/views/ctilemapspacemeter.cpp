#include "worldmap/views/ctilemapspacemeter.h"

#include <QtConcurrent/QtConcurrentRun>

namespace tessel {

CTileMapSpaceMeter::CTileMapSpaceMeter(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("tileMapSpace"));
    delay_.setSingleShot(true);
    delay_.setInterval(kDelay);
    connect(&delay_, &QTimer::timeout, this, &CTileMapSpaceMeter::start);
    connect(&watcher_, &QFutureWatcher<TileMapSpace>::finished, this, &CTileMapSpaceMeter::finish);
}

CTileMapSpaceMeter::~CTileMapSpaceMeter()
{
    // The worker holds only its own copy of the map; let it finish unseen.
    watcher_.disconnect(this);
}

void CTileMapSpaceMeter::setSource(std::function<QByteArray()> tiles, int room)
{
    tiles_ = std::move(tiles);
    room_ = room;
    last_.reset();
    clear();
    if (tiles_)
        schedule();
}

void CTileMapSpaceMeter::schedule()
{
    if (tiles_)
        delay_.start();
}

void CTileMapSpaceMeter::start()
{
    if (!tiles_)
        return;
    if (watcher_.isRunning()) {
        again_ = true;
        return;
    }
    watcher_.setFuture(QtConcurrent::run(&TileMapSpace::measure, tiles_(), room_));
}

void CTileMapSpaceMeter::finish()
{
    const TileMapSpace space = watcher_.result();
    last_ = space;
    setText(space.text());
    if (again_) {
        again_ = false;
        start();
    }
    emit measured();
}

}  // namespace tessel
