// Odd window sizes: the loading and title screens run at sizes far from the design screen,
// from the start and after a change of size, without reaching an undefined operation (the
// sanitizer build reports any) and with a logical screen that keeps one design dimension.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/app_globals.h"
#include "support/game_driver.h"

namespace {

void ExpectDesignDimensionKept() {
  EXPECT_TRUE(std::isfinite(g_screenWidth) && std::isfinite(g_screenHeight));
  EXPECT_TRUE(std::abs(g_screenWidth - 640) < 0.01f || std::abs(g_screenHeight - 480) < 0.01f)
      << g_screenWidth << " x " << g_screenHeight;
}

}  // namespace

TEST(OddSizes, LoadingAndTitleRunAtExtremeShapes) {
  struct Size {
    int width, height;
  };
  const Size sizes[] = {{1, 1}, {2000, 100}, {100, 2000}};
  for (int i = 0; i < 3; ++i) {
    const Size size = sizes[i];
    const Size next = sizes[(i + 1) % 3];
    SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
    GameDriver game({.width = size.width, .height = size.height, .withData = true});
    game.Start();
    EXPECT_EQ(game.FinishLoading(), 25);
    game.RunUpdates(40);
    EXPECT_EQ(game.app().gameState, 1);
    ExpectDesignDimensionKept();
    // Into the next odd shape mid-title, and through a second loading sequence.
    game.Resize(next.width, next.height);
    game.RunUpdates(1);
    EXPECT_EQ(game.FinishLoading(), 25);
    game.RunUpdates(5);
    ExpectDesignDimensionKept();
    EXPECT_GT(game.DrawCommands().size(), 10u);
  }
}
