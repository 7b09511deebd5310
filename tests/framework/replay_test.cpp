// The replay of the draw-command list on a real OpenGL context (a hidden window on the test's
// X server): scaled shapes and images land on the right pixels, the list's last command is
// drawn and the one beyond its capacity is not, and a frame without an update repeats it.
#include <gtest/gtest.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cstdint>
#include <vector>

#include "graphics/graphics_context.h"
#include "support/data_files.h"
#include "support/game_driver.h"

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;

// The game with one addition: at the end of each frame it reads the picture back.
class ReadBackGame : public c_MyApp {
 public:
  int HandleRender() override {
    c_MyApp::HandleRender();
    const int width = GraphicsWidth();
    const int height = GraphicsHeight();
    pixels.assign(static_cast<size_t>(width) * height, 0);
    g_graphicsDevice->ReadScreenPixels(pixels, 0, 0, width, height, 0, width);
    pitch = width;
    return 0;
  }
  std::uint32_t Pixel(int x, int y) const {
    return static_cast<std::uint32_t>(pixels[static_cast<size_t>(y) * pitch + x]);
  }

  std::vector<int> pixels;
  int pitch = 0;
};

class Replay : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(glfwInit()) << "no display";
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    // 1280 x 720 pixels: two pixels per game unit.
    window = glfwCreateWindow(1280, 720, "replay test", nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
    game = std::make_unique<GameDriver>(
        GameDriverOptions{.createApp = [this] { return app = new ReadBackGame(); }});
    game->Start();
    ASSERT_FALSE(g_graphicsDevice->IsHeadless());
    ASSERT_EQ(app->scaleX, 2);
  }
  void TearDown() override {
    game.reset();
    glfwDestroyWindow(window);
    glfwTerminate();
  }

  GLFWwindow* window = nullptr;
  std::unique_ptr<GameDriver> game;
  ReadBackGame* app = nullptr;
};

}  // namespace

TEST_F(Replay, ShapesAndImagesAreScaledToTheWindow) {
  // A 32 x 16 picture at the detail level of a 1280-pixel window: 8 x 4 game units.
  WritePicture("probe.png", 32, 16, 0x00FF00);
  app->images[5] = LoadImageGrid("probe.png", 32, 16, 1, CenterHandleFlag);
  ASSERT_TRUE(app->images[5]);
  ASSERT_EQ(app->imageScale, 0.25f);
  app->BeginDrawList(0, 0, 0, 1);
  app->SetDrawColor(255, 0, 0, 1);
  app->DrawCommandRect(10, 20, 30, 40);  // pixels 20..80 across, 40..120 down
  app->ResetDrawState();
  app->DrawCommandImage(5, 100, 100, 0);  // 16 x 8 pixels centred on pixel (200, 200)
  app->SetDrawScale(2, 3);
  app->DrawCommandImage(5, 200, 100, 0);  // 32 x 24 pixels centred on (400, 200)
  game->Render();

  const struct {
    int x, y;
    std::uint32_t colour;
  } probes[] = {
      {20, 40, kRed},     {79, 119, kRed},    {19, 60, kBlack},   {80, 60, kBlack},
      {50, 120, kBlack},  {192, 196, kGreen}, {207, 203, kGreen}, {191, 200, kBlack},
      {208, 200, kBlack}, {200, 195, kBlack}, {200, 204, kBlack}, {384, 188, kGreen},
      {415, 211, kGreen}, {383, 200, kBlack}, {416, 200, kBlack}, {400, 187, kBlack},
      {400, 212, kBlack}, {640, 400, kBlack},
  };
  for (const auto& probe : probes) {
    EXPECT_EQ(app->Pixel(probe.x, probe.y), probe.colour) << probe.x << ", " << probe.y;
  }
}

TEST_F(Replay, TheLastCommandThatFitsIsDrawnAndTheNextIsDropped) {
  app->BeginDrawList(0, 0, 0, 1);
  app->SetDrawColor(255, 255, 255, 1);
  for (int i = 0; i < 2498; ++i) app->DrawCommandRect(-50, -50, 1, 1);
  app->SetDrawColor(0, 0, 255, 1);
  app->DrawCommandRect(300, 50, 10, 10);  // the 2499th
  app->SetDrawColor(0, 255, 0, 1);
  app->DrawCommandRect(320, 50, 10, 10);  // the 2500th
  game->Render();
  EXPECT_EQ(app->Pixel(610, 110), kBlue);
  EXPECT_EQ(app->Pixel(650, 110), kBlack);
}

TEST_F(Replay, AFrameWithoutAnUpdateShowsTheSameList) {
  app->BeginDrawList(0, 0, 0, 1);
  app->SetDrawColor(255, 0, 0, 1);
  app->DrawCommandRect(100, 100, 50, 50);
  game->Render();
  const std::vector<int> first = app->pixels;
  EXPECT_EQ(app->Pixel(250, 250), kRed);
  game->Render();
  EXPECT_EQ(app->pixels, first);
  // A transparent backdrop leaves what the previous frame showed.
  app->BeginDrawList(0, 0, 0, 0);
  app->SetDrawColor(0, 0, 255, 1);
  app->DrawCommandRect(0, 0, 10, 10);
  game->Render();
  EXPECT_EQ(app->Pixel(250, 250), kRed);
  EXPECT_EQ(app->Pixel(5, 5), kBlue);
}
