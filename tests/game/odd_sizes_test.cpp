// Odd window sizes: the loading and title screens run at sizes far from the design screen,
// and after a change to such a size, without reaching an undefined operation (the sanitizer
// build reports any) and with a logical screen that keeps one design dimension.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/app_globals.h"
#include "support/game_driver.h"

TEST(OddSizes, LoadingAndTitleRunAtExtremeShapes) {
  struct Size {
    int width, height;
  };
  for (const Size size : {Size{1, 1}, Size{2000, 100}, Size{100, 2000}}) {
    SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
    GameDriver game({.width = size.width, .height = size.height, .withData = true});
    game.Start();
    EXPECT_EQ(game.FinishLoading(), 25);
    game.RunUpdates(40);
    EXPECT_EQ(game.app().gameState, 1);
    EXPECT_TRUE(std::isfinite(g_screenWidth) && std::isfinite(g_screenHeight));
    EXPECT_TRUE(g_screenWidth == 640 || g_screenHeight == 480);
    // Into another odd shape mid-title, and through a second loading sequence.
    game.Resize(size.height, size.width);
    game.RunUpdates(1);
    EXPECT_EQ(game.FinishLoading(), 25);
    game.RunUpdates(5);
    EXPECT_GT(game.DrawCommands().size(), 10u);
  }
}
