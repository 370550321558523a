#include "platform/windowfit.h"

#include <gtest/gtest.h>

using namespace tessel;

namespace {

// A screen of 1280 by 1024 whose task bar takes the lowest 40 pixels.
const QRect kArea(0, 0, 1280, 984);

struct FitCase {
    const char* name;
    QRect outer;
    QSize minimum;
    QRect fitted;
};

void PrintTo(const FitCase& c, std::ostream* out)
{
    *out << c.name;
}

class FitInside : public testing::TestWithParam<FitCase> {};

}  // namespace

TEST_P(FitInside, PutsTheWholeFrameOnTheArea)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(windowfit::fitInside(c.outer, kArea, c.minimum), c.fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, FitInside,
    testing::Values(FitCase{"inside", QRect(100, 50, 640, 480), {}, QRect(100, 50, 640, 480)},
                    FitCase{"titleBarAbove", QRect(100, -30, 640, 480), {}, QRect(100, 0, 640, 480)},
                    FitCase{"leftOfTheScreen", QRect(-200, 10, 640, 480), {}, QRect(0, 10, 640, 480)},
                    FitCase{"bottomUnderTheTaskBar", QRect(100, 700, 640, 480), {}, QRect(100, 504, 640, 480)},
                    FitCase{"rightEdgePast", QRect(1000, 10, 640, 480), {}, QRect(640, 10, 640, 480)},
                    FitCase{"tallerThanTheArea", QRect(100, 200, 640, 1100), {}, QRect(100, 0, 640, 984)},
                    FitCase{"largerEverywhere", QRect(-5, -5, 2000, 2000), {}, QRect(0, 0, 1280, 984)},
                    FitCase{"minimumWiderThanTheArea", QRect(300, 10, 1300, 480), QSize(1300, 200),
                            QRect(0, 10, 1300, 480)},
                    FitCase{"minimumHolds", QRect(0, 0, 640, 1100), QSize(100, 1000), QRect(0, 0, 640, 1000)}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(CentredIn, CentresAndBoundsToTheArea)
{
    EXPECT_EQ(windowfit::centredIn(QSize(640, 480), kArea), QRect(320, 252, 640, 480));
    EXPECT_EQ(windowfit::centredIn(QSize(2000, 480), kArea), QRect(0, 252, 1280, 480));
    EXPECT_EQ(windowfit::centredIn(QSize(640, 480), QRect(1280, 0, 1920, 1040)), QRect(1920, 280, 640, 480));
}
