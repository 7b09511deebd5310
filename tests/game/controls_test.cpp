// The abstract controls with every key, joystick button and stick source, and the strict
// edges of the two touch buttons.
#include <gtest/gtest.h>

#include <vector>

#include "support/game_driver.h"

namespace {

constexpr int kControls[] = {0, 3, 5, 8, 10, 11, 12, 13, 99};

void ExpectOnlyHeld(c_MyApp& app, int held) {
  for (int control : kControls) EXPECT_EQ(app.IsControlDown(control), control == held) << control;
  for (int control : {1, 14, 15, 16, 17, 98}) EXPECT_EQ(app.IsControlDown(control), 0);
}

}  // namespace

TEST(Controls, EveryKeyAndButtonHoldsItsControl) {
  struct Source {
    int control;
    int code;  // a key, or 256 + button for the first joystick
  };
  const Source sources[] = {
      {0, 38},   {0, 87},  {0, 265}, {3, 37},   {3, 65},   {3, 264}, {5, 39},  {5, 68},
      {5, 266},  {8, 40},  {8, 83},  {8, 267},  {10, 90},  {10, 74}, {10, 32}, {10, 13},
      {10, 256}, {11, 88}, {11, 75}, {11, 17},  {11, 257}, {12, 67}, {12, 76}, {12, 16},
      {12, 258}, {13, 86}, {13, 73}, {13, 259}, {99, 27},  {99, 46}, {99, 8},  {99, 263},
  };
  GameDriver game;
  game.Start();
  game.FinishLoading();
  for (const Source& source : sources) {
    SCOPED_TRACE(testing::Message() << "control " << source.control << " code " << source.code);
    const bool joystick = source.code >= 256;
    if (joystick) {
      game.SetJoystickButton(source.code - 256, true);
    } else {
      game.KeyDown(source.code);
    }
    game.RunUpdates(1);
    ExpectOnlyHeld(game.app(), source.control);
    if (joystick) {
      game.SetJoystickButton(source.code - 256, false);
    } else {
      game.KeyUp(source.code);
    }
    game.RunUpdates(1);
    ExpectOnlyHeld(game.app(), -1);
  }
}

TEST(Controls, TheStickHoldsADirectionStrictlyBeyondFourTenths) {
  struct Case {
    float x, y;
    int held;
  };
  const Case cases[] = {
      {0.41f, 0, 5}, {0.4f, 0, -1},  {-0.41f, 0, 3}, {-0.4f, 0, -1}, {0, 0.41f, 8},
      {0, 0.4f, -1}, {0, -0.41f, 0}, {0, -0.4f, -1}, {0.39f, 0, -1},
  };
  GameDriver game;
  game.Start();
  game.FinishLoading();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    game.SetStick(c.x, c.y);
    game.RunUpdates(1);
    ExpectOnlyHeld(game.app(), c.held);
  }
}

TEST(Controls, ADeviceBackKeyCountsForTheUpdateOfItsPress) {
  GameDriver game;
  game.Start();
  game.FinishLoading();
  game.PressKey(416);
  game.RunUpdates(1);
  EXPECT_EQ(game.app().backKeyPresses, 1);
  EXPECT_EQ(game.app().IsControlDown(99), 1);
  game.RunUpdates(1);
  EXPECT_EQ(game.app().IsControlDown(99), 0);
}

TEST(Controls, AnImageButtonAnswersInsideItsScaledFrameOnly) {
  struct Case {
    float scale;
    int x, y;  // the mouse, in pixels: one unit each at 640 x 480
    bool touched;
  };
  // Image 97 has 32-unit frames; drawn at scale 1 around (100, 100) it spans 84 to 116.
  const Case cases[] = {
      {1, 100, 100, true}, {1, 115, 100, true}, {1, 116, 100, false}, {1, 84, 100, false},
      {1, 100, 84, false}, {1, 85, 115, true},  {2, 131, 100, true},  {2, 132, 100, false},
      {2, 100, 69, true},  {2, 100, 68, false},
  };
  GameDriver game;
  game.Start();
  game.FinishLoading();
  c_MyApp& app = game.app();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.scale << ": " << c.x << ", " << c.y);
    game.MouseDown(static_cast<float>(c.x), static_cast<float>(c.y));
    game.RunUpdates(1);
    app.ResetDrawState();
    app.SetDrawScale(c.scale);
    EXPECT_EQ(app.ImageButton(97, 100, 100, 3), c.touched);
    const DrawCommand drawn = game.DrawCommands().back();
    EXPECT_TRUE(drawn.IsImage(97));
    EXPECT_EQ(drawn.frame, 3);
    game.MouseUp();
    game.RunUpdates(1);
    EXPECT_EQ(app.ImageButton(97, 100, 100, 3), 0);  // nothing held
  }
}

TEST(Controls, ARectButtonAnswersStrictlyInsideItsRectangle) {
  struct Case {
    int x, y;
    bool touched;
  };
  const Case cases[] = {{101, 105, true},  {100, 105, false}, {119, 109, true},
                        {120, 105, false}, {119, 110, false}, {110, 100, false}};
  GameDriver game;
  game.Start();
  game.FinishLoading();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    game.MouseDown(static_cast<float>(c.x), static_cast<float>(c.y));
    game.RunUpdates(1);
    EXPECT_EQ(game.app().RectButton(100, 100, 20, 10), c.touched);
    EXPECT_TRUE(game.DrawCommands().back().IsRect());
    game.MouseUp();
    game.RunUpdates(1);
  }
}
