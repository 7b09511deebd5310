// The draw-command list: the records an append writes with the draw state, the capacity, the
// uniform scale and logical screen of the render, bitmap text and number fields.
#include <gtest/gtest.h>

#include <string>

#include "framework/app_globals.h"
#include "support/game_driver.h"

TEST(DrawList, RenderChoosesTheLargerScaleAndTheLogicalScreen) {
  struct Case {
    int width, height;
    float scale;
    int scaleMode;
    float screenWidth, screenHeight;
    int landscape;
  };
  const Case cases[] = {
      {640, 480, 1, 1, 640, 480, 1},
      {1280, 720, 2, 1, 640, 360, 1},
      {480, 640, 640.0f / 480, 2, 360, 480, 0},
      {1000, 1000, 1000.0f / 480, 2, 480, 480, 1},  // a tie of the logical sizes is landscape
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    GameDriver game({.width = c.width, .height = c.height});
    game.Start();
    EXPECT_FLOAT_EQ(game.app().scaleX, c.scale);
    EXPECT_EQ(game.app().scaleY, game.app().scaleX);
    EXPECT_EQ(game.app().scaleMode, c.scaleMode);
    EXPECT_FLOAT_EQ(g_screenWidth, c.screenWidth);
    EXPECT_FLOAT_EQ(g_screenHeight, c.screenHeight);
    EXPECT_EQ(game.app().landscape, c.landscape);
  }
}

TEST(DrawList, ASizeChangeIsNoticedByTheNextRender) {
  GameDriver game;
  game.Start();
  game.FinishLoading();
  game.Resize(800, 600);
  EXPECT_EQ(game.app().loadStep, 0);
  game.Render();
  EXPECT_EQ(game.app().loadStep, 1);
  EXPECT_EQ(game.app().deviceWidth, 800);
  EXPECT_EQ(game.app().deviceHeight, 600);
}

TEST(DrawList, CommandsCarryTheDrawStateAndOptionalArguments) {
  GameDriver game;
  game.Start();
  c_MyApp& app = game.app();
  app.BeginDrawList(kAbsent, 0, 0, 0);  // an absent colour keeps the backdrop
  EXPECT_EQ(app.clearRed, 0);
  EXPECT_EQ(app.clearAlpha, 1);
  app.SetDrawScale(3, kAbsent);
  app.DrawCommandImage(4, 10, 20, 2);
  app.SetDrawScale(1, 2);
  app.SetDrawRotation(30);
  app.SetDrawColor(10, 20, 30, kAbsent);
  app.DrawCommandImage(4, 0, 0, 0);
  app.SetDrawColor(40, 50, 60, 0.25f);
  app.DrawCommandRect(1, 2, 3, 4);
  app.SetDrawAlpha(0.5f);
  app.DrawCommandOval(5, 6, 7, 8);
  app.DrawCommandLine(9, 10, 11, 12);
  const std::vector<DrawCommand> list = game.DrawCommands();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_TRUE(list[0].IsImage(4));
  EXPECT_EQ(list[0].width, 3);
  EXPECT_EQ(list[0].height, 3);
  EXPECT_EQ(list[0].frame, 2);
  EXPECT_EQ(list[0].blend, 1);
  EXPECT_EQ(list[1].width, 1);
  EXPECT_EQ(list[1].height, 2);
  EXPECT_EQ(list[1].rotation, -30);
  EXPECT_EQ(list[1].red, 10);
  EXPECT_EQ(list[1].alpha, 1);  // an absent alpha keeps the previous one
  EXPECT_TRUE(list[2].IsRect());
  EXPECT_EQ(list[2].alpha, 0.25f);
  EXPECT_EQ(list[2].width, 3);
  EXPECT_EQ(list[2].frame, 0);
  EXPECT_TRUE(list[3].IsOval());
  EXPECT_EQ(list[3].alpha, 0.5f);
  EXPECT_TRUE(list[4].IsLine());
  EXPECT_EQ(list[4].width, 11);
  EXPECT_EQ(list[4].height, 12);
  EXPECT_EQ(list[4].blue, 60);
}

TEST(DrawList, HoldsAtMost2499Commands) {
  GameDriver game;
  game.Start();
  c_MyApp& app = game.app();
  app.BeginDrawList(0, 0, 0, 1);
  for (int i = 1; i <= 2500; ++i) app.DrawCommandRect(static_cast<float>(i), 0, 1, 1);
  EXPECT_EQ(app.drawListLength, 2499 * 15);
  const std::vector<DrawCommand> list = game.DrawCommands();
  EXPECT_EQ(list.back().x, 2499);
  EXPECT_EQ(app.drawList[2499 * 15], 0);  // the 2500th wrote nothing
  app.BeginDrawList(0, 0, 0, 1);
  EXPECT_EQ(app.drawListLength, 0);
}

