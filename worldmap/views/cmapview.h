#pragma once

#include "uikit/cplaceholderview.h"

struct WorldMap;

// One world map; its subject is the map's record. The map editor itself
// comes later.
class CMapView : public CPlaceholderView {
    Q_OBJECT

public:
    explicit CMapView(CFF3Doc& doc, QWidget* parent = nullptr);

    WorldMap* map() const { return map_; }
    bool queryShows(quintptr subject) const override;
    void setSubject(quintptr subject) override;

private:
    WorldMap* map_ = nullptr;
};
