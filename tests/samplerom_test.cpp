#include "rom/romaddress.h"
#include "tests/testsupport.h"
#include "tools/samplerom/samplerom.h"

#include <gtest/gtest.h>

using namespace tessel;

// Tests notice writes outside the saved tables because the sample's other
// bytes are filler: that holds only while no two tables share bytes. Tests
// with literal bytes need the same sample on every build.
TEST(SampleRom, NoTwoTablesOverlapAndAllLieInsideTheImage)
{
    QList<SampleRom::Area> areas;
    buildSampleRom(&areas);
    ASSERT_GT(areas.size(), 20);
    std::sort(areas.begin(), areas.end(),
              [](const SampleRom::Area& a, const SampleRom::Area& b) { return a.start < b.start; });
    for (int i = 0; i < areas.size(); ++i) {
        EXPECT_GE(areas[i].start, rom::kImageStart) << areas[i].label.toStdString();
        EXPECT_LE(areas[i].start + areas[i].size, rom::kExpansionStart) << areas[i].label.toStdString();
        if (i > 0) {
            EXPECT_LE(areas[i - 1].start + areas[i - 1].size, areas[i].start)
                << areas[i - 1].label.toStdString() << " overlaps " << areas[i].label.toStdString();
        }
    }
}

TEST(SampleRom, IsTheSameOnEveryBuild)
{
    EXPECT_EQ(buildSampleRom(), sampleRomBytes());
}
