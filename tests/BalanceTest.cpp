#include "scene/SceneBuilders.h"

#include <gtest/gtest.h>

namespace tarvelo {
namespace {

TEST(BalanceTest, TheTiltFollowsTheLoadDifferenceUpToFifteen) {
    Model m; // scene 417 pixels high
    const struct {
        float difference;
        std::int32_t target;
    } cases[] = {{0, 0}, {1, 3}, {-1, -4}, {5, 18}, {15, 54}, {-15, -55}, {20, 54}, {-20, -55}};
    for (const auto& c : cases) {
        EXPECT_EQ(m.BalanceTarget(c.difference), c.target) << c.difference;
    }
}

TEST(BalanceTest, AFiveOnTheLeftPanTiltsItEighteenPixelsDown) {
    SceneHarness h;
    h.model.AddObject(5, 100, 100);
    h.RunMs(3000);
    EXPECT_EQ(h.model.obj(1).objY - h.model.obj(2).objY, 18);
    EXPECT_EQ(h.model.lblComparison.Caption, ">");
    EXPECT_EQ(h.model.lblEquazione.Caption, "5 > 0");
    // The piece went down with the pan and rests on it.
    EXPECT_EQ(h.model.obj(3).objY + h.model.obj(3).objH, h.model.obj(1).objY);
}

} // namespace
} // namespace tarvelo
