#include "records/battlebackdrop.h"
#include "records/formationpreview.h"
#include "records/formationtables.h"
#include "records/monstertables.h"

#include <gtest/gtest.h>

#include <set>

using namespace tessel;

namespace {

constexpr QRgb kMonsterColour = 0xFFF80000;  // colour word 0x001F
const QColor kHighlight(0, 120, 215);

// Monster 9 is one 8 x 8 cell of colour 1; every other monster has no cells.
MonsterTables oneCellMonster()
{
    MonsterTables t;
    t.templates[0].data[0] = 0x80;
    for (int y = 0; y < 8; ++y)
        t.tileData[std::size_t(2 * y)] = 0xFF;
    t.palettes[2] = 0x1F;
    t.descriptors[9] = {0, 0, 0, 0, 0, 0};
    for (int m = 0; m < records::kMonsterCount; ++m)
        if (m != 9)
            t.descriptors[std::size_t(m)][4] = 100;  // an empty small template
    return t;
}

// Formation 4: template 2 in the high nibble of byte 0, lineup 1, 4 and 6.
FormationTables sampleFormations()
{
    FormationTables f;
    auto record = f.formations[4].record();
    record[0] = 0x27;
    record[1] = 0b101001;
    for (int k = 0; k < 6; ++k) {
        record[std::size_t(2 + k)] = quint8(9 + k);
        record[std::size_t(8 + k)] = quint8((k + 2) << 4 | (k + 1));
    }
    record[14] = 0b001000;  // slot 4's monster is 256 + 12
    f.sizeTemplates[2].count = 2;
    f.sizeTemplates[2].entries[0] = {0x2011, 4, 3};
    f.sizeTemplates[2].entries[1] = {0x2022, 6, 5};
    return f;
}

}  // namespace

TEST(FormationPreview, SlotsComeFromTheRecordAndTheSizeTemplate)
{
    const FormationPreview::Slots lineup = FormationPreview::slotsOf(sampleFormations(), 4);
    EXPECT_TRUE(lineup[0].present);
    EXPECT_FALSE(lineup[1].present);
    EXPECT_TRUE(lineup[3].present);
    EXPECT_TRUE(lineup[5].present);
    EXPECT_EQ(lineup[0].monster, 9);
    EXPECT_EQ(lineup[3].monster, 256 + 12) << "bit 8 from byte 14";
    EXPECT_EQ(lineup[5].monster, 14);
    EXPECT_EQ(QPoint(lineup[2].x, lineup[2].y), QPoint(4, 3));
    EXPECT_EQ(QSize(lineup[1].width, lineup[1].height), QSize(6, 5));
    EXPECT_EQ(QSize(lineup[2].width, lineup[2].height), QSize(0, 0)) << "the template has two entries";
    // Boxes: left 8x - 8, top 8y - 4.
    EXPECT_EQ(FormationPreview::box(lineup[0]), QRect(8, 4, 32, 24));

    // A template number past the 13 templates gives no boxes.
    FormationTables f = sampleFormations();
    f.formations[4].record()[0] = 0xE0;
    EXPECT_EQ(FormationPreview::slotsOf(f, 4)[0].width, 0);
    EXPECT_FALSE(FormationPreview::slotsOf(f, records::kFormationCount)[0].present);
}

