#pragma once

#include <QStyledItemDelegate>

namespace tessel {

class GameFonts;

// Paints a row of the message list: the number as "%04X:" in the view's
// font, then the message on one line in the game's dialogue font, black,
// from 40 pixels in; a message that overflows the dialogue window is marked
// in red at the left edge.
class DialogueRowDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    static constexpr int kRowHeight = 16;
    static constexpr int kNumberLeft = 4;
    static constexpr int kPreviewLeft = 40;
    static constexpr int kPreviewTop = 4;
    // How wide a row is, so that long messages can be scrolled to.
    static constexpr int kRowExtent = 4096;

    DialogueRowDelegate(const GameFonts& fonts, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const GameFonts& fonts_;
};

}  // namespace tessel