TEST(DrawList, BitmapTextPlacesOneGlyphPerVisibleCharacter) {
  struct Glyph {
    char character;
    float x, y;
  };
  struct Case {
    const char* text;
    float alignX, alignY;
    std::vector<Glyph> glyphs;
  };
  // The font advances 7 units and its lines are 10 apart; text at (100, 50).
  const Case cases[] = {
      {"AB", 0, 1, {{'A', 100, 50}, {'B', 107, 50}}},
      {"ABC", 1, 1, {{'A', 93, 50}, {'B', 100, 50}, {'C', 107, 50}}},
      {"ABC", 2, 1, {{'A', 86, 50}, {'B', 93, 50}, {'C', 100, 50}}},
      {"AB", 0, 0, {{'A', 100, 55}, {'B', 107, 55}}},
      {"AB", 0, 3, {{'A', 100, 40}, {'B', 107, 40}}},
      // A line break returns to the start point one line lower; the pair counts in the
      // alignment although it draws nothing.
      {"A\\nB", 0, 1, {{'A', 100, 50}, {'B', 100, 60}}},
      {"A\\nB", 2, 1, {{'A', 79, 50}, {'B', 79, 60}}},
      // Spaces and codes without glyphs advance without drawing; a lone backslash is a glyph.
      {"A B", 0, 1, {{'A', 100, 50}, {'B', 114, 50}}},
      {"A\t\xE9"
       "B\\",
       0,
       1,
       {{'A', 100, 50}, {'B', 121, 50}, {'\\', 128, 50}}},
      {"\x7F\x80\x9F", 0, 1, {{'\x7F', 100, 50}, {'\x80', 107, 50}, {'\x9F', 114, 50}}},
  };
  GameDriver game;
  game.Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    game.app().BeginDrawList(0, 0, 0, 1);
    game.app().DrawBitmapText(100, 50, c.text, c.alignX, c.alignY);
    const std::vector<DrawCommand> list = game.DrawCommands();
    ASSERT_EQ(list.size(), c.glyphs.size());
    for (size_t i = 0; i < list.size(); ++i) {
      EXPECT_TRUE(list[i].IsImage(90));
      EXPECT_EQ(list[i].frame, static_cast<unsigned char>(c.glyphs[i].character) - 32);
      EXPECT_FLOAT_EQ(list[i].x, c.glyphs[i].x);
      EXPECT_FLOAT_EQ(list[i].y, c.glyphs[i].y);
    }
  }
}

TEST(DrawList, BitmapTextFollowsTheDrawScaleAndRotation) {
  GameDriver game;
  game.Start();
  c_MyApp& app = game.app();
  app.BeginDrawList(0, 0, 0, 1);
  app.SetDrawScale(2, 3);
  app.SetDrawRotation(90);
  app.DrawBitmapText(100, 50, "AB\\nC", 0, 1);
  const std::vector<DrawCommand> list = game.DrawCommands();
  ASSERT_EQ(list.size(), 3u);
  // Turned by 90 degrees the pen moves down the screen by 14 units per character and a new
  // line starts 30 units to the left.
  const float expected[3][2] = {{100, 50}, {100, 64}, {70, 50}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(list[i].x, expected[i][0], 1e-4);
    EXPECT_NEAR(list[i].y, expected[i][1], 1e-4);
    EXPECT_EQ(list[i].rotation, -90);
    EXPECT_EQ(list[i].width, 2);
  }
}

TEST(DrawList, PadNumberKeepsTheLastCharacters) {
  struct Case {
    int value, width;
    const char* pad;
    const char* expected;
  };
  const Case cases[] = {
      {42, 6, "0", "000042"},      {1234567, 6, "0", "234567"},
      {0, 11, " ", "          0"}, {123456789, 8, "0", "23456789"},
      {-5, 4, "0", "00-5"},        {42, 0, "0", "042"},
      {7, 3, "ab", "ab7"},
  };
  GameDriver game;
  for (const Case& c : cases) {
    EXPECT_EQ(game.app().PadNumber(c.value, c.width, c.pad).Narrow(), c.expected)
        << c.value << " " << c.width;
  }
}
