#pragma once

#include <QWidget>

namespace tessel {

struct WorldMap;

// The tile editor's current tile, magnified, its selected quarter framed
// in red. A click in a quarter selects it.
class CQuarterView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kScale = 8;
    static constexpr int kId = 1015;

    explicit CQuarterView(QWidget* parent = nullptr);

    void setTile(const WorldMap* map, int tile, int quarter);
    int quarter() const { return quarter_; }
    // The quarter's square in the widget.
    QRect quarterRect(int quarter) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void quarterClicked(int quarter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const WorldMap* map_ = nullptr;
    int tile_ = 0;
    int quarter_ = 0;
};

}  // namespace tessel
