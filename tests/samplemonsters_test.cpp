#include "records/monsterpicture.h"
#include "tests/testsupport.h"
#include "document/parts/monsterspart.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace tessel;

// The battle editors' tests and the picture export compare pictures of the
// sample's monsters: they need pictures of every kind (small and large,
// three and four bits a pixel), each with ink to compare.
TEST(SampleMonsters, EveryKindOfPictureIsThereAndEveryPictureHasInk)
{
    TempRom file;
    TestDoc t;
    ASSERT_TRUE(t.doc.open(file.path()));
    std::set<std::pair<bool, bool>> kinds;
    for (int m = 0; m < records::kMonsterCount; ++m) {
        const MonsterGraphic g = MonsterGraphic::fromDescriptor(t.doc.part<MonstersPart>().table().descriptors[std::size_t(m)]);
        kinds.insert({g.large, g.threeBit});
        const QImage picture = MonsterPicture::render(t.doc.part<MonstersPart>().table(), m);
        int ink = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                ink += qAlpha(picture.pixel(x, y)) != 0;
        EXPECT_GE(ink, g.large ? 32 * 32 : 13 * 13) << m;
    }
    EXPECT_EQ(kinds.size(), 4u);
}
