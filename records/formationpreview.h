#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

namespace tessel {

class FormationTables;
class MonsterTables;

// One monster slot of a formation as the battle preview draws it.
struct FormationSlot {
    bool present = false;
    int monster = 0;  // 0-511; 384 and above name no monster and draw nothing
    int x = 0;        // position in 8-pixel cells, 0-15
    int y = 0;
    int width = 0;    // the size template's box, in cells (0 where it has no entry)
    int height = 0;
};

// The battle preview of a formation (240 x 147 pixels): the backdrop, and
// each present slot's monster at the top-left corner of its box; the
// selected slot is framed first. Dragging moves a slot in whole cells,
// 0 to 15 each way.
class FormationPreview {
public:
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 147;
    static constexpr int kSlots = 6;
    static constexpr int kLastPosition = 15;
    using Slots = std::array<FormationSlot, kSlots>;

    // The slots of a formation, with the boxes of its size template.
    static Slots slotsOf(const FormationTables& formations, int formation);
    // A slot's box: left 8x - 8, top 8y - 4.
    static QRect box(const FormationSlot& slot);
    // The picture; `selected` is a slot index 0-5, or -1 for none.
    static QImage compose(const Slots& lineup, int selected, const MonsterTables& monsters, QColor highlight);

    // What a drag remembers when the button goes down: the mouse less the
    // slot's position in pixels.
    static QPoint grabOffset(QPoint mouse, const FormationSlot& slot);
    // The position the slot takes with the mouse at `mouse`: whole cells
    // from the grab, each clamped to 0-15.
    static QPoint dragPosition(QPoint mouse, QPoint grab);
};

}  // namespace tessel