TEST(FormationPreview, MonstersStandAtTheirBoxesOverTheBackdropAndTheSelectionIsFramed)
{
    const MonsterTables monsters = oneCellMonster();
    FormationPreview::Slots lineup{};
    lineup[0] = {true, 9, 3, 2, 4, 4};    // box at (16, 12)
    lineup[1] = {false, 9, 10, 10, 4, 4}; // absent: not drawn
    lineup[2] = {true, 400, 6, 6, 4, 4};  // no such monster: nothing drawn
    lineup[4] = {true, 9, 1, 0, 4, 4};    // box at (0, -4): its top rows clipped

    const QImage plain = FormationPreview::compose(lineup, -1, monsters, kHighlight);
    ASSERT_EQ(plain.size(), QSize(FormationPreview::kWidth, FormationPreview::kHeight));
    const QImage& backdrop = battleBackdrop();
    EXPECT_EQ(plain.pixel(16, 12), kMonsterColour);
    EXPECT_EQ(plain.pixel(23, 19), kMonsterColour);
    EXPECT_EQ(plain.pixel(24, 19), backdrop.pixel(24, 19));
    EXPECT_EQ(plain.pixel(72, 76), backdrop.pixel(72, 76));
    EXPECT_EQ(plain.pixel(40, 44), backdrop.pixel(40, 44));
    EXPECT_EQ(plain.pixel(0, 0), kMonsterColour);
    EXPECT_EQ(plain.pixel(0, 4), backdrop.pixel(0, 4));

    const QImage selected = FormationPreview::compose(lineup, 0, monsters, kHighlight);
    // A two-pixel frame around the box grown by two, under the monster.
    const QRect box(16, 12, 32, 32);
    EXPECT_EQ(selected.pixel(box.left() - 3, box.top() + 10), kHighlight.rgb());
    EXPECT_EQ(selected.pixel(box.left() - 2, box.top() + 10), kHighlight.rgb());
    EXPECT_EQ(selected.pixel(box.left() - 1, box.top() + 10), backdrop.pixel(box.left() - 1, box.top() + 10));
    EXPECT_EQ(selected.pixel(box.right() + 3, box.bottom() + 3), kHighlight.rgb());
    EXPECT_EQ(selected.pixel(box.right() + 4, box.bottom() + 3), backdrop.pixel(box.right() + 4, box.bottom() + 3));
    EXPECT_EQ(selected.pixel(box.left() + 10, box.top() + 10), backdrop.pixel(box.left() + 10, box.top() + 10));
    EXPECT_EQ(selected.pixel(16, 12), kMonsterColour);
}

TEST(FormationPreview, DraggingMovesInWholeCellsAndStopsAtTheEdges)
{
    const FormationSlot slot{true, 0, 5, 7, 4, 4};
    const QPoint grab = FormationPreview::grabOffset({50, 60}, slot);
    EXPECT_EQ(grab, QPoint(10, 4));
    EXPECT_EQ(FormationPreview::dragPosition({50, 60}, grab), QPoint(5, 7));
    EXPECT_EQ(FormationPreview::dragPosition({57, 67}, grab), QPoint(5, 7));
    EXPECT_EQ(FormationPreview::dragPosition({58, 68}, grab), QPoint(6, 8));
    EXPECT_EQ(FormationPreview::dragPosition({-300, 60}, grab), QPoint(0, 7));
    EXPECT_EQ(FormationPreview::dragPosition({50, 2000}, grab), QPoint(5, 15));
    EXPECT_EQ(FormationPreview::dragPosition({239, -1}, grab), QPoint(15, 0));
}

TEST(BattleBackdrop, IsAPictureInTheConsolesColours)
{
    const QImage& backdrop = battleBackdrop();
    ASSERT_EQ(backdrop.size(), QSize(240, 147));
    std::set<QRgb> colours;
    for (int y = 0; y < backdrop.height(); ++y)
        for (int x = 0; x < backdrop.width(); ++x) {
            const QRgb c = backdrop.pixel(x, y);
            ASSERT_EQ(qRed(c) % 8 + qGreen(c) % 8 + qBlue(c) % 8, 0) << x << "," << y;
            colours.insert(c);
        }
    EXPECT_GE(colours.size(), 20u);
    // Sky above, grass below.
    EXPECT_GT(qBlue(backdrop.pixel(10, 2)), qGreen(backdrop.pixel(10, 2)));
    EXPECT_GT(qGreen(backdrop.pixel(10, 140)), qBlue(backdrop.pixel(10, 140)));
}
