#include "records/formationpreview.h"

#include "records/battlebackdrop.h"
#include "records/formationproperties.h"
#include "records/formationtables.h"
#include "records/monsterpicture.h"

#include <algorithm>

namespace tessel {

namespace {

constexpr int kCell = 8;
constexpr int kBoxTopInset = 4;
// The selection frame: two pixels wide, around the box grown by two.
constexpr int kFrameGap = 1;
constexpr int kFrameWidth = 2;

void frame(QImage& image, const QRect& box, QColor colour)
{
    const QRect outer = box.adjusted(-kFrameGap - kFrameWidth, -kFrameGap - kFrameWidth, kFrameGap + kFrameWidth,
                                     kFrameGap + kFrameWidth);
    const QRect inner = box.adjusted(-kFrameGap, -kFrameGap, kFrameGap, kFrameGap);
    const QRect visible = outer & image.rect();
    const QRgb pixel = colour.rgba();
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = visible.left(); x <= visible.right(); ++x)
            if (!inner.contains(x, y))
                line[x] = pixel;
    }
}

}  // namespace

FormationPreview::Slots FormationPreview::slotsOf(const FormationTables& formations, int formation)
{
    using namespace formationprops;
    Slots lineup;
    if (formation < 0 || formation >= int(formations.formations.size()))
        return lineup;
    const auto record = formations.formations[std::size_t(formation)].record();
    const int templateNumber = record[kTemplateByte] >> 4;
    const SizeTemplate* sizes =
        templateNumber < int(formations.sizeTemplates.size()) ? &formations.sizeTemplates[std::size_t(templateNumber)] : nullptr;
    for (int k = 0; k < kSlots; ++k) {
        FormationSlot& slot = lineup[std::size_t(k)];
        slot.present = record[kPresentByte] & (1 << k);
        slot.monster = record[std::size_t(kMonsterBytes + k)] | ((record[kMonsterHighByte] >> k) & 1) << 8;
        slot.x = record[std::size_t(kPositionBytes + k)] >> 4;
        slot.y = record[std::size_t(kPositionBytes + k)] & 0x0F;
        if (sizes && k < sizes->count) {
            slot.width = sizes->entries[std::size_t(k)].width;
            slot.height = sizes->entries[std::size_t(k)].height;
        }
    }
    return lineup;
}

QRect FormationPreview::box(const FormationSlot& slot)
{
    return {kCell * slot.x - kCell, kCell * slot.y - kBoxTopInset, kCell * slot.width, kCell * slot.height};
}

QImage FormationPreview::compose(const Slots& lineup, int selected, const MonsterTables& monsters, QColor highlight)
{
    QImage image = battleBackdrop().convertToFormat(QImage::Format_RGB32);
    for (int k = 0; k < kSlots; ++k) {
        const FormationSlot& slot = lineup[std::size_t(k)];
        if (!slot.present)
            continue;
        if (k == selected)
            frame(image, box(slot), highlight);
        MonsterPicture::draw(image, box(slot).topLeft(), monsters, slot.monster);
    }
    return image;
}

QPoint FormationPreview::grabOffset(QPoint mouse, const FormationSlot& slot)
{
    return mouse - QPoint(kCell * slot.x, kCell * slot.y);
}

QPoint FormationPreview::dragPosition(QPoint mouse, QPoint grab)
{
    const QPoint moved = mouse - grab;
    return {std::clamp(moved.x() / kCell, 0, kLastPosition), std::clamp(moved.y() / kCell, 0, kLastPosition)};
}

}  // namespace tessel
